#include "platform/Platform.h"
#include "tests/common/Programmlauf.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

// The real "kelvora" against faults a user meets: a second run of a database while one
// runs, a run killed on the way, and a folder that yields nothing.
class KelvoraIndexTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        SettingsStore().SchreibeRegKey(QStringLiteral("Laufwerk_T"), nativ());
        QDir().mkpath(nativ("Akten"));
        QByteArray liste;
        for (int i = 1; i <= 3; ++i) {
            ASSERT_TRUE(PdfSchreiber::schreiben(nativ(QStringLiteral("Akten/%1.pdf").arg(i)),
                                                {QStringLiteral("Blatt %1").arg(i)}));
            liste += win(QStringLiteral("Akten\\%1.pdf").arg(i)).toUtf8() + "\r\n";
        }
        schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt", liste);
        // The converter of the program folder: the real one, slowed down while the file
        // "langsam" exists.
        const QString echt = QStandardPaths::findExecutable("pdftotext");
        ASSERT_FALSE(echt.isEmpty());
        schreibe("pdftotext", "#!/bin/sh\n[ -e \"$(dirname \"$0\")/langsam\" ] && sleep 2\nexec " +
                                  echt.toUtf8() + " \"$@\"\n");
        QFile(nativ("pdftotext")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }

    QStringList argumente(const QStringList& befehl) const {
        return QStringList{"--dir", nativ()} + befehl;
    }
    Programmlauf kelvora(const QStringList& befehl) const {
        return programmAusfuehren(KELVORA_CLI, argumente(befehl));
    }
    static bool warten(const std::function<bool()>& bedingung) {
        QElapsedTimer uhr;
        uhr.start();
        while (!bedingung()) {
            if (uhr.elapsed() > 20000)
                return false;
            QThread::msleep(20);
        }
        return true;
    }
};

TEST_F(KelvoraIndexTest, ZweiterLaufWirdAbgewiesenUndEinGetoeteterHinterlaesstKeineSperre) {
    ASSERT_EQ(kelvora({"index", "Akten", "T:\\Akten"}).code, 0);
    // Changed files, so the next run converts them instead of taking the cached texts.
    for (int i = 1; i <= 3; ++i)
        ASSERT_TRUE(PdfSchreiber::schreiben(nativ(QStringLiteral("Akten/%1.pdf").arg(i)),
                                            {QStringLiteral("Blatt %1 neu").arg(i)}));
    schreibe("langsam", "");
    QProcess erster;
    erster.start(QStringLiteral(KELVORA_CLI), argumente({"index", "Akten", "T:\\Akten"}));
    ASSERT_TRUE(erster.waitForStarted());
    ASSERT_TRUE(warten([&] { return gibt("Datenbank/Akten.sperre"); }));

    const Programmlauf zweiter = kelvora({"index", "Akten", "T:\\Akten"});
    EXPECT_EQ(zweiter.code, 1);
    EXPECT_TRUE(zweiter.fehler.contains(
        "Die Datenbank \"Akten\" wird gerade indiziert. Ein zweiter Lauf für diese Datenbank "
        "ist erst möglich, wenn der erste fertig ist."))
        << zweiter.fehler.toStdString();

    const Programmlauf loeschen = kelvora({"delete", "Akten", "--ja"});
    EXPECT_EQ(loeschen.code, 1);
    EXPECT_EQ(loeschen.fehler, QStringLiteral("Die Datenbank \"Akten\" wird gerade indiziert und "
                                              "kann erst danach gelöscht werden.\n"));
    EXPECT_TRUE(gibt("Datenbank/Akten.dat"));

    erster.kill(); // SIGKILL: no chance to clean up
    ASSERT_TRUE(erster.waitForFinished());
    QFile::remove(nativ("langsam"));
    const Programmlauf dritter = kelvora({"index", "Akten", "T:\\Akten"});
    EXPECT_EQ(dritter.code, 0) << dritter.fehler.toStdString();
    EXPECT_TRUE(dritter.aus.contains("3 PDF-Dateien wurden indiziert."))
        << dritter.aus.toStdString();
    EXPECT_FALSE(gibt("Datenbank/Akten.sperre"));
    EXPECT_EQ(kelvora({"delete", "Akten", "--ja"}).code, 0);
    EXPECT_FALSE(gibt("Datenbank/Akten.dat"));
}

TEST_F(KelvoraIndexTest, NichtsGefundenEndetMitFehlerstatus) {
    const Programmlauf r = kelvora({"index", "Leer", "T:\\Akten", "--endungen", "*.odt"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.fehler.contains(
        "Für den Ordner \"T:\\Akten\" und die Endung \"*.odt\" wurde keine Datei gefunden."))
        << r.fehler.toStdString();
    EXPECT_FALSE(gibt("Datenbank/Leer.dat"));
}
