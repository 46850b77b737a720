#include "platform/DriveMap.h"

#include "tests/common/TestUmgebung.h"

#include <QDir>

using DriveMapTest = Umgebung;

TEST_F(DriveMapTest, StandardLaufwerke) {
    const DriveMap map;
    EXPECT_EQ(map.wurzel(QLatin1Char('H')), QDir::homePath());
    EXPECT_EQ(map.wurzel(QLatin1Char('z')), QStringLiteral("/"));
    EXPECT_TRUE(map.wurzel(QLatin1Char('Q')).isEmpty());
    EXPECT_EQ(map.nativ(QStringLiteral("Z:\\etc\\hosts")), QStringLiteral("/etc/hosts"));
    EXPECT_TRUE(map.nativ(QStringLiteral("Q:\\x")).isEmpty());
    EXPECT_TRUE(map.nativ(QStringLiteral("relativ\\x")).isEmpty());
    EXPECT_EQ(map.nativ(QStringLiteral("/schon/nativ")), QStringLiteral("/schon/nativ"));
    EXPECT_EQ(map.dateisystemName(QLatin1Char('Z')), QStringLiteral("NTFS"));
    EXPECT_TRUE(map.dateisystemName(QLatin1Char('Q')).isEmpty());
}

TEST_F(DriveMapTest, EinstellungOrdnetBuchstabenZu) {
    SpeicherEinstellungen e;
    e.werte["Laufwerk_D"] = nativ("daten");
    DriveMap map;
    map.konfigurieren(e);
    EXPECT_EQ(map.nativ(QStringLiteral("D:\\Akten\\a.pdf")), nativ("daten/Akten/a.pdf"));
    EXPECT_EQ(map.nativ(QStringLiteral("d:\\")), nativ("daten"));
    EXPECT_EQ(map.nativ(QStringLiteral("D:\\Akten\\")), nativ("daten/Akten/"));
    // The longest root wins when the native path lies below several.
    EXPECT_EQ(map.windows(nativ("daten/Akten/a.pdf")), QStringLiteral("D:\\Akten\\a.pdf"));
    EXPECT_EQ(map.windows(QStringLiteral("/usr/share")), QStringLiteral("Z:\\usr\\share"));
    EXPECT_EQ(map.windows(QDir::homePath() + "/x"), QStringLiteral("H:\\x"));
}

TEST_F(DriveMapTest, NamenOhneRuecksichtAufGrossKlein) {
    schreibe("Akten/Rechnung März.PDF", "x");
    DriveMap& map = DriveMap::global();
    EXPECT_EQ(map.nativ(QStringLiteral("T:\\AKTEN\\rechnung märz.pdf")),
              nativ("Akten/Rechnung März.PDF"));
    // A name that does not exist in any spelling stays as written.
    EXPECT_EQ(map.nativ(QStringLiteral("T:\\akten\\Neu.txt")), nativ("Akten/Neu.txt"));
    EXPECT_EQ(map.windows(nativ("Akten/Rechnung März.PDF")),
              QStringLiteral("T:\\Akten\\Rechnung März.PDF"));
}
