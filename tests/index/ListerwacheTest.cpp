#include "index/Listerwache.h"

#include "tests/common/TestUmgebung.h"

#include <vector>

namespace {

using Stand = Kindprozess::Stand;
using Zustand = Listerwache::Zustand;

struct Fall {
    const char* name;
    // Ticks before the ones listed: window absent, process as given.
    int vorlauf;
    Stand vorlaufStand;
    std::vector<Listerwache::Blick> blicke;
    // The state after every listed tick.
    std::vector<Zustand> erwartet;
};

} // namespace

TEST(Listerwache, ZustandNachJedemTick) {
    const Listerwache::Blick ohne{false, Stand::Unbekannt, false};
    const Listerwache::Blick fenster{true, Stand::Unbekannt, false};
    const Fall faelle[] = {
        {"Fenster kam und ging",
         0,
         Stand::Unbekannt,
         {ohne, fenster, fenster, ohne},
         {Zustand::Wartet, Zustand::Wartet, Zustand::Wartet, Zustand::Fertig}},
        {"120 Ticks ohne Fenster",
         Listerwache::Grenze - 1,
         Stand::Unbekannt,
         {ohne},
         {Zustand::Aufgegeben}},
        {"Fenster im letzten Tick",
         Listerwache::Grenze - 1,
         Stand::Unbekannt,
         {fenster},
         {Zustand::Wartet}},
        // A lister that wrote its list between two ticks never shows its window.
        {"schnell und erfolgreich",
         1,
         Stand::Laeuft,
         {{false, Stand::Erfolg, true}},
         {Zustand::Fertig}},
        {"erfolgreich ohne Liste",
         0,
         Stand::Unbekannt,
         {{false, Stand::Erfolg, false}},
         {Zustand::Gescheitert}},
        // An old list on disk does not make a failed lister a success.
        {"mit Fehler beendet",
         0,
         Stand::Unbekannt,
         {{false, Stand::Fehler, true}},
         {Zustand::Gescheitert}},
        {"Fenster ging, dann Fehler",
         0,
         Stand::Unbekannt,
         {{true, Stand::Laeuft, false}, {false, Stand::Laeuft, true}, {false, Stand::Fehler, true}},
         {Zustand::Wartet, Zustand::Wartet, Zustand::Gescheitert}},
        {"Fenster ging, dann Erfolg",
         0,
         Stand::Unbekannt,
         {{true, Stand::Laeuft, false}, {false, Stand::Laeuft, true}, {false, Stand::Erfolg, true}},
         {Zustand::Wartet, Zustand::Wartet, Zustand::Fertig}},
    };
    for (const Fall& f : faelle) {
        Listerwache w;
        for (int i = 0; i < f.vorlauf; ++i)
            ASSERT_EQ(w.tick({false, f.vorlaufStand, false}), Zustand::Wartet) << f.name << i;
        for (size_t i = 0; i < f.blicke.size(); ++i)
            EXPECT_EQ(w.tick(f.blicke[i]), f.erwartet[i]) << f.name << " Tick " << i;
    }
}

// A started lister whose window went but whose process keeps running gets another minute
// to end; then the window's rule holds.
TEST(Listerwache, NachlaufEinesGestartetenListers) {
    Listerwache w;
    ASSERT_EQ(w.tick({true, Stand::Laeuft, false}), Zustand::Wartet);
    for (int i = 1; i < Listerwache::Grenze; ++i)
        ASSERT_EQ(w.tick({false, Stand::Laeuft, true}), Zustand::Wartet) << i;
    EXPECT_EQ(w.tick({false, Stand::Laeuft, true}), Zustand::Fertig);
}

TEST(Listerwache, Meldungen) {
    EXPECT_TRUE(
        Listerwache::abbruchStatus().startsWith("\"ErstelleDateiliste.exe\" wurde abgebrochen"));
    Kindprozess ohneListe;
    ASSERT_TRUE(ohneListe.starten("/bin/sh", {"-c", "exit 0"}));
    ASSERT_TRUE(ohneListe.warten(10000));
    EXPECT_EQ(Listerwache::gescheitertMeldung(ohneListe, "T:\\Datenbank\\L.txt"),
              QStringLiteral("\"ErstelleDateiliste\" hat keine Hauptdateiliste hinterlassen! Die "
                             "Datei T:\\Datenbank\\L.txt fehlt."));
    Kindprozess fehler;
    ASSERT_TRUE(fehler.starten("/bin/sh", {"-c", "echo 'Laufwerk Q ist nicht zugeordnet.' >&2; "
                                                 "exit 1"}));
    ASSERT_TRUE(fehler.warten(10000));
    EXPECT_EQ(Listerwache::gescheitertMeldung(fehler, "T:\\Datenbank\\L.txt"),
              QStringLiteral("\"ErstelleDateiliste\" ist mit dem Fehler 1 beendet worden. Die "
                             "Hauptdateiliste wurde nicht erstellt.\nLaufwerk Q ist nicht "
                             "zugeordnet."));
}
