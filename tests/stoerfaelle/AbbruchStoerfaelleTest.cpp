#include "tests/stoerfaelle/StoerfallUmgebung.h"

#include <QDir>
#include <QMap>
#include <QStandardPaths>
#include <QThread>

#include <signal.h>

// A re-index killed with SIGKILL at many points: at every call that writes, renames, deletes
// or syncs a file (one run per call, the kill delivered on entering it), and at moments
// spread over the run. After each kill the next reader sees the old database or the new one,
// whole: every title entry at its own header, the old or the new number of records.
class AbbruchStoerfaelle : public StoerfallUmgebung {
protected:
    using Stand = QMap<QString, QByteArray>;
    // The database's files and its text cache.
    Stand stand() const {
        Stand s;
        for (const QString& n : dateien)
            s[n] = lies("Datenbank/" + n);
        for (const QString& n : QDir(prog("Datenbank/Akten_Textcache")).entryList(QDir::Files))
            s["Akten_Textcache/" + n] = lies("Datenbank/Akten_Textcache/" + n);
        return s;
    }
    void zurueck(const Stand& s) const {
        QDir(prog("Datenbank/Akten_Textcache")).removeRecursively();
        QDir(prog("Datenbank/Temp")).removeRecursively();
        for (const QString& n : QDir(prog("Datenbank")).entryList({"*.neu", "*.wechsel"}))
            QFile::remove(prog("Datenbank/" + n));
        for (auto it = s.cbegin(); it != s.cend(); ++it)
            schreibe("Datenbank/" + it.key(), it.value());
    }
    // Which database a reader finds after the kill: "alt", "neu" or what is wrong.
    QString nachDemAbbruch(const Stand& alt, const Stand& neu) {
        const Ausgang suche = kelvora({"search", "Akten", "Suchwort"});
        if (suche.code != 0)
            return "Suche gescheitert: " + suche.fehler;
        const Pruefung treffer = trefferPruefen(suche.aus);
        const Pruefung p = pruefen("Akten");
        if (p.saetze < 0 || treffer.saetze < 0)
            return p.fehler + treffer.fehler;
        if (!QDir(prog("Datenbank")).entryList({"*.neu", "*.wechsel"}).isEmpty())
            return "Reste des Wechsels";
        QString version;
        for (const char* n :
             {"Akten.dat", "Akten_UTF8Dokument.txt", "Akten_Utf8_TitelPositionen.txt"}) {
            const QByteArray jetzt = lies(QString("Datenbank/") + n);
            const QString v = jetzt == alt[n] ? "alt" : jetzt == neu[n] ? "neu" : "fremd";
            if (!version.isEmpty() && v != version)
                return QString("gemischt: ") + n;
            version = v;
        }
        const int saetze = version == "alt" ? 8 : 9;
        if (p.saetze != saetze || treffer.saetze != saetze)
            return "falsche Zahl der Sätze";
        if ((version == "alt" && lies("Datenbank/Akten.log") != alt["Akten.log"]) ||
            (version == "neu" && logOhneZeit("Akten") != neuesLog))
            return "Log passt nicht";
        return version;
    }

    const QStringList dateien{"Akten.dat", "Akten_UTF8Dokument.txt",
                              "Akten_Utf8_TitelPositionen.txt", "Akten.log"};
    QString neuesLog;
};

TEST_F(AbbruchStoerfaelle, Kill9AnVielenStellen) {
    for (int i = 0; i < 8; ++i)
        akte("Akten", i, 1);
    hauptliste();
    einstellen("Konverter_Prozesse", "2");
    ASSERT_EQ(kelvora(index("Akten", "Akten")).code, 0);
    const Stand alt = stand();
    // The new collection: longer texts, one file gone, two new.
    for (int i : {0, 2, 4, 6})
        akte("Akten", i, 3);
    QFile::remove(prog("Akten/Akte_7.pdf"));
    akte("Akten", 8, 2);
    akte("Akten", 9, 2);
    hauptliste();
    ASSERT_EQ(kelvora(index("Akten", "Akten")).code, 0);
    const Stand neu = stand();
    neuesLog = logOhneZeit("Akten");
    ASSERT_EQ(pruefen("Akten").saetze, 9);
    ASSERT_NE(neu["Akten_UTF8Dokument.txt"].size(), alt["Akten_UTF8Dokument.txt"].size());

    QMap<QString, int> ausgaenge;
    const QString strace = QStandardPaths::findExecutable("strace");
    for (const char* aufruf : {"rename", "unlink", "unlinkat", "linkat", "fsync", "fdatasync"}) {
        if (strace.isEmpty())
            break;
        for (int k = 1; k < 200; ++k) {
            zurueck(alt);
            QProcess p;
            QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
            e.insert("XDG_CONFIG_HOME", konfig_);
            p.setProcessEnvironment(e);
            p.start(strace,
                    QStringList{"-f", "-qq", "-o", "/dev/null", "-e",
                                QString("trace=%1").arg(aufruf), "-e",
                                QString("inject=%1:signal=SIGKILL:when=%2").arg(aufruf).arg(k),
                                KELVORA_CLI, "--dir", prog()} +
                        index("Akten", "Akten"));
            ASSERT_TRUE(p.waitForFinished(180000));
            const bool beendet = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
            const QString ergebnis = nachDemAbbruch(alt, neu);
            ASSERT_TRUE(ergebnis == "alt" || ergebnis == "neu")
                << aufruf << " Nr. " << k << ": " << ergebnis.toStdString();
            ++ausgaenge[ergebnis];
            if (beendet) {
                EXPECT_EQ(ergebnis, "neu");
                break;
            }
        }
    }
    if (strace.isEmpty())
        std::printf("strace fehlt: nur Abbrüche nach Zeit\n");
    else {
        // The kills landed before and after the point where the new database counts.
        EXPECT_GT(ausgaenge["alt"], 5);
        EXPECT_GT(ausgaenge["neu"], 5);
    }

    // Kills at moments spread over a run, converters included.
    for (int ms : {5, 30, 80, 150, 250, 400, 600}) {
        zurueck(alt);
        QProcess& p = kelvoraStarten(index("Akten", "Akten"));
        QThread::msleep(ms);
        ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
        p.waitForFinished();
        const QString ergebnis = nachDemAbbruch(alt, neu);
        EXPECT_TRUE(ergebnis == "alt" || ergebnis == "neu") << ms << ": " << ergebnis.toStdString();
    }
}
