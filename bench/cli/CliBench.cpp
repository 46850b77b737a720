// A whole "kelvora search" (scan, records, result pages, output) against "rg -F -c" with the
// same case and word options on the same document, for five kinds of query, on generated
// databases of real-like text (304 MiB in 8,000 files and 1 GiB in 13,680 files). The two
// programs run in turn, the median of each is compared; the peak memory of kelvora is
// taken from the kernel's account of each run.
//
// KELVORA_CLI=PATH measures another kelvora; KELVORA_BENCH_LAEUFE=N sets the runs per
// program and query (default 5); KELVORA_BENCH_GROESSEN="MIB:FILES,..." the databases;
// KELVORA_BENCH_ORDNER=FOLDER keeps them there for the next run.

#include "bench/common/Benchdaten.h"
#include "bench/common/Realtext.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include <cerrno>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct Messung {
    double ms = 0;
    // Processor time in user and kernel mode: on a busy machine steadier than the clock.
    double cpuMs = 0;
    long spitzeKiB = 0;
    int code = -1;
};

// Starts the program with its output into a pipe, as into "| wc -l", reads it to the end
// and waits for the program; the kernel reports the peak resident memory of exactly this
// process.
Messung messen(const QString& programm, const QStringList& argumente, const QStringList& umgebung,
               QByteArray* ausgabe = nullptr) {
    std::vector<QByteArray> args{QFile::encodeName(programm)};
    for (const QString& a : argumente)
        args.push_back(a.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<QByteArray> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "RIPGREP_CONFIG_PATH=", 20) != 0)
            env.emplace_back(*e);
    for (const QString& e : umgebung)
        env.push_back(e.toUtf8());
    std::vector<char*> envp;
    for (QByteArray& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    Messung m;
    int rohr[2];
    if (pipe(rohr) != 0)
        return m;
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_adddup2(&aktionen, rohr[1], 1);
    posix_spawn_file_actions_addclose(&aktionen, rohr[0]);
    posix_spawn_file_actions_addclose(&aktionen, rohr[1]);
    posix_spawn_file_actions_addopen(&aktionen, 2, "/dev/null", O_WRONLY, 0);
    QElapsedTimer uhr;
    uhr.start();
    pid_t pid = 0;
    const bool gestartet =
        posix_spawn(&pid, argv[0], &aktionen, nullptr, argv.data(), envp.data()) == 0;
    close(rohr[1]);
    char puffer[65536];
    for (ssize_t n; (n = read(rohr[0], puffer, sizeof puffer)) != 0;) {
        if (n < 0 && errno != EINTR)
            break;
        if (n > 0 && ausgabe)
            ausgabe->append(puffer, n);
    }
    close(rohr[0]);
    if (gestartet) {
        int status = 0;
        rusage nutzung{};
        if (wait4(pid, &status, 0, &nutzung) == pid) {
            m.ms = uhr.nsecsElapsed() / 1e6;
            m.spitzeKiB = nutzung.ru_maxrss;
            m.cpuMs = (nutzung.ru_utime.tv_sec + nutzung.ru_stime.tv_sec) * 1e3 +
                      (nutzung.ru_utime.tv_usec + nutzung.ru_stime.tv_usec) / 1e3;
            m.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
    }
    posix_spawn_file_actions_destroy(&aktionen);
    return m;
}

double median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    const size_t n = werte.size();
    return n == 0 ? 0 : n % 2 ? werte[n / 2] : (werte[n / 2 - 1] + werte[n / 2]) / 2;
}

struct Groesse {
    qint64 mib;
    int dateien;
};

QList<Groesse> groessen() {
    QList<Groesse> out;
    const QString text = qEnvironmentVariable("KELVORA_BENCH_GROESSEN", "304:8000,1024:13680");
    for (const QString& teil : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList z = teil.split(QLatin1Char(':'));
        if (z.size() == 2)
            out.append({z[0].toLongLong(), z[1].toInt()});
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString cli = qEnvironmentVariableIsSet("KELVORA_CLI")
                            ? qEnvironmentVariable("KELVORA_CLI")
                            : QStringLiteral(KELVORA_CLI);
    const QString rg = Benchdaten::programm(QStringLiteral("rg"));
    if (rg.isEmpty()) {
        std::printf("cli: rg nicht installiert (Paket ripgrep), übersprungen\n");
        return 0;
    }
    const int laeufe = std::max(1, qEnvironmentVariableIntValue("KELVORA_BENCH_LAEUFE") > 0
                                       ? qEnvironmentVariableIntValue("KELVORA_BENCH_LAEUFE")
                                       : 5);
    int status = 0;
    for (const Groesse& g : groessen()) {
        // A kept folder spares the generation on the next run.
        QTemporaryDir tmp;
        const QString behalten = qEnvironmentVariable("KELVORA_BENCH_ORDNER");
        const QString prog = behalten.isEmpty()
                                 ? tmp.filePath(QStringLiteral("prog"))
                                 : behalten + QStringLiteral("/%1_%2").arg(g.mib).arg(g.dateien);
        Realtext::Auftrag auftrag;
        auftrag.zielBytes = g.mib << 20;
        auftrag.dateien = g.dateien;
        QElapsedTimer uhr;
        uhr.start();
        const Realtext::Datenbank db = Realtext::erzeugenOderLaden(prog, auftrag);
        const double erzeugt = uhr.nsecsElapsed() / 1e9;
        const QStringList umgebung = Benchdaten::kelvoraEinstellungen(
            tmp.filePath(QStringLiteral("konfig")), auftrag.laufwerk, prog);
        // One read of the whole file from the page cache, the floor of any search.
        uhr.restart();
        QFile lesen(db.dokument);
        lesen.open(QIODevice::ReadOnly);
        QByteArray puffer(1 << 20, Qt::Uninitialized);
        while (lesen.read(puffer.data(), puffer.size()) > 0) {
        }
        const double lesenMs = uhr.nsecsElapsed() / 1e6;
        std::printf("cli: %.1f MiB in %d Dateien (erzeugt in %.1f s), Lesen aus dem Cache "
                    "%.1f ms, %d Läufe je Programm, Median\n",
                    db.bytes / 1048576.0, db.dateien, erzeugt, lesenMs, laeufe);
        std::printf("  %-14s %-16s %8s %10s %8s %7s %9s %18s\n", "Abfrage", "Text", "Dateien",
                    "kelvora ms", "rg ms", "Verh.", "Spitze", "CPU ms kelvora/rg");
        long spitzeGesamt = 0;
        double schlechtestes = 0;
        for (const Realtext::Abfrage& q : db.abfragen) {
            QStringList kArgs{QStringLiteral("--dir"), prog, QStringLiteral("search"), auftrag.name,
                              q.text};
            QStringList rArgs{QStringLiteral("--no-config"), QStringLiteral("-F"),
                              QStringLiteral("-c")};
            if (q.gross)
                kArgs << QStringLiteral("--gross");
            else
                rArgs << QStringLiteral("-i");
            if (q.ganzeWoerter) {
                kArgs << QStringLiteral("--ganze-woerter");
                rArgs << QStringLiteral("-w");
            }
            rArgs << q.text << db.dokument;
            std::vector<double> kZeiten, rZeiten, kCpu, rCpu;
            long spitze = 0;
            int treffer = -1;
            bool fehler = false;
            // A first run of each warms the caches; then they take turns.
            messen(rg, rArgs, {});
            messen(cli, kArgs, umgebung);
            for (int i = 0; i < laeufe; ++i) {
                for (int seite = 0; seite < 2; ++seite) {
                    if ((seite == 0) == (i % 2 == 0)) {
                        const Messung m = messen(rg, rArgs, {});
                        rZeiten.push_back(m.ms);
                        rCpu.push_back(m.cpuMs);
                        continue;
                    }
                    QByteArray ausgabe;
                    const Messung m = messen(cli, kArgs, umgebung, &ausgabe);
                    kZeiten.push_back(m.ms);
                    kCpu.push_back(m.cpuMs);
                    spitze = std::max(spitze, m.spitzeKiB);
                    // The hit lines: path, a tab, the context.
                    treffer = int(ausgabe.count('\t'));
                    fehler = fehler || m.code != 0 || treffer != q.dateienMitTreffer;
                }
            }
            const double k = median(kZeiten), r = median(rZeiten);
            schlechtestes = std::max(schlechtestes, k / r);
            spitzeGesamt = std::max(spitzeGesamt, spitze);
            std::printf("  %-14s %-16s %8d %10.1f %8.1f %7.2f %6.1f MiB %8.1f/%.1f%s\n",
                        q.name.toUtf8().constData(),
                        (QLatin1Char('"') + q.text + QLatin1Char('"')).toUtf8().constData(),
                        q.dateienMitTreffer, k, r, k / r, spitze / 1024.0, median(kCpu),
                        median(rCpu), fehler ? "  FALSCH" : "");
            if (fehler) {
                std::fprintf(stderr, "kelvora search \"%s\": %d Treffer statt %d\n",
                             q.text.toUtf8().constData(), treffer, q.dateienMitTreffer);
                status = 1;
            }
        }
        std::printf("  größtes Verhältnis %.2f (Ziel höchstens 1.30), Spitze kelvora %.1f MiB "
                    "(Ziel unter 64)\n",
                    schlechtestes, spitzeGesamt / 1024.0);
    }
    return status;
}
