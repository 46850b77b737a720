#include "app/Registrierwerte.h"

#include "tests/common/TestUmgebung.h"

TEST(Registrierwerte, ErststartSchreibtEinmalInTabellenfolge) {
    SpeicherEinstellungen e;
    EXPECT_TRUE(Registrierwerte::erststartWerteSchreiben(e));
    const std::vector<std::pair<QString, QString>> erwartet = {
        {"Ausgewaehlte_Datenbank", "-1"},
        {"Themen-Webseite", "0"},
        {"Ausgewaehlte_Webseite", "0"},
        {"Farbe", "$000090FF"},
        {"HinweistextFarbe", "clBlack"},
        {"Hoehe", "506"},
        {"Weite", "900"},
        {"SHoehe", "500"},
        {"SWeite", "900"},
        {"Browser", "standard"},
        {"Suchwort_in_Zwischenablage_kopieren", "1"},
        {"Kurzhinweis_imViewer_anzeigen", "1"},
    };
    EXPECT_EQ(e.schreibvorgaenge, erwartet);
    e.schreibvorgaenge.clear();
    EXPECT_FALSE(Registrierwerte::erststartWerteSchreiben(e));
    EXPECT_TRUE(e.schreibvorgaenge.empty());
}

TEST(Registrierwerte, SchmalerBildschirmBestimmtDieBreite) {
    EXPECT_EQ(Registrierwerte::standardBreite(800), 800);
    EXPECT_EQ(Registrierwerte::standardBreite(1024), 1024);
    EXPECT_EQ(Registrierwerte::standardBreite(1025), 900);
    SpeicherEinstellungen e;
    const auto leer = Registrierwerte::groessenLesen(e, 800);
    EXPECT_EQ(leer.weite, 800);
    EXPECT_EQ(leer.suchWeite, 800);
    EXPECT_EQ(leer.hoehe, 506);
    EXPECT_EQ(leer.suchHoehe, 500);
    e.werte["Weite"] = "1200";
    e.werte["SHoehe"] = "kaputt";
    const auto gelesen = Registrierwerte::groessenLesen(e, 800);
    EXPECT_EQ(gelesen.weite, 1200);
    EXPECT_EQ(gelesen.suchHoehe, 500);
}

TEST(Registrierwerte, AuswahlIndex) {
    EXPECT_EQ(Registrierwerte::auswahlIndex("", 3), 0);
    EXPECT_EQ(Registrierwerte::auswahlIndex("2", 3), 2);
    EXPECT_EQ(Registrierwerte::auswahlIndex("3", 3), 0);
    EXPECT_EQ(Registrierwerte::auswahlIndex("5", 3), 0);
    EXPECT_EQ(Registrierwerte::auswahlIndex("-1", 3), 0);
    EXPECT_EQ(Registrierwerte::auswahlIndex("-1", 0), 0);
}
