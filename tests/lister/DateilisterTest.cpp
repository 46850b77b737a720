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
        einstellungen.werte.insert(QStringLiteral("Laufwerk_D"), nativ("laufwerk"));
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

TEST_F(DateilisterTest, SchreibtVollzeilenUndWiederholungszeilen) {
    Dateilister lister;
    const Dateilister::Ergebnis e =
        lister.schreibeListe(nativ("laufwerk"), QLatin1Char('D'), nativ("liste.txt"));
    ASSERT_TRUE(e.ok) << e.fehler.toStdString();
    EXPECT_EQ(e.dateien, 7);
    // Root, Akten, 2019, Größe, Leer.
    EXPECT_EQ(e.ordner, 5);
    EXPECT_EQ(lies("liste.txt"), erwarteteListe);
}

TEST_F(DateilisterTest, ProgrammlaufSchreibtInDenDatenbankOrdner) {
    QStringList meldungen;
    const int code = ErstelleDateiliste({QStringLiteral("open"), QStringLiteral("D")}, nativ(),
                                        einstellungen, [&](const QString& m) { meldungen << m; });
    EXPECT_EQ(code, 0) << meldungen.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(lies("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_D.txt"), erwarteteListe);
    // Nothing but the finished list is left in the folder.
    EXPECT_EQ(QDir(nativ("Datenbank")).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Haupt_Dateinamen_Liste_Laufwerk_D.txt")});
}

TEST_F(DateilisterTest, KleinerBuchstabeBleibtWieEingegeben) {
    einstellungen.werte.insert(QStringLiteral("Laufwerk_D"), nativ("laufwerk/Akten/2019"));
    EXPECT_EQ(ErstelleDateiliste({QStringLiteral("open d")}, nativ(), einstellungen), 0);
    EXPECT_EQ(lies("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_d.txt"),
              QByteArray("d:\\Anlage.pdf\r\n\" Bericht.pdf\r\n\" Zusatz\r\n"));
}

TEST_F(DateilisterTest, FensterNurWaehrendDerArbeit) {
    int gesehen = 0;
    const int code = ErstelleDateiliste(
        {QStringLiteral("open"), QStringLiteral("D")}, nativ(), einstellungen, {}, [&](qint64) {
            const auto f =
                WindowRegistry::findfenster(QStringLiteral("Erstelle Dateiliste - von Laufwerk D"));
            ASSERT_TRUE(f.has_value());
            EXPECT_EQ(f->titel, QStringLiteral("Erstelle Dateiliste - von Laufwerk D"));
            EXPECT_EQ(f->pid, static_cast<qint64>(::getpid()));
            ++gesehen;
        });
    EXPECT_EQ(code, 0);
    EXPECT_GE(gesehen, 2);
    EXPECT_FALSE(WindowRegistry::findfenster(QStringLiteral("Erstelle Dateiliste")).has_value());
}

TEST_F(DateilisterTest, FalscheArgumenteSchreibenNichts) {
    const QList<QStringList> falsch = {
        {},
        {QStringLiteral("open")},
        {QStringLiteral("D")},
        {QStringLiteral("open"), QStringLiteral("DE")},
        {QStringLiteral("open"), QStringLiteral("1")},
        {QStringLiteral("Open"), QStringLiteral("D")},
        {QStringLiteral("open"), QStringLiteral("D"), QStringLiteral("x")},
    };
    for (const QStringList& a : falsch) {
        EXPECT_EQ(ErstelleDateiliste(a, nativ(), einstellungen), 2) << a.join(' ').toStdString();
        EXPECT_FALSE(Dateilister::laufwerkAus(a).has_value());
    }
    EXPECT_FALSE(gibt("Datenbank"));
    EXPECT_EQ(Dateilister::laufwerkAus({QStringLiteral("open"), QStringLiteral("D")}), QChar(u'D'));
    EXPECT_EQ(Dateilister::laufwerkAus({QStringLiteral("open X")}), QChar(u'X'));
}

TEST_F(DateilisterTest, NichtZugeordnetesLaufwerkSchreibtNichts) {
    EXPECT_EQ(
        ErstelleDateiliste({QStringLiteral("open"), QStringLiteral("Q")}, nativ(), einstellungen),
        1);
    EXPECT_FALSE(gibt("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_Q.txt"));
}

TEST_F(DateilisterTest, NeueListeErsetztDieAlteGanz) {
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_D.txt", QByteArray(100000, 'x') + "\r\n");
    EXPECT_EQ(ErstelleDateiliste({QStringLiteral("open D")}, nativ(), einstellungen), 0);
    EXPECT_EQ(lies("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_D.txt"), erwarteteListe);
}

TEST_F(DateilisterTest, UnlesbarerOrdnerWirdUebersprungen) {
    // Root reads every folder whatever its mode, so the check means nothing there.
    if (::geteuid() == 0)
        GTEST_SKIP() << "als root ist jeder Ordner lesbar";
    schreibe("laufwerk/Geheim/geheim.pdf", "x");
    ASSERT_EQ(::chmod(QFile::encodeName(nativ("laufwerk/Geheim")).constData(), 0), 0);
    Dateilister lister;
    const Dateilister::Ergebnis e =
        lister.schreibeListe(nativ("laufwerk"), QLatin1Char('D'), nativ("liste.txt"));
    ::chmod(QFile::encodeName(nativ("laufwerk/Geheim")).constData(), 0755);
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.uebersprungen, 1);
    EXPECT_EQ(lies("liste.txt"), erwarteteListe);
}

TEST_F(DateilisterTest, NamenOhneWindowsFormWerdenUebersprungen) {
    // Raw byte names: the fixture's helpers would turn them into valid paths.
    const QByteArray ordner = QFile::encodeName(nativ("laufwerk/Akten/2019/"));
    for (const QByteArray& name : {QByteArray("a\\b.pdf"), QByteArray("zeile\nbruch.pdf"),
                                   QByteArray("ungueltig\xff.pdf")}) {
        const int fd = ::open((ordner + name).constData(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ::close(fd);
    }
    Dateilister lister;
    const Dateilister::Ergebnis e =
        lister.schreibeListe(nativ("laufwerk"), QLatin1Char('D'), nativ("liste.txt"));
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.uebersprungen, 3);
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

TEST_F(DateilisterTest, VerweisAufDateiJaAufOrdnerNein) {
    ASSERT_EQ(::symlink(QFile::encodeName(nativ("laufwerk/a.pdf")).constData(),
                        QFile::encodeName(nativ("laufwerk/Leer/verweis.pdf")).constData()),
              0);
    ASSERT_EQ(::symlink(QFile::encodeName(nativ("laufwerk")).constData(),
                        QFile::encodeName(nativ("laufwerk/Leer/schleife")).constData()),
              0);
    Dateilister lister;
    ASSERT_TRUE(lister.schreibeListe(nativ("laufwerk"), QLatin1Char('D'), nativ("liste.txt")).ok);
    EXPECT_EQ(lies("liste.txt"), erwarteteListe + "D:\\Leer\\verweis.pdf\r\n");
}

TEST_F(DateilisterTest, ProgrammMitEinstellungsdatei) {
    // The program reads the user's settings file below XDG_CONFIG_HOME. Written directly
    // to that file: this process may have fixed its settings folder before the fixture
    // moved XDG_CONFIG_HOME.
    {
        QSettings datei(qEnvironmentVariable("XDG_CONFIG_HOME") +
                            QStringLiteral("/Dorwent/Kelvora-PDF.conf"),
                        QSettings::IniFormat);
        datei.setValue(QStringLiteral("Laufwerk_T"), nativ("laufwerk"));
    }
    QProcess p;
    p.setWorkingDirectory(nativ());
    p.start(QStringLiteral(KELVORA_LISTER_PROGRAMM), {QStringLiteral("open"), QStringLiteral("T")});
    ASSERT_TRUE(p.waitForFinished(-1));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QByteArray erwartet = erwarteteListe;
    erwartet.replace("D:\\", "T:\\");
    EXPECT_EQ(lies("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt"), erwartet);
    EXPECT_FALSE(WindowRegistry::findfenster(QStringLiteral("Erstelle Dateiliste")).has_value());
}

TEST_F(DateilisterTest, WurzelDarfEinVerweisSein) {
    ASSERT_EQ(::symlink(QFile::encodeName(nativ("laufwerk")).constData(),
                        QFile::encodeName(nativ("verweis")).constData()),
              0);
    Dateilister lister;
    ASSERT_TRUE(lister.schreibeListe(nativ("verweis"), QLatin1Char('D'), nativ("liste.txt")).ok);
    EXPECT_EQ(lies("liste.txt"), erwarteteListe);
}
