// Draws the program's symbol for the desktop at build time: a page of text under a
// magnifying glass on the program's orange, one PNG per size of the freedesktop icon
// theme, as ZIELORDNER/<n>x<n>/apps/kelvora-pdf.png.
// Usage: Programmsymbol ZIELORDNER

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

constexpr int Groessen[] = {16, 24, 32, 48, 64, 128, 256};

// Drawn on a 128 by 128 grid and scaled to the size.
QImage malen(int groesse) {
    QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(groesse / 128.0, groesse / 128.0);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x90, 0x00));
    p.drawRoundedRect(QRectF(4, 4, 120, 120), 20, 20);

    QPainterPath seite;
    seite.moveTo(26, 14);
    seite.lineTo(76, 14);
    seite.lineTo(96, 34);
    seite.lineTo(96, 112);
    seite.lineTo(26, 112);
    seite.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(seite);
    QPainterPath ecke;
    ecke.moveTo(76, 14);
    ecke.lineTo(76, 34);
    ecke.lineTo(96, 34);
    p.setBrush(QColor(230, 230, 230));
    p.drawPath(ecke);

    p.setPen(QPen(QColor(150, 150, 150), 4, Qt::SolidLine, Qt::RoundCap));
    const int zeilen[][2] = {{46, 84}, {58, 84}, {70, 62}, {82, 56}, {94, 58}};
    for (const auto& z : zeilen)
        p.drawLine(QPointF(36, z[0]), QPointF(z[1], z[0]));

    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(16);
    schrift.setBold(true);
    p.setFont(schrift);
    p.setPen(QColor(200, 30, 30));
    p.drawText(QPointF(36, 36), QStringLiteral("PDF"));

    p.setPen(QPen(QColor(30, 30, 30), 8));
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(82, 84), 20, 20);
    p.setPen(QPen(QColor(30, 30, 30), 11, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(97, 99), QPointF(116, 118));
    return bild;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: Programmsymbol ZIELORDNER\n");
        return 2;
    }
    const QDir ziel(QString::fromLocal8Bit(argv[1]));
    for (const int g : Groessen) {
        const QString ordner = QStringLiteral("%1x%1/apps").arg(g);
        const QString datei = ziel.filePath(ordner + QStringLiteral("/kelvora-pdf.png"));
        if (!ziel.mkpath(ordner) || !malen(g).save(datei, "PNG")) {
            std::fprintf(stderr, "Nicht schreibbar: %s\n", qPrintable(datei));
            return 1;
        }
    }
    return 0;
}
