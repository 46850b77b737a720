#pragma once

#include <QColor>
#include <QPixmap>
#include <QStyledItemDelegate>

#include <functional>

// Draws the entries of the topic selector and of the address list, 28 pixels high: a
// picture at the left, the text beside it, and the selected entry on the window colour
// darkened by a tenth. Addresses carry a marker that tells whether the site searches by
// itself (">" on green) or only opens ("+" on white).
class Webseitendelegate : public QStyledItemDelegate {
public:
    enum class Art { Thema, Adresse };

    // The window colour is asked at every draw, since the settings may change it.
    Webseitendelegate(Art art, std::function<QColor()> fensterfarbe, QObject* parent = nullptr);

    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // c + c * (-10) / 100 for red, green and blue, truncated.
    static QColor abgedunkelt(const QColor& farbe);
    // The marker of an address with its symbol, red standing for transparent.
    static QPixmap marker(const QString& adresse, const QFont& schrift);
    static QPixmap themenbild();

    static constexpr int Zeilenhoehe = 28;

private:
    Art art_;
    std::function<QColor()> fensterfarbe_;
};
