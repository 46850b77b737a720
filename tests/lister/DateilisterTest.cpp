#include "lister/Dateilister.h"

#include "platform/DriveMap.h"
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
        schreibe("laufwerk/b.txt", "b");
        schreibe("laufwerk/a.pdf", "a");
        schreibe("laufwerk/Akten/2019/Bericht.pdf", "x");
        schreibe("laufwerk/Akten/2019/Anlage.pdf", "x");
        schreibe("laufwerk/Akten/2019/Zusatz", "x");
        schreibe("laufwerk/Akten/Übersicht.pdf", "x");
        QDir().mkpath(nativ("laufwerk/Leer"));
        schreibe(QStringLiteral("laufwerk/Größe/Maß ä.pdf"), "x");
        einstellungen.werte.insert("Laufwerk_D", nativ("laufwerk"));
    }

    SpeicherEinstellungen einstellungen;
};

const QByteArray erwarteteListe = "D:\\a.pdf\r\n"
                                  "\" b.txt\r\n"
                                  "D:\\Akten\\\xc3\x9c"
                                  "bersicht.pdf\r\n"
                                  "D:\\Akten\\2019\\Anlage.pdf\r\n"
                                  "\" Bericht.pdf\r\n"
                                  "\" Zusatz\r\n"
                                  "D:\\Gr\xc3\xb6\xc3\x9f"
                                  "e\\Ma\xc3\x9f \xc3\xa4.pdf\r\n";

} // namespace

// Full lines and ditto lines; the run replaces an older, longer list whole and leaves nothing
// else in the folder.
TEST_F(DateilisterTest, ProgrammlaufErsetztDieListeImDatenbankOrdner) {
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_D.txt", QByteArray(100000, 'x') + "\r\n");
    QStringList meldungen;
    const int code = ErstelleDateiliste({"open", "D"}, nativ(), einstellungen,
                                        [&](const QString& m) { meldungen << m; });
    EXPECT_EQ(code, 0) << meldungen.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(lies("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_D.txt"), erwarteteListe);
    EXPECT_EQ(QDir(nativ("Datenbank")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Haupt_Dateinamen_Liste_Laufwerk_D.txt"});
}

TEST_F(DateilisterTest, KleinerBuchstabeBleibtWieEingegeben) {
    einstellungen.werte.insert("Laufwerk_D", nativ("laufwerk/Akten/2019"));
    EXPECT_EQ(ErstelleDateiliste({"open d"}, nativ(), einstellungen), 0);
    EXPECT_EQ(lies("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_d.txt"),
              QByteArray("d:\\Anlage.pdf\r\n\" Bericht.pdf\r\n\" Zusatz\r\n"));
}

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
TEST_F(DateilisterTest, FalscheArgumenteSchreibenNichts) {
    const std::pair<QStringList, int> faelle[] = {
        {{}, 2},
        {{"open"}, 2},
        {{"D"}, 2},
        {{"open", "DE"}, 2},
        {{"open", "1"}, 2},
        {{"Open", "D"}, 2},
        {{"open", "D", "x"}, 2},
        {{"open", "Q"}, 1},
    };
    for (const auto& [argumente, code] : faelle)
        EXPECT_EQ(ErstelleDateiliste(argumente, nativ(), einstellungen), code)
            << argumente.join(' ').toStdString();
    EXPECT_FALSE(gibt("Datenbank"));
    EXPECT_EQ(Dateilister::laufwerkAus({"open", "D"}), QChar(u'D'));
    EXPECT_EQ(Dateilister::laufwerkAus({"open X"}), QChar(u'X'));
}

// Names a Windows path cannot hold, and folders that cannot be read, are skipped.
TEST_F(DateilisterTest, UnbrauchbaresWirdUebersprungen) {
    // Raw byte names: the fixture's helpers would turn them into valid paths.
    const QByteArray ordner = QFile::encodeName(nativ("laufwerk/Akten/2019/"));
    for (const QByteArray& name : {QByteArray("a\\b.pdf"), QByteArray("zeile\nbruch.pdf"),
                                   QByteArray("ungueltig\xff.pdf")}) {
        const int fd = ::open((ordner + name).constData(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ::close(fd);
    }
    // Root reads every folder whatever its mode.
    const bool sperrbar = ::geteuid() != 0;
    if (sperrbar) {
        schreibe("laufwerk/Geheim/geheim.pdf", "x");
        ASSERT_EQ(::chmod(QFile::encodeName(nativ("laufwerk/Geheim")).constData(), 0), 0);
    }
    Dateilister lister;
    const Dateilister::Ergebnis e =
        lister.schreibeListe(nativ("laufwerk"), QLatin1Char('D'), nativ("liste.txt"));
    if (sperrbar)
        ::chmod(QFile::encodeName(nativ("laufwerk/Geheim")).constData(), 0755);
    ASSERT_TRUE(e.ok) << e.fehler.toStdString();
    EXPECT_EQ(e.uebersprungen, sperrbar ? 4 : 3);
    EXPECT_EQ(e.dateien, 7);
    // Root, Akten, 2019, Größe, Leer.
    EXPECT_EQ(e.ordner, 5);
    EXPECT_EQ(lies("liste.txt"), erwarteteListe);
}

TEST_F(DateilisterTest, NachNamenMitDoppelpunktFolgtEineVollzeile) {
    const QString ordner = nativ("laufwerk/Akten/2019");
    QDir(ordner).removeRecursively();
    schreibe("laufwerk/Akten/2019/A:1.pdf", "x");
    schreibe("laufwerk/Akten/2019/B.pdf", "x");
    schreibe("laufwerk/Akten/2019/C.pdf", "x");
    Dateilister lister;
    ASSERT_TRUE(lister.schreibeListe(ordner, QLatin1Char('D'), nativ("liste.txt")).ok);
    EXPECT_EQ(lies("liste.txt"), QByteArray("D:\\A:1.pdf\r\nD:\\B.pdf\r\n\" C.pdf\r\n"));
}

// The root may be a link; below it a link to a file is listed, one to a folder is not followed.
TEST_F(DateilisterTest, VerweisAufDateiJaAufOrdnerNein) {
    const auto verweis = [this](const QString& ziel, const QString& name) {
        return ::symlink(QFile::encodeName(nativ(ziel)).constData(),
                         QFile::encodeName(nativ(name)).constData());
    };
    ASSERT_EQ(verweis("laufwerk/a.pdf", "laufwerk/Leer/verweis.pdf"), 0);
    ASSERT_EQ(verweis("laufwerk", "laufwerk/Leer/schleife"), 0);
    ASSERT_EQ(verweis("laufwerk", "wurzel"), 0);
    Dateilister lister;
    ASSERT_TRUE(lister.schreibeListe(nativ("wurzel"), QLatin1Char('D'), nativ("liste.txt")).ok);
    EXPECT_EQ(lies("liste.txt"), erwarteteListe + "D:\\Leer\\verweis.pdf\r\n");
}

TEST_F(DateilisterTest, ProgrammMitEinstellungsdatei) {
    // The program reads the user's settings file below XDG_CONFIG_HOME. Written directly
    // to that file: this process may have fixed its settings folder before the fixture
    // moved XDG_CONFIG_HOME.
    {
        QSettings datei(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Dorwent/Kelvora-PDF.conf",
                        QSettings::IniFormat);
        datei.setValue("Laufwerk_T", nativ("laufwerk"));
    }
    QProcess p;
    p.setWorkingDirectory(nativ());
    p.start(QStringLiteral(KELVORA_LISTER_PROGRAMM), {"open", "T"});
    ASSERT_TRUE(p.waitForFinished(-1));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QByteArray erwartet = erwarteteListe;
    erwartet.replace("D:\\", "T:\\");
    EXPECT_EQ(lies("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt"), erwartet);
    EXPECT_FALSE(WindowRegistry::findfenster("Erstelle Dateiliste").has_value());
}
