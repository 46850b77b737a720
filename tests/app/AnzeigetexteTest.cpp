#include "app/Anzeigetexte.h"
#include "app/Virenscannerwache.h"
#include "index/Laufzeit.h"

#include "tests/common/TestUmgebung.h"

#include <optional>

TEST(Anzeigetexte, ZaehlerzeileGeduldpunkteUndVirenscannerwache) {
    EXPECT_EQ(laufzeitText(3 * 3600 + 5 * 60 + 7), "3:5:7");
    EXPECT_EQ(Anzeigetexte::zaehlerZeile(1234, "0:0:1"),
              "Anzahl Dateien:     1.234     Zeit: 0:0:1");
    // Each tick count is cut to whole seconds before the difference is taken.
    EXPECT_EQ(Anzeigetexte::vergangeneSekunden(1900, 3100), 2);
    const QStringList punkte = {"", "°", "° °", "° ° °", "° ° ° °", "° ° ° ° °", ""};
    for (int i = 0; i < punkte.size(); ++i)
        EXPECT_EQ(Anzeigetexte::geduldPunkte(i), punkte.at(i)) << i;
    // The ticks of a run, and what the last one shows; a watch that stops starts from zero.
    const QString geduld = "Bitte Geduld! Windows Defender überprüft gerade Kelvora.";
    const QString neu = QStringLiteral("Datenbank wird neu erstellt.");
    const QString akt = QStringLiteral("Datenbank wird aktualisiert. ");
    struct Takt {
        bool scanner;
        QString status, titel;
        bool aktualisierung = true;
    };
    const Takt scan{true, "", "Kelvora"};
    const struct {
        const char* name;
        std::vector<Takt> takte;
        bool anhalten;
        std::optional<QString> titel, status;
    } faelle[] = {
        {"ohne Scanner", {{false, neu, "1 Größe: 3 KB", false}}, true, {}, {}},
        {"erster Takt mit Scanner", {scan}, false, {}, {}},
        {"zweiter Takt meldet", {scan, scan}, false, geduld, akt + geduld},
        {"Dateititel bleibt", {scan, scan, {true, "", "Kelvora-Datei: a.pdf"}}, false, {}, {}},
        {"nach fünf Takten", {scan, scan, scan, scan, {true, "", "Kelvora", false}}, true, "", neu},
        {"Scanner geht weg", {scan, scan, {false, akt + geduld, geduld}}, true, "", akt.trimmed()},
        {"fertig", {{true, "Fertig mit der Indizierung.", "Kelvora", false}}, true, "", {}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Virenscannerwache w;
        Virenscannerwache::Schritt s;
        for (const Takt& t : fall.takte)
            s = w.tick(t.scanner, t.status, t.titel, t.aktualisierung);
        EXPECT_EQ(s.anhalten, fall.anhalten);
        EXPECT_EQ(s.titel, fall.titel);
        EXPECT_EQ(s.status, fall.status);
        EXPECT_TRUE(!fall.anhalten || w.zaehler() == 0);
    }
}
