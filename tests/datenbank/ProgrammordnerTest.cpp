#include "datenbank/Programmordner.h"

#include "platform/DriveMap.h"
#include "platform/Notifier.h"
#include "tests/common/TestUmgebung.h"

#include <QFile>

using ProgrammordnerTest = Umgebung;

TEST_F(ProgrammordnerTest, ArgumentEntscheidetDenOrdner) {
    const DriveMap& map = DriveMap::global();
    const QString heim = nativ("heim");
    const auto ohne = Programmordner::bestimmen({}, nativ("aktuell"), nativ("bin"), heim, map);
    EXPECT_EQ(ohne.pfad(), QStringLiteral("T:\\aktuell\\"));
    const auto mit = Programmordner::bestimmen({"egal"}, nativ("aktuell"), nativ("bin"), heim, map);
    EXPECT_EQ(mit.pfad(), QStringLiteral("T:\\bin\\"));
    EXPECT_EQ(mit.datenbank("A.dat"), QStringLiteral("T:\\bin\\Datenbank\\A.dat"));
    EXPECT_EQ(mit.temp("x"), QStringLiteral("T:\\bin\\Datenbank\\Temp\\x"));
    // The menu entry's switch, also among other arguments.
    for (const QStringList& argumente :
         {QStringList{"--benutzerordner"}, QStringList{"egal", "--benutzerordner"}})
        EXPECT_EQ(
            Programmordner::bestimmen(argumente, nativ("aktuell"), nativ("bin"), heim, map).pfad(),
            QStringLiteral("T:\\heim\\Kelvora-PDF\\"));
}

TEST_F(ProgrammordnerTest, DatenordnerUndWarnung) {
    ProtokollNotifier notifier;
    Programmordner(win()).ordnerAnlegen(notifier);
    EXPECT_TRUE(gibt("Datenbank/Suchwoerterlisten"));
    EXPECT_TRUE(gibt("Datenbank/Temp"));
    EXPECT_TRUE(notifier.meldungen().empty());

    schreibe("blockiert", "eine Datei, kein Ordner");
    Programmordner(win("blockiert")).ordnerAnlegen(notifier);
    ASSERT_FALSE(notifier.meldungen().empty());
    EXPECT_EQ(notifier.meldungen().front().art, Notifier::Art::Warnung);
    EXPECT_EQ(notifier.meldungen().front().text,
              QStringLiteral("Kann das Verzeichnis T:\\blockiert\\Datenbank nicht anlegen!"));
}

TEST_F(ProgrammordnerTest, TempWirdGeleert) {
    schreibe("Datenbank/Temp/Seite1.htm", "x");
    schreibe("Datenbank/Temp/alt/y", "y");
    schreibe("Datenbank/A.dat", "bleibt");
    Programmordner(win()).tempLeeren();
    EXPECT_TRUE(gibt("Datenbank/Temp"));
    EXPECT_FALSE(gibt("Datenbank/Temp/Seite1.htm"));
    EXPECT_FALSE(gibt("Datenbank/Temp/alt"));
    EXPECT_TRUE(gibt("Datenbank/A.dat"));
}

TEST(Programmordner, Steuerordner) {
    const Programmordner o(QStringLiteral("C:\\Programme\\Kelvora\\"));
    EXPECT_TRUE(o.steuerordnerWirksam(QStringLiteral("KELVORA")));
    EXPECT_FALSE(o.steuerordnerWirksam(QString()));
    EXPECT_FALSE(o.steuerordnerWirksam(QStringLiteral("D:\\")));
}
