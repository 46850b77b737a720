// Draws the browser pictures of the settings dialog at build time: a coloured disc with the
// browser's name below, one JPEG per browser, and the empty picture for browsers not found.
// Usage: Browserbilder ZIELORDNER

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

constexpr int Breite = 56;
constexpr int Hoehe = 56;

struct Bild {
    const char* datei;
    const char* name;
    QColor farbe;
};

QImage malen(const Bild& b) {
    QImage bild(Breite, Hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(b.farbe.darker(150), 2));
    p.setBrush(b.farbe);
    p.drawEllipse(QRectF(12, 3, 32, 32));
    // Meridian and equator: a globe, the usual sign of a web browser.
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(21, 4, 14, 30));
    p.drawLine(QPointF(13, 19), QPointF(43, 19));
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPixelSize(11);
    schrift.setBold(true);
    p.setFont(schrift);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 37, Breite, 18), Qt::AlignCenter, QString::fromLatin1(b.name));
    return bild;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: Browserbilder ZIELORDNER\n");
        return 2;
    }
    const QDir ziel(QString::fromLocal8Bit(argv[1]));
    if (!ziel.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "Ordner nicht anlegbar: %s\n", argv[1]);
        return 1;
    }
    const Bild bilder[] = {
        {"standard.jpg", "Standard", QColor(90, 90, 90)},
        {"ie.jpg", "IE", QColor(30, 110, 200)},
        {"edge.jpg", "Edge", QColor(20, 150, 140)},
        {"chrome.jpg", "Chrome", QColor(220, 60, 50)},
        {"opera.jpg", "Opera", QColor(200, 20, 40)},
        {"safari.jpg", "Safari", QColor(40, 140, 230)},
        {"firefox.jpg", "Firefox", QColor(240, 120, 20)},
    };
    for (const Bild& b : bilder)
        if (!malen(b).save(ziel.filePath(QString::fromLatin1(b.datei)), "JPG", 90)) {
            std::fprintf(stderr, "Nicht geschrieben: %s\n", b.datei);
            return 1;
        }
    QImage leer(Breite, Hoehe, QImage::Format_RGB32);
    leer.fill(QColor(235, 235, 235));
    if (!leer.save(ziel.filePath(QStringLiteral("leer.jpg")), "JPG", 90)) {
        std::fprintf(stderr, "Nicht geschrieben: leer.jpg\n");
        return 1;
    }
    return 0;
}
