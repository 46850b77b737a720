// What text recognition costs a collection without scans: "kelvora index" with recognition
// on against the same run with "--ohne-texterkennung", each a first index of the same PDFs
// (the database is deleted before every run). The two alternate; the best of each counts,
// in wall time and in processor time of kelvora and its converters. Target: at most 2 %.
//
// KELVORA_BENCH_TEXTPDFS: number of PDFs, four text pages each (default 300);
// KELVORA_BENCH_RUNDEN: rounds of one run each (default 5).

#include "bench/common/Benchdaten.h"
#include "index/Texterkennung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

int zahl(const char* name, int vorgabe) {
    return qEnvironmentVariableIsSet(name) ? std::max(1, qEnvironmentVariableIntValue(name))
                                           : vorgabe;
}

struct Bestwert {
    double ms = 1e18;
    double cpu = 1e18;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int anzahl = zahl("KELVORA_BENCH_TEXTPDFS", 300);
    const int runden = zahl("KELVORA_BENCH_RUNDEN", 5);
    const int kerne = std::max(1, QThread::idealThreadCount());
    const Texterkennung::Pruefung pruefung = Texterkennung().pruefen();
    if (!pruefung.verfuegbar) {
        std::printf("texterkennung_textpdfs: %s\n", qPrintable(pruefung.meldung));
        return 1;
    }

    QTemporaryDir tmp;
    const QString prog = tmp.filePath(QStringLiteral("prog"));
    const QString akten = prog + QStringLiteral("/Akten");
    const QStringList vorlagen = Benchdaten::pdfsErzeugen(akten, false);
    QStringList pdfs = vorlagen.mid(0, anzahl);
    // More than the generated ones: copies under names of their own.
    for (int i = int(vorlagen.size()); i < anzahl; ++i) {
        const QString kopie = akten + QStringLiteral("/Kopie_%1.pdf").arg(i);
        if (!QFile::copy(vorlagen.at(i % vorlagen.size()), kopie))
            return 1;
        pdfs << kopie;
    }
    for (const QString& p : vorlagen.mid(anzahl))
        QFile::remove(p);
    pdfs.sort();
    Benchdaten::hauptlisteSchreiben(prog, QLatin1Char('T'), pdfs);
    const QString konfig = tmp.filePath(QStringLiteral("konfig"));
    const QStringList umgebung = Benchdaten::kelvoraEinstellungen(
        konfig, QLatin1Char('T'), prog,
        {{QStringLiteral("Konverter_Prozesse"), QString::number(kerne)},
         {QStringLiteral("Texterkennung"), QStringLiteral("1")}});
    const QString cli = qEnvironmentVariableIsSet("KELVORA_CLI")
                            ? qEnvironmentVariable("KELVORA_CLI")
                            : QStringLiteral(KELVORA_CLI);
    const QString dokumentPfad = prog + QStringLiteral("/Datenbank/Akten_UTF8Dokument.txt");
    const auto lesen = [](const QString& pfad) {
        QFile f(pfad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };

    Bestwert aus, an;
    QByteArray dokumentAus, dokumentAn;
    bool ok = true;
    const auto lauf = [&](bool mitErkennung) {
        Benchdaten::starte(cli,
                           {QStringLiteral("--dir"), prog, QStringLiteral("delete"),
                            QStringLiteral("Akten"), QStringLiteral("--ja")},
                           umgebung);
        QStringList argumente{QStringLiteral("--dir"), prog, QStringLiteral("index"),
                              QStringLiteral("Akten"), QStringLiteral("T:\\Akten")};
        if (!mitErkennung)
            argumente << QStringLiteral("--ohne-texterkennung");
        const double vorher = Benchdaten::kinderCpu();
        const Benchdaten::Prozess p = Benchdaten::starte(cli, argumente, umgebung);
        const double cpu = Benchdaten::kinderCpu() - vorher;
        ok = ok && p.code == 0;
        Bestwert& b = mitErkennung ? an : aus;
        b.ms = std::min(b.ms, p.ms);
        b.cpu = std::min(b.cpu, cpu);
        (mitErkennung ? dokumentAn : dokumentAus) = lesen(dokumentPfad);
    };
    // Alternating, and in turn starting with either, so that a busy moment of the machine
    // does not fall on one side only.
    for (int r = 0; r < runden; ++r) {
        lauf(r % 2 == 1);
        lauf(r % 2 == 0);
    }
    if (!ok || dokumentAus.isEmpty()) {
        std::fprintf(stderr, "Indizierung gescheitert\n");
        return 1;
    }

    std::printf("texterkennung_textpdfs: %d PDFs ohne Scans (je 4 Textseiten), %d Kerne, beste "
                "von %d Läufen je Art, Dokument %lld Bytes\n",
                anzahl, kerne, runden, static_cast<long long>(dokumentAus.size()));
    std::printf("                                        Zeit        CPU\n");
    std::printf("  index --ohne-texterkennung       %8.2f s %8.2f s\n", aus.ms / 1000, aus.cpu);
    std::printf("  index mit Texterkennung          %8.2f s %8.2f s\n", an.ms / 1000, an.cpu);
    std::printf("  Verhältnis mit/ohne: Zeit %s, CPU %s (Ziel <= 1.02)%s\n",
                qPrintable(Benchdaten::verhaeltnis(an.ms, aus.ms)),
                qPrintable(Benchdaten::verhaeltnis(an.cpu, aus.cpu)),
                dokumentAn == dokumentAus ? "" : "  DOKUMENTE VERSCHIEDEN");
    return dokumentAn == dokumentAus ? 0 : 1;
}
