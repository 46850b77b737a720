#include "lister/Dateilister.h"

#include "platform/WindowRegistry.h"
#include "tests/common/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class DateilisterTest : public Umgebung {
protected:
    // A small drive below the program folder, mapped to D:.
    void SetUp() override {
        Umgebung::SetUp();
        for (const QString d : {"b.txt", "a.pdf", "Akten/2019/Bericht.pdf", "Akten/2019/Anlage.pdf",
                                "Akten/2019/Zusatz", "Akten/Übersicht.pdf", "Größe/Maß ä.pdf"})
            schreibe("laufwerk/" + d, "x");
        QDir().mkpath(nativ("laufwerk/Leer"));
        einstellungen.werte.insert("Laufwerk_D", nativ("laufwerk"));
    }
    Dateilister::Ergebnis schreibeListe(const QString& wurzel) {
        return Dateilister().schreibeListe(nativ(wurzel), 'D', nativ("liste.txt"));
    }

    SpeicherEinstellungen einstellungen;
};

// Full lines and ditto lines, UTF-8, CR LF.
const QByteArray erwarteteListe = "D:\\a.pdf\r\n\" b.txt\r\nD:\\Akten\\Übersicht.pdf\r\n"
                                  "D:\\Akten\\2019\\Anlage.pdf\r\n\" Bericht.pdf\r\n\" Zusatz\r\n"
                                  "D:\\Größe\\Maß ä.pdf\r\n";

} // namespace

// The program as built, its drive letter from the user's settings file: it replaces an older,
// longer list whole, leaves nothing else in the folder, and its window is gone at the end.
TEST_F(DateilisterTest, ProgrammErsetztDieListeImDatenbankOrdner) {
    // Written directly to the settings file: this process may have fixed its settings folder
    // before the fixture moved XDG_CONFIG_HOME.
    QSettings(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Dorwent/Kelvora-PDF.conf",
              QSettings::IniFormat)
        .setValue("Laufwerk_T", nativ("laufwerk"));
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt", QByteArray(100000, 'x') + "\r\n");
    QProcess p;
    p.setWorkingDirectory(nativ());
    p.start(QStringLiteral(KELVORA_LISTER_PROGRAMM), {"open", "T"});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_EQ(lies("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt"),
              QByteArray(erwarteteListe).replace("D:\\", "T:\\"));
    EXPECT_EQ(QDir(nativ("Datenbank")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Haupt_Dateinamen_Liste_Laufwerk_T.txt"});
    EXPECT_FALSE(WindowRegistry::findfenster("Erstelle Dateiliste").has_value());
}

// The watch of the main window finds the window by its title all through the run.
TEST_F(DateilisterTest, FensterNurWaehrendDerArbeit) {
    int gesehen = 0;
    const int code = ErstelleDateiliste({"open", "D"}, nativ(), einstellungen, {}, [&](qint64) {
        const auto f = WindowRegistry::findfenster("Erstelle Dateiliste - von Laufwerk D");
        ASSERT_TRUE(f.has_value());
        EXPECT_EQ(f->titel, "Erstelle Dateiliste - von Laufwerk D");
        EXPECT_EQ(f->pid, static_cast<qint64>(::getpid()));
        ++gesehen;
    });
    EXPECT_EQ(code, 0);
    EXPECT_GE(gesehen, 2);
    EXPECT_FALSE(WindowRegistry::findfenster("Erstelle Dateiliste").has_value());
}

// Wrong arguments end with code 2, a drive without a folder with code 1; neither writes.
// The letter is taken as typed, also in one argument.
TEST_F(DateilisterTest, Argumente) {
    for (const QString a : {"", "open", "D", "open|DE", "open|1", "Open|D", "open|D|x", "open|Q"})
        EXPECT_EQ(ErstelleDateiliste(a.split('|', Qt::SkipEmptyParts), nativ(), einstellungen),
                  a == "open|Q" ? 1 : 2)
            << a.toStdString();
    EXPECT_FALSE(gibt("Datenbank"));
    EXPECT_EQ(ErstelleDateiliste({"open d"}, nativ(), einstellungen), 0);
    EXPECT_EQ(lies("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_d.txt"),
              QByteArray(erwarteteListe).replace("D:\\", "d:\\"));
}

// Names a Windows path cannot hold, and folders that cannot be read, are skipped.
TEST_F(DateilisterTest, UnbrauchbaresWirdUebersprungen) {
    // Raw byte names: the fixture's helpers would turn them into valid paths.
    const QByteArray ordner = QFile::encodeName(nativ("laufwerk/Akten/2019/"));
    for (const QByteArray name : {"a\\b.pdf", "zeile\nbruch.pdf", "ungueltig\xff.pdf"}) {
        const int fd = ::open((ordner + name).constData(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ::close(fd);
    }
    // Root reads every folder whatever its mode.
    const bool sperrbar = ::geteuid() != 0;
    const QByteArray geheim = QFile::encodeName(nativ("laufwerk/Geheim"));
    if (sperrbar) {
        schreibe("laufwerk/Geheim/geheim.pdf", "x");
        ASSERT_EQ(::chmod(geheim.constData(), 0), 0);
    }
    const Dateilister::Ergebnis e = schreibeListe("laufwerk");
    if (sperrbar)
        ::chmod(geheim.constData(), 0755);
    ASSERT_TRUE(e.ok) << e.fehler.toStdString();
    EXPECT_EQ(e.uebersprungen, sperrbar ? 4 : 3);
    EXPECT_EQ(e.dateien, 7);
    EXPECT_EQ(e.ordner, 5); // root, Akten, 2019, Größe, Leer
    EXPECT_EQ(lies("liste.txt"), erwarteteListe);
}

// The root may be a link; below it a link to a file is listed, one to a folder is not followed.
// After a name with a colon the folder part of a ditto line would be wrong: a full line follows.
TEST_F(DateilisterTest, VerweiseUndDoppelpunkt) {
    const auto verweis = [this](const QString& ziel, const QString& name) {
        return ::symlink(QFile::encodeName(nativ(ziel)).constData(),
                         QFile::encodeName(nativ(name)).constData());
    };
    ASSERT_EQ(verweis("laufwerk/a.pdf", "laufwerk/Leer/verweis.pdf"), 0);
    ASSERT_EQ(verweis("laufwerk", "laufwerk/Leer/schleife"), 0);
    ASSERT_EQ(verweis("laufwerk", "wurzel"), 0);
    schreibe("laufwerk/Leer/A:1.pdf", "x");
    schreibe("laufwerk/Leer/B.pdf", "x");
    ASSERT_TRUE(schreibeListe("wurzel").ok);
    EXPECT_EQ(lies("liste.txt"),
              erwarteteListe + "D:\\Leer\\A:1.pdf\r\nD:\\Leer\\B.pdf\r\n\" verweis.pdf\r\n");
}
