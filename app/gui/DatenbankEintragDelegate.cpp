#include "app/gui/DatenbankEintragDelegate.h"

#include "platform/gui/Farben.h"

#include <QPainter>

DatenbankEintragDelegate::DatenbankEintragDelegate(const QPixmap& symbol, QObject* parent)
    : QStyledItemDelegate(parent), symbol_(symbol) {}

QColor DatenbankEintragDelegate::auswahlfarbe() const {
    return Farben::abgedunkelt(hauptfarbe_, -7);
}

void DatenbankEintragDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    const QRect r = option.rect;
    const bool gewaehlt = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(r, gewaehlt ? auswahlfarbe() : option.palette.color(QPalette::Base));
    int textLinks = r.left() + 2;
    if (!symbol_.isNull()) {
        painter->drawPixmap(r.left() + 1, r.top() + 1, symbol_);
        textLinks = r.left() + symbol_.width() + 4;
    }
    painter->setFont(option.font);
    painter->setPen(option.palette.color(QPalette::Text));
    const QRect textRechteck(textLinks, r.top() + 2, r.right() - textLinks, r.height() - 2);
    painter->drawText(textRechteck, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize DatenbankEintragDelegate::sizeHint(const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    s.setHeight(23);
    return s;
}
