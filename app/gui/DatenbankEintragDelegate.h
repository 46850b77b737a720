#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

// Draws one database entry: darkened main colour behind a selected entry, the picture at
// left + 1, top + 1 and the name beside it; every entry is 23 pixels high.
class DatenbankEintragDelegate : public QStyledItemDelegate {
public:
    DatenbankEintragDelegate(const QPixmap& symbol, QObject* parent);

    void setHauptfarbe(const QColor& farbe) { hauptfarbe_ = farbe; }
    // 7 per cent darker than the main window's colour.
    QColor auswahlfarbe() const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QPixmap symbol_;
    QColor hauptfarbe_;
};
