#include "tests/stoerfaelle/StoerfallUmgebung.h"

#include <QMap>
#include <QThread>

#include <signal.h>

// A re-index killed with SIGKILL on entering each call that links, renames, deletes or syncs a
// file, one run per call, and at moments spread over a run. After each kill the next reader sees
// the old database or the new one, whole: every title entry at its own head, all its records.
class AbbruchStoerfaelle : public StoerfallUmgebung {
protected:
    // Back to the database folder as saved, the text cache included; the master list stays new.
    void zurueck() const {
        QDir(nativ("Datenbank")).removeRecursively();
        ASSERT_EQ(QProcess::execute("cp", {"-a", nativ("Sicherung"), nativ("Datenbank")}), 0);
        hauptliste();
    }
    QByteArray datenbank() const {
        return lies("Datenbank/Akten.dat") + lies("Datenbank/Akten_UTF8Dokument.txt") +
               lies("Datenbank/Akten_Utf8_TitelPositionen.txt") + logOhneZeit("Akten").toUtf8();
    }
    // Which database a reader finds after the kill: "alt", "neu" or what is wrong.
    QString nachDemAbbruch() const {
        const Programmlauf suche = kelvora({"search", "Akten", "Suchwort"});
        const Pruefung treffer = trefferPruefen(suche.aus), p = pruefen("Akten");
        if (suche.code != 0 || p.saetze < 0 || treffer.saetze < 0)
            return suche.fehler + p.fehler + treffer.fehler;
        if (!QDir(nativ("Datenbank")).entryList({"*.neu", "*.wechsel"}).isEmpty())
            return "Reste des Wechsels";
        const int saetze = p.saetze == treffer.saetze ? p.saetze : -1;
        const auto ist = [&](const QByteArray& v, int n) {
            return datenbank() == v && saetze == n;
        };
        return ist(alt, 8)   ? "alt"
               : ist(neu, 9) ? "neu"
                             : "gemischt, falsche Zahl der Sätze oder Log passt nicht";
    }
    QByteArray alt, neu;
};

TEST_F(AbbruchStoerfaelle, Kill9AnVielenStellen) {
    for (int i = 0; i < 8; ++i)
        akte("Akten", i, 1);
    hauptliste();
    einstellen("Konverter_Prozesse", "2");
    ASSERT_EQ(kelvora(index("Akten")).code, 0);
    ASSERT_EQ(QProcess::execute("cp", {"-a", nativ("Datenbank"), nativ("Sicherung")}), 0);
    alt = datenbank();
    // The new collection: longer texts, one file gone, two new.
    for (int i : {0, 2, 4, 6, 8, 9})
        akte("Akten", i, i < 8 ? 3 : 2);
    QFile::remove(nativ("Akten/Akte_7.pdf"));
    hauptliste();
    ASSERT_EQ(kelvora(index("Akten")).code, 0);
    neu = datenbank();
    ASSERT_EQ(pruefen("Akten").saetze, 9);

    QMap<QString, int> ausgaenge;
    const QString strace = QStandardPaths::findExecutable("strace");
    ASSERT_FALSE(strace.isEmpty()) << "strace fehlt";
    for (const char* aufruf : {"rename", "unlink", "unlinkat", "linkat", "fsync", "fdatasync"}) {
        for (int k = 1; k < 200; ++k) {
            zurueck();
            const QString inject = QString("inject=%1:signal=SIGKILL:when=%2").arg(aufruf).arg(k);
            const Programmlauf lauf = programmAusfuehren(
                strace,
                QStringList{"-f", "-qq", "-o", "/dev/null", "-e", QString("trace=") + aufruf, "-e",
                            inject, KELVORA_CLI, "--dir", nativ()} +
                    index("Akten"),
                QProcessEnvironment::systemEnvironment(), 180000);
            const QString ergebnis = nachDemAbbruch();
            ASSERT_TRUE(ergebnis == "alt" || ergebnis == "neu")
                << inject.toStdString() << ": " << ergebnis.toStdString();
            ++ausgaenge[ergebnis];
            // A run that ended by itself leaves the new database.
            if (lauf.code == 0) {
                EXPECT_EQ(ergebnis, "neu");
                break;
            }
        }
    }
    // Kills before and after the point where the new database counts.
    EXPECT_GT(ausgaenge["alt"], 5);
    EXPECT_GT(ausgaenge["neu"], 5);

    // Kills at moments spread over a run, converters included.
    int gesperrt = 0;
    for (int ms : {5, 30, 80, 150, 250, 400, 600}) {
        zurueck();
        QProcess& p = kelvoraStarten(index("Akten"));
        QThread::msleep(ms);
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
        p.waitForFinished();
        const QString ergebnis = nachDemAbbruch();
        EXPECT_TRUE(ergebnis == "alt" || ergebnis == "neu") << ms << ": " << ergebnis.toStdString();
        // A killed run's lock file stays, but the lock died with it: the next run goes ahead.
        if (gibt("Datenbank/Akten.sperre")) {
            ++gesperrt;
            EXPECT_EQ(kelvora(index("Akten")).code, 0) << ms;
        }
    }
    EXPECT_GT(gesperrt, 0);
}
