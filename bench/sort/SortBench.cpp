// Peak memory and time of the real "kelvora sort" over a generated database document of
// prose-like text, against "sort -f -u" of coreutils over the same document in the same run.
// Each program runs as a child; its peak comes from wait4.
//
// KELVORA_SORT_MB      size of the document in MB (default 100; 1200 for the full measurement)
// KELVORA_SORT_MODUS   woerter, saetze or beide (default beide)
// KELVORA_CLI          the kelvora measured (default: the one of this build)
// KELVORA_SORT_ALT     another kelvora measured in the same run, such as an older build; its
//                      lists are compared byte for byte with the first one's
// KELVORA_SORT_ORDNER  where the document and the lists go (default: the system's temp)

#include "bench/common/Benchdaten.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <vector>

extern char** environ;

namespace {

// Words of ordinary letters and forms, the most frequent first.
const char* const haeufig[] = {
    "der",       "die",       "und",          "in",        "den",        "von",       "zu",
    "das",       "mit",       "sich",         "des",       "auf",        "für",       "ist",
    "im",        "dem",       "nicht",        "ein",       "eine",       "als",       "auch",
    "es",        "an",        "werden",       "aus",       "er",         "hat",       "dass",
    "sie",       "nach",      "wird",         "bei",       "einer",      "um",        "am",
    "sind",      "noch",      "wie",          "einem",     "über",       "einen",     "so",
    "zum",       "war",       "haben",        "nur",       "oder",       "aber",      "vor",
    "zur",       "bis",       "mehr",         "durch",     "man",        "sein",      "wurde",
    "Vertrag",   "Kündigung", "Frist",        "Zahlung",   "gemäß",      "Anlage",    "Vermieter",
    "Straße",    "Größe",     "Betrag",       "Euro",      "Monat",      "Jahr",      "Mieter",
    "Rechnung",  "Angebot",   "Bestellung",   "Übersicht", "Änderung",   "Prüfung",   "Gebühr",
    "Schreiben", "Antrag",    "Bescheid",     "Frau",      "Herr",       "Datum",     "Seite",
    "Nummer",    "Absatz",    "Vereinbarung", "Leistung",  "Kosten",     "Zeitraum",  "Höhe",
    "Grundlage", "Verfahren", "Ergebnis",     "Hinweis",   "Mitteilung", "Unterlagen"};

// Syllables of the rarer words, some with umlauts.
const char* const silben[] = {"ber", "ge",   "lich", "keit", "ung", "ver", "an",  "schaft",
                              "sta", "mer",  "tor",  "in",   "wal", "dor", "kün", "grö",
                              "ßen", "heit", "ner",  "be",   "zu",  "fü",  "ab",  "ent",
                              "lä",  "ro",   "mi",   "sa",   "te",  "kon", "pro", "ma",
                              "ri",  "ta",   "na",   "lo",   "ök",  "ül",  "ra",  "de"};

// A small linear congruential generator, so every run writes the same document.
class Wuerfel {
public:
    uint32_t zahl(uint32_t grenze) {
        zustand_ = zustand_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<uint32_t>(zustand_ >> 33) % grenze;
    }
    double bruch() { return zahl(1u << 30) / double(1u << 30); }

private:
    uint64_t zustand_ = 77;
};

// Prose as a converter gives it: sentences of Zipf-distributed words with commas, wrapped
// at about 75 characters, paragraphs, indented lines, tables of amounts and dates.
class Prosa {
public:
    static constexpr int Woerter = 300'000;

    Prosa() {
        Wuerfel w;
        // One pool for all words keeps the random picks close together in memory.
        for (const char* h : haeufig)
            neu(h);
        while (anfaenge_.size() < Woerter) {
            QByteArray wort;
            for (uint32_t n = 2 + w.zahl(3); n > 0; --n)
                wort += silben[w.zahl(std::size(silben))];
            if (w.zahl(3) == 0)
                wort[0] = static_cast<char>(QChar::toUpper(char32_t(uchar(wort[0]))));
            neu(wort);
        }
        anfaenge_.push_back(static_cast<uint32_t>(vorrat_.size()));
    }

    // Roughly a 1/rank distribution over the vocabulary.
    QByteArrayView wort() {
        const double r = std::pow(double(Woerter) + 1, w_.bruch()) - 1;
        const size_t i = std::min<size_t>(size_t(r), Woerter - 1);
        return QByteArrayView(vorrat_).sliced(anfaenge_[i], anfaenge_[i + 1] - anfaenge_[i]);
    }

    // Appends lines up to the given size.
    void zeilen(QByteArray& aus, qint64 bytes) {
        const qint64 ende = aus.size() + bytes;
        QByteArray zeile;
        bool satzanfang = true;
        while (aus.size() < ende) {
            const uint32_t art = w_.zahl(100);
            if (art < 4) {
                aus += "\r\n";
                continue;
            }
            if (art < 8) {
                zeile = "    " + wort().toByteArray() + QByteArray(4 + w_.zahl(20), ' ') +
                        QByteArray::number(w_.zahl(100000)) + ',' +
                        QByteArray::number(10 + w_.zahl(90)) + " EUR    " +
                        QByteArray::number(1 + w_.zahl(28)) + '.' +
                        QByteArray::number(1 + w_.zahl(12)) + ".20" +
                        QByteArray::number(10 + w_.zahl(15));
                aus += zeile + "\r\n";
                continue;
            }
            zeile = art < 15 ? QByteArray(2 + w_.zahl(10), ' ') : QByteArray();
            while (zeile.size() < 75) {
                const qsizetype anfang = zeile.size();
                zeile += wort();
                if (satzanfang)
                    zeile[anfang] =
                        static_cast<char>(QChar::toUpper(char32_t(uchar(zeile[anfang]))));
                satzanfang = false;
                const uint32_t zeichen = w_.zahl(100);
                if (zeichen < 8)
                    zeile += ',';
                else if (zeichen < 16) {
                    zeile += zeichen < 15 ? '.' : ':';
                    satzanfang = true;
                }
                zeile += ' ';
            }
            zeile.chop(1);
            aus += zeile + "\r\n";
        }
    }

private:
    void neu(const QByteArray& wort) {
        anfaenge_.push_back(static_cast<uint32_t>(vorrat_.size()));
        vorrat_ += wort;
    }

    QByteArray vorrat_;
    std::vector<uint32_t> anfaenge_;
    Wuerfel w_;
};

// Records of about 256 KB whose titles name empty PDFs that exist.
qint64 erzeugen(const QString& prog, qint64 zielBytes) {
    const QString db = prog + QStringLiteral("/Datenbank/");
    QDir().mkpath(db + QStringLiteral("Temp"));
    QDir().mkpath(prog + QStringLiteral("/Akten"));
    QFile dokument(db + QStringLiteral("Bench_UTF8Dokument.txt"));
    if (!dokument.open(QIODevice::WriteOnly))
        return 0;
    QByteArray dat = "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n";
    Prosa prosa;
    QByteArray satz;
    for (int i = 0; dokument.size() < zielBytes; ++i) {
        const QByteArray pfad = "T:\\Akten\\Akte_" + QByteArray::number(i) + ".pdf";
        dat += pfad + "\r\n";
        satz = " \r\n \r\n \r\n#" + pfad + "\r\n" + QByteArray(pfad.size() / 2, '=') + "\r\n";
        prosa.zeilen(satz, std::min<qint64>(256 * 1024, zielBytes - dokument.size()));
        if (dokument.write(satz) != satz.size())
            return 0;
        QFile(prog + QStringLiteral("/Akten/Akte_%1.pdf").arg(i)).open(QIODevice::WriteOnly);
    }
    QFile d(db + QStringLiteral("Bench.dat"));
    if (!d.open(QIODevice::WriteOnly) || d.write(dat) != dat.size())
        return 0;
    return dokument.size();
}

struct Messung {
    double ms = 0;
    // User and system time: on a busy machine nearer to the cost than the wall clock.
    double cpuMs = 0;
    double peakMb = 0;
    int code = -1;
};

// Runs the program as a child with its output to a file and takes its own peak from wait4.
Messung messen(const QString& programm, const QStringList& argumente,
               const QStringList& zusatzUmgebung, const QString& ausgabe) {
    std::vector<QByteArray> teile{QFile::encodeName(programm)};
    for (const QString& a : argumente)
        teile.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& t : teile)
        argv.push_back(t.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    for (const QString& z : zusatzUmgebung)
        env.push_back(z.toLocal8Bit());
    std::vector<char*> envp;
    for (QByteArray& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    const QByteArray ziel = QFile::encodeName(ausgabe);
    posix_spawn_file_actions_addopen(&aktionen, 1, ziel.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    Messung m;
    QElapsedTimer uhr;
    uhr.start();
    pid_t pid = 0;
    const int fehler = posix_spawn(&pid, argv[0], &aktionen, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&aktionen);
    if (fehler != 0)
        return m;
    int status = 0;
    rusage verbrauch{};
    if (wait4(pid, &status, 0, &verbrauch) != pid)
        return m;
    m.ms = uhr.nsecsElapsed() / 1e6;
    m.peakMb = verbrauch.ru_maxrss / 1024.0;
    m.cpuMs = (verbrauch.ru_utime.tv_sec + verbrauch.ru_stime.tv_sec) * 1e3 +
              (verbrauch.ru_utime.tv_usec + verbrauch.ru_stime.tv_usec) / 1e3;
    m.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return m;
}

QByteArray pruefsumme(const QString& pfad) {
    QFile f(pfad);
    QCryptographicHash h(QCryptographicHash::Sha256);
    if (!f.open(QIODevice::ReadOnly) || !h.addData(&f))
        return {};
    return h.result().toHex().left(16);
}

void zeile(const char* was, const Messung& m, const QString& zusatz = {}) {
    std::printf("  %-20s %8.1f s (CPU %7.1f s)  Spitze %8.1f MB  Ausgang %d  %s\n", was,
                m.ms / 1000, m.cpuMs / 1000, m.peakMb, m.code, qPrintable(zusatz));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const qint64 mb = qEnvironmentVariableIsSet("KELVORA_SORT_MB")
                          ? qEnvironmentVariableIntValue("KELVORA_SORT_MB")
                          : 100;
    const QString modus = qEnvironmentVariableIsSet("KELVORA_SORT_MODUS")
                              ? qEnvironmentVariable("KELVORA_SORT_MODUS")
                              : QStringLiteral("beide");
    const QString cli = qEnvironmentVariableIsSet("KELVORA_CLI")
                            ? qEnvironmentVariable("KELVORA_CLI")
                            : QStringLiteral(KELVORA_CLI);
    const QString alt = qEnvironmentVariable("KELVORA_SORT_ALT");
    QTemporaryDir tmp(qEnvironmentVariableIsSet("KELVORA_SORT_ORDNER")
                          ? qEnvironmentVariable("KELVORA_SORT_ORDNER") +
                                QStringLiteral("/kelvora-sort-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/kelvora-sort-XXXXXX"));
    if (!tmp.isValid()) {
        std::fprintf(stderr, "kein Arbeitsordner\n");
        return 1;
    }
    const QString prog = tmp.filePath(QStringLiteral("prog"));
    QElapsedTimer uhr;
    uhr.start();
    const qint64 groesse = erzeugen(prog, mb * 1'000'000);
    if (groesse == 0) {
        std::fprintf(stderr, "das Dokument lässt sich nicht schreiben\n");
        return 1;
    }
    const QString dokument = prog + QStringLiteral("/Datenbank/Bench_UTF8Dokument.txt");
    const QString liste = prog + QStringLiteral("/Datenbank/Bench_Phrasen_Woerter_Utf8Liste.txt");
    const QStringList umgebung =
        Benchdaten::kelvoraEinstellungen(tmp.filePath(QStringLiteral("konfig")), 'T', prog);
    std::printf("sort: Dokument %.1f MB (erzeugt in %.1f s), Modus %s\n", groesse / 1e6,
                uhr.nsecsElapsed() / 1e9, qPrintable(modus));

    const QStringList aufruf{QStringLiteral("--dir"),   prog,
                             QStringLiteral("sort"),    QStringLiteral("Bench"),
                             QStringLiteral("--modus"), modus};
    const QString protokoll = tmp.filePath(QStringLiteral("ausgabe.txt"));
    const Messung kelvora = messen(cli, aufruf, umgebung, protokoll);
    const QByteArray summe = pruefsumme(liste);
    zeile("kelvora sort", kelvora,
          QStringLiteral("Liste %1 MB, sha256 %2")
              .arg(QFileInfo(liste).size() / 1e6, 0, 'f', 1)
              .arg(QString::fromLatin1(summe)));

    Messung vorher;
    if (!alt.isEmpty()) {
        QFile::remove(liste);
        vorher = messen(alt, aufruf, umgebung, protokoll);
        const QByteArray summeVorher = pruefsumme(liste);
        zeile("kelvora sort (alt)", vorher,
              summeVorher == summe && !summe.isEmpty() ? QStringLiteral("Liste gleich")
                                                       : QStringLiteral("Liste VERSCHIEDEN"));
    }
    QFile::remove(liste);

    const Messung peer =
        messen(Benchdaten::programm(QStringLiteral("sort")),
               {QStringLiteral("-f"), QStringLiteral("-u"), dokument},
               {QStringLiteral("LC_ALL=C.UTF-8"), QStringLiteral("TMPDIR=") + tmp.path()},
               tmp.filePath(QStringLiteral("sortiert.txt")));
    zeile("sort -f -u", peer);

    std::printf("  Verhältnis Zeit  kelvora/sort  %6s  (CPU %s)\n",
                qPrintable(Benchdaten::verhaeltnis(kelvora.ms, peer.ms)),
                qPrintable(Benchdaten::verhaeltnis(kelvora.cpuMs, peer.cpuMs)));
    std::printf("  Verhältnis Spitze kelvora/sort %6s\n",
                qPrintable(Benchdaten::verhaeltnis(kelvora.peakMb, peer.peakMb)));
    std::printf("  Spitze je MB Dokument          %6.3f\n", kelvora.peakMb / (groesse / 1e6));
    if (!alt.isEmpty()) {
        std::printf("  Verhältnis Zeit  kelvora/alt   %6s  (CPU %s)\n",
                    qPrintable(Benchdaten::verhaeltnis(kelvora.ms, vorher.ms)),
                    qPrintable(Benchdaten::verhaeltnis(kelvora.cpuMs, vorher.cpuMs)));
        std::printf("  Verhältnis Spitze kelvora/alt  %6s\n",
                    qPrintable(Benchdaten::verhaeltnis(kelvora.peakMb, vorher.peakMb)));
    }
    return kelvora.code == 0 && peer.code == 0 ? 0 : 1;
}
