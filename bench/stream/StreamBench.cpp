// The stream search and the document search over a generated 1 GiB database document
// (20,000 records, 5,000 of them with the search text), case-insensitive, against
// "grep -F -i -c" on the same file in the same run. Best of three runs each.

#include "bench/common/Benchdaten.h"
#include "datenbank/Programmordner.h"
#include "platform/Platform.h"
#include "search/Dokumentsuche.h"
#include "search/StreamSearch.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Laeufe = 3;
const QString Suchtext = QStringLiteral("Quittung");
const QString Fehlt = QStringLiteral("Zitronenfalter");

void zeile(const char* was, double ms, const QString& zusatz = {}) {
    std::printf("  %-36s %9.1f ms  %s\n", was, ms, qPrintable(zusatz));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString prog = tmp.filePath(QStringLiteral("prog"));
    const Benchdaten::Auftrag auftrag;
    const Benchdaten::Datenbank db = Benchdaten::erzeugen(prog, auftrag);
    DriveMap::global().setzeWurzel(QLatin1Char('T'), prog);
    const Programmordner ordner(QStringLiteral("T:\\"));
    const double mib = db.bytes / 1048576.0;
    std::printf("stream: %d Sätze, %.1f MiB, Suchtext \"%s\", ohne Groß/Klein, grep mit "
                "LANG=%s LC_ALL=%s\n",
                db.saetze, mib, qPrintable(Suchtext), qPrintable(qEnvironmentVariable("LANG")),
                qPrintable(qEnvironmentVariable("LC_ALL")));

    // One pass over the whole file: a text that occurs nowhere.
    const double leer = Benchdaten::beste(Laeufe, [&] {
        TStreamSearch search;
        search.setFileName(db.dokument);
        search.FindFirst(Fehlt, 0, 0, 0);
    });
    QList<qint64> treffer;
    const double text =
        Benchdaten::beste(Laeufe, [&] { treffer = Benchdaten::markenScan(db.dokument, Suchtext); });
    ProtokollNotifier notifier;
    int saetze = 0;
    const double dokumentsuche = Benchdaten::beste(Laeufe, [&] {
        TSuchfensterZustand f;
        f.TntEdit2 = Suchtext;
        f.Dateimarke = QStringLiteral("#T:\\");
        TDokumentsuche suche({ordner, notifier, Pump::still(), f});
        suche.setDatenbank(auftrag.name);
        suche.Ersatzlaufwerk = QStringLiteral("T");
        suche.SucheImUtf8Dokument(
            ordner.datenbank(auftrag.name + QStringLiteral("_UTF8Dokument.txt")));
        saetze = int(suche.TrefferListe.size());
    });

    const QString grep = Benchdaten::programm(QStringLiteral("grep"));
    const auto grepLeer =
        Benchdaten::besteVon(Laeufe, grep, {"-F", "-i", "-c", Fehlt, db.dokument});
    const auto grepText =
        Benchdaten::besteVon(Laeufe, grep, {"-F", "-i", "-c", Suchtext, db.dokument});
    // grep's fastest case: folding only A to Z, without the locale's multibyte rules.
    const auto grepC = Benchdaten::besteVon(Laeufe, grep, {"-F", "-i", "-c", Fehlt, db.dokument},
                                            {QStringLiteral("LC_ALL=C")});

    zeile("Stream-Suche, Text fehlt (1 Durchgang)", leer,
          QStringLiteral("%1 MiB/s").arg(mib * 1000 / leer, 0, 'f', 0));
    zeile("grep -F -i -c, Text fehlt", grepLeer.ms,
          QStringLiteral("%1 MiB/s").arg(mib * 1000 / grepLeer.ms, 0, 'f', 0));
    zeile("grep -F -i -c, Text fehlt, LC_ALL=C", grepC.ms,
          QStringLiteral("%1 MiB/s").arg(mib * 1000 / grepC.ms, 0, 'f', 0));
    zeile("Stream-Suche, Text und Dateimarke", text,
          QStringLiteral("%1 Treffer").arg(treffer.size()));
    zeile("Dokumentsuche (Datensätze)", dokumentsuche, QStringLiteral("%1 Datensätze").arg(saetze));
    zeile("grep -F -i -c, Text", grepText.ms,
          QStringLiteral("%1 Zeilen").arg(QString::fromLatin1(grepText.aus.trimmed())));
    std::printf("  Verhältnis Stream-Suche/grep (fehlt)  %s  (Ziel höchstens 1.50)\n",
                qPrintable(Benchdaten::verhaeltnis(leer, grepLeer.ms)));
    std::printf("  Verhältnis Stream-Suche/grep, LC_ALL=C %s\n",
                qPrintable(Benchdaten::verhaeltnis(leer, grepC.ms)));
    std::printf("  Verhältnis Stream-Suche/grep (Text)   %s\n",
                qPrintable(Benchdaten::verhaeltnis(text, grepText.ms)));
    std::printf("  Verhältnis Dokumentsuche/grep         %s  (Ziel höchstens 1.50)\n",
                qPrintable(Benchdaten::verhaeltnis(dokumentsuche, grepText.ms)));
    if (treffer.size() != auftrag.mitTreffer || saetze != auftrag.mitTreffer) {
        std::fprintf(stderr, "falsche Trefferzahl: %lld und %d statt %d\n",
                     static_cast<long long>(treffer.size()), saetze, auftrag.mitTreffer);
        return 1;
    }
    return 0;
}
