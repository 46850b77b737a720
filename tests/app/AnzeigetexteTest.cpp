#include "app/Anzeigetexte.h"
#include "app/Virenscannerwache.h"
#include "index/Laufzeit.h"

#include "tests/common/TestUmgebung.h"

TEST(Anzeigetexte, ZaehlerzeileMitTausenderpunkten) {
    EXPECT_EQ(laufzeitText(3 * 3600 + 5 * 60 + 7), "3:5:7");
    EXPECT_EQ(laufzeitText(0), "0:0:0");
    EXPECT_EQ(Anzeigetexte::zaehlerZeile(1234, "0:0:1"),
              "Anzahl Dateien:     1.234     Zeit: 0:0:1");
    EXPECT_EQ(Anzeigetexte::zaehlerZeile(12, "0:0:1"), "Anzahl Dateien:     12     Zeit: 0:0:1");
    // Each tick count is cut to whole seconds before the difference is taken.
    EXPECT_EQ(Anzeigetexte::vergangeneSekunden(1900, 3100), 2);
}

TEST(Anzeigetexte, GeduldPunkteZaehlenBisFuenfUndBeginnenLeer) {
    const QStringList erwartet = {"", "°", "° °", "° ° °", "° ° ° °", "° ° ° ° °", ""};
    for (int i = 0; i < erwartet.size(); ++i)
        EXPECT_EQ(Anzeigetexte::geduldPunkte(i), erwartet.at(i)) << i;
}

// Without a scanner the watch ends at once and leaves title and status line alone.
TEST(Virenscannerwache, OhneScannerEndetDieWache) {
    Virenscannerwache w;
    const auto s = w.tick(false, "Datenbank wird neu erstellt.", "1 Größe: 3 KB", false);
    EXPECT_TRUE(s.anhalten);
    EXPECT_FALSE(s.titel.has_value());
    EXPECT_FALSE(s.status.has_value());
    EXPECT_EQ(w.zaehler(), 0);
}

// A scanner that goes away after its notice was shown: the notice is taken back.
TEST(Virenscannerwache, ScannerGehtWegUndDerHinweisAuch) {
    Virenscannerwache w;
    w.tick(true, "", "Kelvora", true);
    w.tick(true, "", "Kelvora", true);
    const auto weg = w.tick(false,
                            "Datenbank wird aktualisiert. Bitte Geduld! Windows Defender "
                            "überprüft gerade Kelvora.",
                            "Bitte Geduld! Windows Defender überprüft gerade Kelvora.", true);
    EXPECT_TRUE(weg.anhalten);
    EXPECT_EQ(weg.titel, QString());
    EXPECT_EQ(weg.status, QStringLiteral("Datenbank wird aktualisiert."));
    EXPECT_EQ(w.zaehler(), 0);
}

TEST(Virenscannerwache, ScannerMeldetUndHaeltNachFuenf) {
    Virenscannerwache w;
    EXPECT_FALSE(w.tick(true, "", "Kelvora", true).titel.has_value());
    const auto zwei = w.tick(true, "", "Kelvora", true);
    EXPECT_EQ(zwei.titel,
              QStringLiteral("Bitte Geduld! Windows Defender überprüft gerade Kelvora."));
    EXPECT_EQ(zwei.status, QStringLiteral("Datenbank wird aktualisiert. Bitte Geduld! Windows "
                                          "Defender überprüft gerade Kelvora."));
    // A title that names the file being converted stays.
    EXPECT_FALSE(w.tick(true, "", "Kelvora-Datei: a.pdf", true).titel.has_value());
    w.tick(true, "", "Kelvora", true);
    const auto fuenf = w.tick(true, "", "Kelvora", false);
    EXPECT_TRUE(fuenf.anhalten);
    EXPECT_EQ(fuenf.titel, QString());
    EXPECT_EQ(fuenf.status, "Datenbank wird neu erstellt.");
    EXPECT_EQ(w.zaehler(), 0);
}

TEST(Virenscannerwache, FertigeIndizierungHaeltSofortUndBehaeltDenStatus) {
    Virenscannerwache w;
    const auto s = w.tick(true, "Fertig mit der Indizierung.", "Kelvora", false);
    EXPECT_TRUE(s.anhalten);
    EXPECT_EQ(s.titel, QString());
    EXPECT_FALSE(s.status.has_value());
}
