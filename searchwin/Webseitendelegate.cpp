#include "searchwin/Webseitendelegate.h"

#include "searchwin/Adressliste.h"

#include <QBitmap>
#include <QPainter>

namespace {

constexpr int Markerseite = 24;
constexpr int Themenbreite = 64;
const QColor durchsichtig(0xFF, 0x00, 0x00);

// Red marks what the picture leaves transparent.
QPixmap ohneRot(QPixmap bild) {
    bild.setMask(bild.createMaskFromColor(durchsichtig));
    return bild;
}

} // namespace

Webseitendelegate::Webseitendelegate(Art art, std::function<QColor()> fensterfarbe, QObject* parent)
    : QStyledItemDelegate(parent), art_(art), fensterfarbe_(std::move(fensterfarbe)) {}

QColor Webseitendelegate::abgedunkelt(const QColor& farbe) {
    auto dunkler = [](int c) { return c + c * (-10) / 100; };
    return QColor(dunkler(farbe.red()), dunkler(farbe.green()), dunkler(farbe.blue()));
}

QPixmap Webseitendelegate::marker(const QString& adresse, const QFont& schrift) {
    const Adressliste::Art art = Adressliste::art(adresse);
    QPixmap bild(Markerseite, Markerseite);
    bild.fill(durchsichtig);
    QPainter p(&bild);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(art == Adressliste::Art::Suchend ? QColor(0x00, 0xB0, 0x40) : QColor(Qt::white));
    p.drawEllipse(QRectF(1.5, 1.5, Markerseite - 3, Markerseite - 3));
    QFont f(schrift.family());
    f.setPointSize(12);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    // The symbol stands at (6, 0) like on the canvas of the original marker.
    p.drawText(QRect(6, 0, Markerseite - 6, Markerseite), Qt::AlignLeft | Qt::AlignVCenter,
               Adressliste::symbol(art));
    p.end();
    return ohneRot(bild);
}

QPixmap Webseitendelegate::themenbild() {
    QPixmap bild(Themenbreite, Markerseite);
    bild.fill(durchsichtig);
    QPainter p(&bild);
    p.setPen(Qt::NoPen);
    const QColor farben[] = {QColor(0x20, 0x60, 0xC0), QColor(0x30, 0x90, 0xE0),
                             QColor(0x60, 0xB0, 0xF0)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(farben[i]);
        p.drawRoundedRect(QRect(2 + i * 20, 4, 18, 16), 3, 3);
    }
    p.end();
    return ohneRot(bild);
}

void Webseitendelegate::paint(QPainter* maler, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QRect r = option.rect;
    const QString text = index.data(Qt::DisplayRole).toString();
    maler->save();
    if (option.state & QStyle::State_Selected) {
        const QColor fenster = fensterfarbe_ ? fensterfarbe_() : QColor();
        maler->fillRect(
            r, abgedunkelt(fenster.isValid() ? fenster : option.palette.color(QPalette::Window)));
    }
    const QPixmap bild = art_ == Art::Adresse ? marker(text, option.font) : themenbild();
    maler->drawPixmap(r.left() + 1, r.top() + 2, bild);
    const int abstand = art_ == Art::Adresse ? 4 : 20;
    maler->setFont(option.font);
    maler->setPen(option.palette.color((option.state & QStyle::State_Enabled) ? QPalette::Active
                                                                              : QPalette::Disabled,
                                       QPalette::Text));
    maler->drawText(
        QRect(r.left() + bild.width() + abstand, r.top() + 2, r.width(), r.height() - 2),
        Qt::AlignLeft | Qt::AlignVCenter, text);
    maler->restore();
}

QSize Webseitendelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    s.setHeight(Zeilenhoehe);
    return s;
}
