// "kelvora search" over a database of a generated 1 GiB document (20,000 records, 5,000 of
// them with the search text, so 200 result pages), against "grep -F -i -l" and
// "rg -F -i -c" on the same document in the same run. Best of three runs each.

#include "bench/common/Benchdaten.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Laeufe = 3;
const QString Suchtext = QStringLiteral("Quittung");

void zeile(const char* was, double ms, const QString& zusatz = {}) {
    std::printf("  %-30s %9.1f ms  %s\n", was, ms, qPrintable(zusatz));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString prog = tmp.filePath(QStringLiteral("prog"));
    const Benchdaten::Auftrag auftrag;
    const Benchdaten::Datenbank db = Benchdaten::erzeugen(prog, auftrag);
    // The command line reads its drive letters from its own settings, kept apart here.
    const QStringList umgebung = Benchdaten::kelvoraEinstellungen(
        tmp.filePath(QStringLiteral("konfig")), auftrag.laufwerk, prog);
    std::printf("cli: %d Sätze, %.1f MiB, Suchtext \"%s\", ohne Groß/Klein\n", db.saetze,
                db.bytes / 1048576.0, qPrintable(Suchtext));
    // Another build can be measured in its place.
    const QString cli = qEnvironmentVariableIsSet("KELVORA_CLI")
                            ? qEnvironmentVariable("KELVORA_CLI")
                            : QStringLiteral(KELVORA_CLI);
    const QStringList aufruf{QStringLiteral("--dir"), prog, QStringLiteral("search"), auftrag.name,
                             Suchtext};
    const auto kelvora = Benchdaten::besteVon(Laeufe, cli, aufruf, umgebung);
    const int trefferzeilen = int(kelvora.aus.count('\t'));
    const int seiten = int(QDir(prog + QStringLiteral("/Datenbank/Temp"))
                               .entryList({QStringLiteral("*.htm")}, QDir::Files)
                               .size());
    zeile("kelvora search", kelvora.ms,
          QStringLiteral("%1 Treffer, %2 Ergebnisseiten, Ausgang %3")
              .arg(trefferzeilen)
              .arg(seiten)
              .arg(kelvora.code));
    if (seiten > 0)
        std::printf("  %-30s %9.2f ms  (Anteil, wenn alles andere null kostete)\n",
                    "je Ergebnisseite höchstens", kelvora.ms / seiten);

    double grepMs = 0, rgMs = 0;
    const QString grep = Benchdaten::programm(QStringLiteral("grep"));
    if (!grep.isEmpty()) {
        const auto r =
            Benchdaten::besteVon(Laeufe, grep, {"-F", "-i", "-l", Suchtext, db.dokument});
        grepMs = r.ms;
        zeile("grep -F -i -l", r.ms, QStringLiteral("hält am ersten Treffer an"));
    }
    const QString rg = Benchdaten::programm(QStringLiteral("rg"));
    if (rg.isEmpty()) {
        std::printf(
            "  rg                             nicht installiert (Paket ripgrep), übersprungen\n");
    } else {
        const auto r = Benchdaten::besteVon(Laeufe, rg, {"-F", "-i", "-c", Suchtext, db.dokument});
        rgMs = r.ms;
        zeile("rg -F -i -c", r.ms,
              QStringLiteral("%1 Zeilen").arg(QString::fromLatin1(r.aus.trimmed())));
    }
    std::printf("  Verhältnis kelvora/grep -l       %s\n",
                qPrintable(Benchdaten::verhaeltnis(kelvora.ms, grepMs)));
    std::printf("  Verhältnis kelvora/rg -c         %s\n",
                qPrintable(Benchdaten::verhaeltnis(kelvora.ms, rgMs)));

    // Half of the PDFs with a hit gone since the indexing: each of their paths is looked up
    // in its folder of 20,000 names without regard to case, then reported as missing.
    int entfernt = 0;
    for (int i = 0; i < auftrag.saetze; i += 8)
        entfernt += QFile::remove(prog + QStringLiteral("/Akten/Akte_%1.pdf").arg(i));
    const auto ersterFehlend = Benchdaten::starte(cli, aufruf, umgebung);
    const auto fehlend = Benchdaten::besteVon(Laeufe, cli, aufruf, umgebung);
    const int existiertNicht = int(fehlend.aus.count("Existiert nicht! "));
    zeile("kelvora search, PDFs fehlen", fehlend.ms,
          QStringLiteral("%1 von %2 als \"Existiert nicht!\" (erster Lauf %3 ms)")
              .arg(existiertNicht)
              .arg(entfernt)
              .arg(ersterFehlend.ms, 0, 'f', 1));
    std::printf("  Verhältnis fehlend/vorhanden     %s\n",
                qPrintable(Benchdaten::verhaeltnis(fehlend.ms, kelvora.ms)));

    if (kelvora.code != 0 || trefferzeilen != auftrag.mitTreffer || existiertNicht != entfernt) {
        std::fprintf(stderr, "kelvora search: %d Treffer statt %d\n", trefferzeilen,
                     auftrag.mitTreffer);
        return 1;
    }
    return 0;
}
