#include "datenbank/Programmordner.h"

#include "platform/DriveMap.h"
#include "platform/Notifier.h"
#include "tests/common/TestUmgebung.h"

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

    // Each folder that cannot be made is reported, and start-up goes on with the next one.
    schreibe("blockiert", "eine Datei, kein Ordner");
    ProtokollNotifier blockiert;
    Programmordner(win("blockiert")).ordnerAnlegen(blockiert);
    EXPECT_EQ(blockiert.texte(),
              (QStringList{"Kann das Verzeichnis T:\\blockiert\\Datenbank nicht anlegen!",
                           "Kann das Verzeichnis T:\\blockiert\\Datenbank\\Suchwoerterlisten "
                           "nicht anlegen!",
                           "Kann das Verzeichnis T:\\blockiert\\Datenbank\\Temp nicht anlegen!"}));
    EXPECT_EQ(blockiert.meldungen().front().art, Notifier::Art::Warnung);
}

TEST(Programmordner, Steuerordner) {
    const Programmordner o("C:\\Programme\\Kelvora\\");
    EXPECT_TRUE(o.steuerordnerWirksam("KELVORA"));
    EXPECT_FALSE(o.steuerordnerWirksam(QString()));
    EXPECT_FALSE(o.steuerordnerWirksam("D:\\"));
}
