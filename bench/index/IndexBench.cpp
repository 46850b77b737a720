// Indexing a few hundred PDFs against running the converter alone on the same files, and
// against recollindex on the same folder with a private configuration.

#include "bench/common/Benchdaten.h"
#include "index/Indexlauf.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

double sekunden(const QElapsedTimer& uhr) {
    return uhr.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString prog = tmp.filePath(QStringLiteral("prog"));
    const QStringList pdfs = Benchdaten::pdfsErzeugen(prog + QStringLiteral("/Akten"), true);
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
        "index: %lld PDFs (%d umgewandelt), Dokument %lld Bytes\n",
        static_cast<long long>(pdfs.size()), r.konvertiert,
        static_cast<long long>(QFileInfo(prog + "/Datenbank/Akten_UTF8Dokument.txt").size()));
    std::printf("  kelvora index          %8.2f s  (%.1f ms je PDF)\n", kelvora,
                1000 * kelvora / pdfs.size());
    std::printf("  pdftotext allein       %8.2f s\n", nurKonverter);
    std::printf("  Verhältnis index/pdftotext %6.2f\n", kelvora / nurKonverter);

    const QString recoll = Benchdaten::programm(QStringLiteral("recollindex"));
    if (recoll.isEmpty()) {
        std::printf("  recollindex nicht installiert (Paket recoll): Vergleich übersprungen\n");
        return 0;
    }
    // A private configuration folder, so that the user's own index stays untouched.
    const QString konfig = tmp.filePath(QStringLiteral("recoll"));
    QDir().mkpath(konfig);
    QFile conf(konfig + QStringLiteral("/recoll.conf"));
    if (!conf.open(QIODevice::WriteOnly))
        return 1;
    conf.write("topdirs = " + QFile::encodeName(prog + QStringLiteral("/Akten")) + "\n");
    conf.close();
    const auto rec =
        Benchdaten::starte(recoll, {QStringLiteral("-c"), konfig, QStringLiteral("-z")});
    // What recoll found proves that it indexed the PDFs and did not just give up.
    int gefunden = -1;
    const QString recollq = Benchdaten::programm(QStringLiteral("recollq"));
    if (!recollq.isEmpty()) {
        const auto q =
            Benchdaten::starte(recollq, {QStringLiteral("-c"), konfig, QStringLiteral("-b"),
                                         QStringLiteral("Mahnung")});
        gefunden = int(q.aus.count("file://"));
    }
    std::printf("  recollindex -c DIR -z  %8.2f s  (Exit %d, recollq findet \"Mahnung\" in %d "
                "Dateien)\n",
                rec.ms / 1000, rec.code, gefunden);
    std::printf("  Verhältnis index/recollindex %4s\n",
                qPrintable(Benchdaten::verhaeltnis(kelvora * 1000, rec.ms)));
    return 0;
}
