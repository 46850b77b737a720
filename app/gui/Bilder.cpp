#include "app/gui/Bilder.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>

namespace Bilder {
namespace {
// Pictures are drawn on red; red is the transparent colour, as for the list pictures.
QPixmap aufRot(QSize groesse, const std::function<void(QPainter&)>& malen) {
    QPixmap bild(groesse);
    bild.fill(Qt::red);
    {
        QPainter p(&bild);
        malen(p);
    }
    bild.setMask(bild.createMaskFromColor(Qt::red));
    return bild;
}
} // namespace

QPixmap datenbankSymbol() {
    return aufRot(QSize(24, 21), [](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        // A stack of three discs: the usual picture of a database.
        p.setPen(QColor(40, 40, 90));
        for (int i = 2; i >= 0; --i) {
            p.setBrush(i == 0 ? QColor(120, 160, 230) : QColor(80, 120, 200));
            p.drawEllipse(QRect(3, 2 + i * 5, 17, 7));
        }
        p.setBrush(QColor(255, 255, 255));
        p.drawRect(QRect(15, 11, 7, 8));
        p.drawLine(16, 13, 20, 13);
        p.drawLine(16, 15, 20, 15);
        p.drawLine(16, 17, 19, 17);
    });
}

QPixmap logo() {
    return aufRot(QSize(64, 64), [](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.setBrush(Qt::white);
        p.drawRect(QRect(8, 4, 38, 50));
        p.setPen(QPen(QColor(150, 150, 150), 2));
        for (int y = 14; y <= 44; y += 6)
            p.drawLine(14, y, 40, y);
        p.setPen(QPen(QColor(30, 30, 30), 5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPoint(38, 36), 11, 11);
        p.drawLine(46, 44, 58, 56);
    });
}

QPixmap einstellungenSymbol() {
    return aufRot(QSize(24, 24), [](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 70, 70));
        QPainterPath rad;
        rad.addEllipse(QPointF(12, 12), 8, 8);
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(12, 12);
            p.rotate(i * 45);
            p.drawRect(QRectF(-2, -11, 4, 5));
            p.restore();
        }
        QPainterPath loch;
        loch.addEllipse(QPointF(12, 12), 3.5, 3.5);
        p.drawPath(rad.subtracted(loch));
    });
}

} // namespace Bilder
