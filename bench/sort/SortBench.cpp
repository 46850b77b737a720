// The sorted word list of a generated database document with 1,000,000 distinct words, each
// met three times in different spellings, against "sort -f -u" over the same words (one per
// line) in the same run. Prints time and peak memory of both.

#include "index/SortierteListen.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

constexpr int Woerter = 1'000'000;

// Distinct syllables, none the beginning of another even as UTF-8 bytes, so that every
// number gives its own word.
const char* const silben[] = {"ka", "le", "mi", "no", "ru", "sa", "te", "vi", "wo", "zu",
                              "be", "da", "fe", "gi", "ho", "ju", "pa", "re", "sü", "tä"};

QByteArray wort(int i, int schreibung) {
    QByteArray w;
    for (unsigned n = static_cast<unsigned>(i) + 20; n > 0; n /= 20)
        w += silben[n % 20];
    if (schreibung == 1)
        w[0] = static_cast<char>(w[0] - 32);
    else if (schreibung == 2)
        w = w.toUpper();
    return w;
}

// The document: one record, then the words in three rounds and orders, twelve a line.
qint64 erzeugen(const QString& dokument, const QString& wortliste, const QString& pdf) {
    QFile d(dokument), l(wortliste);
    d.open(QIODevice::WriteOnly);
    l.open(QIODevice::WriteOnly);
    d.write(" \r\n \r\n \r\n#B:\\Akten\\a.pdf\r\n=======\r\n");
    QByteArray zeile, liste;
    for (int runde = 0; runde < 3; ++runde) {
        for (int k = 0; k < Woerter; ++k) {
            const int i = runde == 0   ? k
                          : runde == 1 ? static_cast<int>((k * 7919LL) % Woerter)
                                       : Woerter - 1 - k;
            const QByteArray w = wort(i, runde);
            zeile += w;
            liste += w + '\n';
            if (k % 12 == 11) {
                d.write(zeile + "\r\n");
                zeile.clear();
            } else
                zeile += ' ';
        }
        d.write(zeile + "\r\n");
        zeile.clear();
        l.write(liste);
        liste.clear();
    }
    QFile p(pdf);
    p.open(QIODevice::WriteOnly);
    return d.size();
}

double megabyte(long kilobyte) {
    return kilobyte / 1024.0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir tmp;
    const QString basis = tmp.filePath(QStringLiteral("prog"));
    QDir().mkpath(basis + QStringLiteral("/Datenbank/Temp"));
    QDir().mkpath(basis + QStringLiteral("/Akten"));
    DriveMap::global().setzeWurzel(QLatin1Char('B'), basis);
    QFile dat(basis + QStringLiteral("/Datenbank/Bench.dat"));
    dat.open(QIODevice::WriteOnly);
    dat.write("PFAD_UND_ENDUNGEN= B:\\Akten *.pdf    \r\nB:\\Akten\\a.pdf\r\n");
    dat.close();
    const QString woerter = tmp.filePath(QStringLiteral("woerter.txt"));
    const qint64 groesse = erzeugen(basis + QStringLiteral("/Datenbank/Bench_UTF8Dokument.txt"),
                                    woerter, basis + QStringLiteral("/Akten/a.pdf"));

    // The peer first: a child's peak counts the parent's memory at the fork.
    QProcess sort;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    sort.setProcessEnvironment(umgebung);
    sort.setStandardOutputFile(tmp.filePath(QStringLiteral("sortiert.txt")));
    QElapsedTimer uhr;
    uhr.start();
    sort.start(QStringLiteral("sort"), {QStringLiteral("-f"), QStringLiteral("-u"), woerter});
    sort.waitForFinished(-1);
    const double peer = uhr.nsecsElapsed() / 1e6;
    if (sort.exitStatus() != QProcess::NormalExit || sort.exitCode() != 0) {
        std::fprintf(stderr, "sort ist mit %d beendet worden\n", sort.exitCode());
        return 1;
    }
    rusage kinder{};
    getrusage(RUSAGE_CHILDREN, &kinder);
    QFile sortiert(tmp.filePath(QStringLiteral("sortiert.txt")));
    sortiert.open(QIODevice::ReadOnly);
    const qsizetype peerZeilen = sortiert.readAll().count('\n');

    rusage vorher{};
    getrusage(RUSAGE_SELF, &vorher);
    ProtokollNotifier notifier;
    SortierteListen listen(Programmordner(QStringLiteral("B:\\")), notifier, Pump::still());
    uhr.restart();
    const QStringList geschrieben = listen.SortierteListenErstellen(QStringLiteral("Bench"));
    const double kelvora = uhr.nsecsElapsed() / 1e6;
    rusage selbst{};
    getrusage(RUSAGE_SELF, &selbst);
    if (geschrieben.size() != 1) {
        std::fprintf(stderr, "keine Liste geschrieben\n");
        return 1;
    }
    QFile liste(Files::nativ(geschrieben.first()));
    liste.open(QIODevice::ReadOnly);
    const qsizetype zeilen = liste.readAll().count('\n');

    std::printf("sort: %d distinct words, 3 spellings each, document %.1f MB\n", Woerter,
                groesse / 1e6);
    std::printf("  word list (Utf8)      %8.1f ms  peak %7.1f MB (%.1f MB before)  %lld lines\n",
                kelvora, megabyte(selbst.ru_maxrss), megabyte(vorher.ru_maxrss),
                static_cast<long long>(zeilen));
    std::printf("  sort -f -u            %8.1f ms  peak %7.1f MB  %lld lines\n", peer,
                megabyte(kinder.ru_maxrss), static_cast<long long>(peerZeilen));
    std::printf("  ratio time list/sort  %8.2f\n", kelvora / peer);
    std::printf("  ratio peak list/sort  %8.2f\n",
                static_cast<double>(selbst.ru_maxrss) / kinder.ru_maxrss);
    return 0;
}
