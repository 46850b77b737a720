// Opening a 2 GiB file in the viewer and showing its last page (Open + ScrollToEnd + one
// paint) against "tail -c 65536 FILE > /dev/null" on the same file: best of five each.
// Without an argument the file is sparse with 64 KiB of text lines at its end; with
// "--echt" it is 2 GiB of real text lines; a path as argument uses that file.

#include "platform/Notifier.h"
#include "viewer/TextViewer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace {

constexpr qint64 Groesse = qint64(2) << 30;

// Whole lines, at least the given number of bytes.
QByteArray textzeilen(qint64 bytes, qint64 ab) {
    QByteArray out;
    out.reserve(bytes + 128);
    for (qint64 i = ab; out.size() < bytes; ++i)
        out += "Zeile " + QByteArray::number(i) +
               " Kelvora-PDF durchsucht Sammlungen von PDF-Dateien, Grüße.\r\n";
    return out;
}

bool erzeuge(const QString& pfad, bool echt) {
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (echt) {
        constexpr qint64 Stueck = 8 << 20;
        for (qint64 zeile = 0; f.size() < Groesse; zeile += Stueck / 60)
            if (f.write(textzeilen(std::min(Stueck, Groesse - f.size()), zeile)) < 0)
                return false;
        return true;
    }
    const QByteArray ende = textzeilen(65536, 0);
    return f.resize(Groesse) && f.seek(Groesse - ende.size()) && f.write(ende) == ende.size();
}

double tail(const QString& pfad) {
    double beste = 1e18;
    for (int i = 0; i < 5; ++i) {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer uhr;
        uhr.start();
        p.start(QStringLiteral("tail"), {QStringLiteral("-c"), QStringLiteral("65536"), pfad});
        p.waitForFinished(-1);
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return -1;
        beste = std::min(beste, uhr.nsecsElapsed() / 1e6);
    }
    return beste;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString argument = app.arguments().value(1);
    QTemporaryDir tmp;
    QString pfad = argument;
    if (argument.isEmpty() || argument == QStringLiteral("--echt")) {
        pfad = tmp.filePath(QStringLiteral("gross.txt"));
        if (!erzeuge(pfad, !argument.isEmpty())) {
            std::fprintf(stderr, "Datei %s nicht erzeugt\n", qPrintable(pfad));
            return 1;
        }
    }

    ProtokollNotifier notifier;
    double beste = 1e18;
    QString letzteZeile;
    qint64 position = 0;
    for (int i = 0; i < 5; ++i) {
        TTextViewer viewer(notifier);
        viewer.resize(1000, 700);
        viewer.show();
        while (!viewer.windowHandle() || !viewer.windowHandle()->isExposed())
            app.processEvents();
        viewer.Suchfenster.zeileGezeichnet = [&](const QString& z) { letzteZeile = z; };
        QElapsedTimer uhr;
        uhr.start();
        if (!viewer.Open(pfad))
            break;
        viewer.ScrollToEnd();
        viewer.viewport()->repaint();
        beste = std::min(beste, uhr.nsecsElapsed() / 1e6);
        position = viewer.Position();
    }
    if (!notifier.meldungen().empty()) {
        std::fprintf(stderr, "%s\n", qPrintable(notifier.texte().join('\n')));
        return 1;
    }
    const double peer = tail(pfad);
    if (peer < 0) {
        std::fprintf(stderr, "tail ist gescheitert\n");
        return 1;
    }
    std::printf("viewer: %s (%lld bytes%s)\n", qPrintable(pfad),
                static_cast<long long>(QFile(pfad).size()), argument.isEmpty() ? ", sparse" : "");
    std::printf("  last page from %lld, last line \"%s\"\n", static_cast<long long>(position),
                qPrintable(letzteZeile));
    std::printf("  Open+ScrollToEnd+paint %8.2f ms  (target well under 100 ms)\n", beste);
    std::printf("  tail -c 65536          %8.2f ms\n", peer);
    std::printf("  ratio viewer/tail      %8.2f\n", beste / peer);
    return 0;
}
