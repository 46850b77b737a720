#include "app/Registrierwerte.h"

#include "tests/common/TestUmgebung.h"

TEST(Registrierwerte, ErststartGroessenUndAuswahl) {
    SpeicherEinstellungen e;
    EXPECT_TRUE(Registrierwerte::erststartWerteSchreiben(e));
    QStringList geschrieben;
    for (const auto& [name, wert] : e.schreibvorgaenge)
        geschrieben << name + '=' + wert;
    EXPECT_EQ(geschrieben.join(' '),
              "Ausgewaehlte_Datenbank=-1 Themen-Webseite=0 Ausgewaehlte_Webseite=0 Farbe=$000090FF "
              "HinweistextFarbe=clBlack Hoehe=506 Weite=900 SHoehe=500 SWeite=900 Browser=standard "
              "Suchwort_in_Zwischenablage_kopieren=1 Kurzhinweis_imViewer_anzeigen=1");
    e.schreibvorgaenge.clear();
    EXPECT_FALSE(Registrierwerte::erststartWerteSchreiben(e));
    EXPECT_TRUE(e.schreibvorgaenge.empty());
    // A narrow screen sets the width; a stored value beats the default, a broken one not.
    EXPECT_EQ(Registrierwerte::standardBreite(1024), 1024);
    EXPECT_EQ(Registrierwerte::standardBreite(1025), 900);
    SpeicherEinstellungen s;
    s.werte["Weite"] = "1200";
    s.werte["SHoehe"] = "kaputt";
    const auto g = Registrierwerte::groessenLesen(s, 800);
    EXPECT_EQ(std::vector({g.weite, g.hoehe, g.suchWeite, g.suchHoehe}),
              std::vector({1200, 506, 800, 500}));
    // The stored index of the database list; one outside it chooses the first.
    for (const auto& [gespeichert, anzahl, index] :
         std::initializer_list<std::tuple<const char*, int, int>>{
             {"", 3, 0}, {"2", 3, 2}, {"3", 3, 0}, {"-1", 3, 0}, {"-1", 0, 0}})
        EXPECT_EQ(Registrierwerte::auswahlIndex(gespeichert, anzahl), index) << gespeichert;
}
