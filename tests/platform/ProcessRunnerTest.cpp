#include "platform/ProcessRunner.h"

#include "platform/Pump.h"
#include "tests/common/TestUmgebung.h"

#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cerrno>

#include <stdexcept>

namespace {

// A pump that, like a message box shown meanwhile, runs the event loop for a while: the
// program ends during that time, and its end is handled there.
class LangePump : public Pump {
public:
    void verarbeiten() override {
        if (++aufrufe_ > 20)
            throw std::runtime_error("the wait does not end");
        QEventLoop schleife;
        QTimer::singleShot(300, &schleife, &QEventLoop::quit);
        schleife.exec();
    }

private:
    int aufrufe_ = 0;
};

} // namespace

TEST(ProcessRunner, EndeWaehrendDerPumpeBeendetDasWarten) {
    const struct {
        const char* befehl;
        int code;
    } faelle[] = {{"exit 0", 0}, {"sleep 0.1; exit 3", 3}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.befehl);
        LangePump pump;
        ProcessRunner::Ergebnis e;
        EXPECT_NO_THROW(e = ProcessRunner::ausfuehren(
                            "/bin/sh", {"-c", QString::fromLatin1(fall.befehl)}, pump));
        EXPECT_TRUE(e.gestartet);
        EXPECT_EQ(e.code, fall.code);
    }
}

// A bounded run keeps or drops each channel as asked, passes the environment, reports exit
// codes, and ends at its deadline or cancel with every process of its group.
TEST(ProcessRunner, BegrenzterLaufKanaeleUndEnde) {
    using Fehler = ProcessRunner::Kanaele::Fehler;
    using Ende = ProcessRunner::Ende;
    QTemporaryDir tmp;
    const QString helfer = tmp.filePath("helfer");
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("KELVORA_PROBE", "Wert aus der Umgebung");
    qputenv("HELFER", QFile::encodeName(helfer));
    int abfragen = 0;
    const auto nachDreiAbfragen = [&abfragen] { return ++abfragen > 3; };
    const struct Fall {
        const char* skript;
        ProcessRunner::Kanaele kanaele;
        ProcessRunner::Grenze grenze;
        bool gestartet;
        int code;
        Ende ende;
        QByteArray ausgabe;
    } faelle[] = {
        {"echo aus; echo fehler >&2", {}, {}, true, 0, Ende::Beendet, ""},
        {"echo aus; echo fehler >&2",
         {true, Fehler::Verwerfen, {}},
         {},
         true,
         0,
         Ende::Beendet,
         "aus\n"},
        {"echo aus; sleep 0.1; echo fehler >&2",
         {true, Fehler::InDieAusgabe, {}},
         {},
         true,
         0,
         Ende::Beendet,
         "aus\nfehler\n"},
        {"echo \"$KELVORA_PROBE\"",
         {true, Fehler::Verwerfen, umgebung},
         {},
         true,
         0,
         Ende::Beendet,
         "Wert aus der Umgebung\n"},
        {"read zeile; echo \"[$zeile]\"; exit 3",
         {true, Fehler::Verwerfen, {}},
         {},
         true,
         3,
         Ende::Beendet,
         "[]\n"},
        {"kill -9 $$", {}, {}, true, 99, Ende::Beendet, ""},
        // A helper in the background outlives the shell unless the whole group ends.
        {"sleep 60 & echo $! > \"$HELFER\"; wait",
         {},
         {QDeadlineTimer(300), {}},
         true,
         -1,
         Ende::Zeitlimit,
         ""},
        {"sleep 60 & echo $! > \"$HELFER\"; wait",
         {},
         {QDeadlineTimer(QDeadlineTimer::Forever), nachDreiAbfragen},
         true,
         -1,
         Ende::Abgebrochen,
         ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.skript);
        QFile::remove(helfer);
        const ProcessRunner::Ergebnis e = ProcessRunner::ausfuehrenBegrenzt(
            "/bin/sh", {"-c", QString::fromLatin1(f.skript)}, f.grenze, f.kanaele);
        EXPECT_EQ(e.gestartet, f.gestartet);
        EXPECT_EQ(e.code, f.code);
        EXPECT_EQ(e.ende, f.ende);
        EXPECT_EQ(e.ausgabe, f.ausgabe);
        QFile pid(helfer);
        EXPECT_EQ(pid.exists(), QByteArray(f.skript).contains("HELFER"));
        if (pid.open(QIODevice::ReadOnly)) {
            // Killed, so ended and reaped by init or a zombie on its way; the kill arrives a
            // moment after the run has returned, hence the wait, bounded far below the sleep.
            QFile stat("/proc/" + QString::fromLatin1(pid.readAll().trimmed()) + "/stat");
            const auto zustand = [&stat] {
                stat.close();
                const QByteArray s = stat.open(QIODevice::ReadOnly) ? stat.readAll() : "";
                return s.isEmpty() ? QByteArray("weg") : s.mid(s.lastIndexOf(')') + 2, 1);
            };
            const QDeadlineTimer frist(20000);
            QByteArray z;
            while ((z = zustand()) != "weg" && z != "Z" && !frist.hasExpired())
                QThread::msleep(10);
            EXPECT_TRUE(z == "weg" || z == "Z") << z.toStdString();
        }
    }
    const ProcessRunner::Ergebnis fehlt =
        ProcessRunner::ausfuehrenBegrenzt(tmp.filePath("gibt es nicht"), {}, {});
    EXPECT_FALSE(fehlt.gestartet);
    EXPECT_EQ(fehlt.code, ENOENT);
}
