// The cost per file of "kelvora index" as collections grow: 10,000 and 100,000 files with a
// stand-in converter (one short line per file), so that what is measured is the run around
// the converter. Peer: the stand-in alone over the same files with "xargs -P<cores>". The
// cost per file at the largest size must stay within 1.1 of that at the smallest.
//
// KELVORA_BENCH_MASSE lists the sizes, default "10000,100000".

#include "bench/common/Benchdaten.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

struct Messung {
    int dateien = 0;
    double kelvora = 0; // seconds
    double xargs = 0;
    int code = -1;
};

Messung messen(int dateien, int kerne) {
    Messung m;
    m.dateien = dateien;
    QTemporaryDir tmp;
    const QString prog = tmp.filePath(QStringLiteral("prog"));
    QStringList pfade;
    pfade.reserve(dateien);
    // A thousand files per folder, as a real collection spreads them.
    for (int i = 0; i < dateien; ++i) {
        const QString ordner =
            prog + QStringLiteral("/Akten/Teil_%1").arg(i / 1000, 3, 10, QLatin1Char('0'));
        if (i % 1000 == 0)
            QDir().mkpath(ordner);
        pfade << ordner + QStringLiteral("/D_%1.pdf").arg(i, 6, 10, QLatin1Char('0'));
        QFile(pfade.last()).open(QIODevice::WriteOnly);
    }
    Benchdaten::hauptlisteSchreiben(prog, QLatin1Char('T'), pfade);
    QFile::copy(QStringLiteral(ERSATZKONVERTER), prog + QStringLiteral("/pdftotext"));
    QFile(prog + QStringLiteral("/pdftotext"))
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString konfig = tmp.filePath(QStringLiteral("konfig"));
    const QStringList umgebung = Benchdaten::kelvoraEinstellungen(
        konfig, QLatin1Char('T'), prog,
        {{QStringLiteral("Konverter_Prozesse"), QString::number(kerne)}});
    const QString cli = qEnvironmentVariableIsSet("KELVORA_CLI")
                            ? qEnvironmentVariable("KELVORA_CLI")
                            : QStringLiteral(KELVORA_CLI);
    const auto k = Benchdaten::starte(cli,
                                      {QStringLiteral("--dir"), prog, QStringLiteral("index"),
                                       QStringLiteral("Masse"), QStringLiteral("T:\\Akten")},
                                      umgebung);
    m.kelvora = k.ms / 1000;
    m.code = k.code;
    const auto x = Benchdaten::starte(
        QStringLiteral("sh"),
        {QStringLiteral("-c"),
         QStringLiteral("cd '%1' && find . -name '*.pdf' | xargs -P%2 -I{} '%3' -layout -enc UTF-8 "
                        "{} {}.txt && find . -name '*.pdf.txt' -delete")
             .arg(prog + QStringLiteral("/Akten"))
             .arg(kerne)
             .arg(QStringLiteral(ERSATZKONVERTER))});
    m.xargs = x.ms / 1000;
    return m;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int kerne = std::max(1, QThread::idealThreadCount());
    QList<int> groessen;
    for (const QString& g :
         qEnvironmentVariable("KELVORA_BENCH_MASSE", QStringLiteral("10000,100000")).split(','))
        groessen << g.toInt();
    std::printf("indexmasse: Ersatzkonverter, %d Kerne\n", kerne);
    QList<Messung> messungen;
    for (int n : groessen) {
        const Messung m = messen(n, kerne);
        messungen << m;
        std::printf("  %7d Dateien: kelvora index %8.2f s (%.3f ms je Datei, Ausgang %d), "
                    "xargs -P%d %8.2f s (%.3f ms je Datei)\n",
                    n, m.kelvora, 1000 * m.kelvora / n, m.code, kerne, m.xargs, 1000 * m.xargs / n);
    }
    if (messungen.size() >= 2) {
        const Messung& a = messungen.first();
        const Messung& b = messungen.last();
        std::printf(
            "  je Datei bei %d gegenüber %d: %s (Ziel <= 1.10); xargs: %s\n", b.dateien, a.dateien,
            qPrintable(Benchdaten::verhaeltnis(b.kelvora / b.dateien, a.kelvora / a.dateien)),
            qPrintable(Benchdaten::verhaeltnis(b.xargs / b.dateien, a.xargs / a.dateien)));
    }
    return 0;
}
