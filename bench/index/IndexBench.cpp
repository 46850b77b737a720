// Indexing a few hundred PDFs against running the converter alone on the same files, and
// against recollindex on the same folder with a private configuration.

#include "index/Indexlauf.h"
#include "platform/Platform.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QStringList pdfsErzeugen(const QString& ordner) {
    const QStringList woerter{"Rechnung", "Bär",     "Vertrag", "Übersicht", "Kündigung",
                              "Angebot",  "Mahnung", "Straße",  "Größe",     "Bestellung"};
    QDir().mkpath(ordner);
    for (int i = 0; i < 300; ++i) {
        QStringList seiten;
        for (int s = 0; s < 4; ++s) {
            QString text;
            for (int z = 0; z < 40; ++z)
                text += QStringLiteral("Zeile %1 %2 %3 Nummer %4\n")
                            .arg(z)
                            .arg(woerter[(i + z) % 10], woerter[(s + z * 3) % 10])
                            .arg(i * 1000 + z);
            seiten << text;
        }
        PdfSchreiber::schreiben(ordner + QStringLiteral("/Akte_%1.pdf").arg(i), seiten);
    }
    // PDFs of the installed documentation, where there are any.
    QDirIterator it(QStringLiteral("/usr/share/doc"), {QStringLiteral("*.pdf")}, QDir::Files,
                    QDirIterator::Subdirectories);
    int n = 0;
    while (it.hasNext() && n < 50)
        QFile::copy(it.next(), ordner + QStringLiteral("/doc_%1.pdf").arg(n++));
    QStringList alle;
    for (const QFileInfo& f : QDir(ordner).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
        alle << f.absoluteFilePath();
    return alle;
}

double sekunden(const QElapsedTimer& uhr) {
    return uhr.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString prog = tmp.filePath(QStringLiteral("prog"));
    const QStringList pdfs = pdfsErzeugen(prog + QStringLiteral("/Akten"));
    DriveMap::global().setzeWurzel(QLatin1Char('T'), prog);
    const Programmordner ordner(QStringLiteral("T:\\"));
    ProtokollNotifier notifier;
    ordner.ordnerAnlegen(notifier);
    QByteArray liste;
    for (const QString& p : pdfs)
        liste += DriveMap::global().windows(p).toUtf8() + "\r\n";
    Files::schreiben(ordner.datenbank(QStringLiteral("Haupt_Dateinamen_Liste_Laufwerk_T.txt")),
                     liste);

    QElapsedTimer uhr;
    uhr.start();
    Indexlauf lauf(ordner, notifier, Pump::still());
    Indexlauf::Auftrag auftrag;
    auftrag.name = QStringLiteral("Akten");
    auftrag.ordner = QStringLiteral("T:\\Akten");
    const Indexlauf::Ergebnis r = lauf.ausfuehren(auftrag);
    const double kelvora = sekunden(uhr);
    if (!r.ok) {
        std::fprintf(stderr, "Indizierung gescheitert: %s\n",
                     qPrintable(notifier.texte().join(QLatin1Char('|'))));
        return 1;
    }

    uhr.restart();
    const QString aus = tmp.filePath(QStringLiteral("aus.txt"));
    for (const QString& p : pdfs)
        QProcess::execute(
            QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), p, aus});
    const double nurKonverter = sekunden(uhr);

    std::printf(
        "index: %lld PDFs (%d converted), document %lld bytes\n",
        static_cast<long long>(pdfs.size()), r.konvertiert,
        static_cast<long long>(QFileInfo(prog + "/Datenbank/Akten_UTF8Dokument.txt").size()));
    std::printf("  kelvora index        %8.2f s  (%.1f ms per PDF)\n", kelvora,
                1000 * kelvora / pdfs.size());
    std::printf("  pdftotext alone      %8.2f s\n", nurKonverter);
    std::printf("  ratio index/pdftotext %7.2f\n", kelvora / nurKonverter);

    const QString recoll = QStandardPaths::findExecutable(QStringLiteral("recollindex"));
    if (recoll.isEmpty()) {
        std::printf("  recollindex          not installed\n");
        return 0;
    }
    const QString konfig = tmp.filePath(QStringLiteral("recoll"));
    QDir().mkpath(konfig);
    QFile conf(konfig + QStringLiteral("/recoll.conf"));
    conf.open(QIODevice::WriteOnly);
    conf.write("topdirs = " + QFile::encodeName(prog + QStringLiteral("/Akten")) + "\n");
    conf.close();
    uhr.restart();
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(recoll, {QStringLiteral("-c"), konfig, QStringLiteral("-z")});
    p.waitForFinished(-1);
    const double rec = sekunden(uhr);
    std::printf("  recollindex          %8.2f s\n", rec);
    std::printf("  ratio index/recoll   %8.2f\n", kelvora / rec);
    return 0;
}
