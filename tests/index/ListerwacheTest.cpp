#include "index/Listerwache.h"

#include "tests/common/TestUmgebung.h"

#include <vector>

using Stand = Kindprozess::Stand;
using Zustand = Listerwache::Zustand;

TEST(Listerwache, ZustandNachJedemTick) {
    // Ticks first without window and with the process as given, then the listed ticks with
    // the state after each.
    struct Fall {
        const char* name;
        int vorlauf;
        Stand vorlaufStand;
        std::vector<Listerwache::Blick> blicke;
        std::vector<Zustand> erwartet;
    };
    constexpr Stand U = Stand::Unbekannt, L = Stand::Laeuft, E = Stand::Erfolg, F = Stand::Fehler;
    constexpr Zustand W = Zustand::Wartet, Ok = Zustand::Fertig, G = Zustand::Gescheitert;
    const Listerwache::Blick ohne{false, U, false}, fenster{true, U, false};
    const Fall faelle[] = {
        {"Fenster kam und ging", 0, U, {ohne, fenster, fenster, ohne}, {W, W, W, Ok}},
        {"120 Ticks ohne Fenster", Listerwache::Grenze - 1, U, {ohne}, {Zustand::Aufgegeben}},
        {"Fenster im letzten Tick", Listerwache::Grenze - 1, U, {fenster}, {W}},
        // A lister that wrote its list between two ticks never shows its window.
        {"schnell und erfolgreich", 1, L, {{false, E, true}}, {Ok}},
        {"erfolgreich ohne Liste", 0, U, {{false, E, false}}, {G}},
        // An old list on disk does not make a failed lister a success.
        {"mit Fehler beendet", 0, U, {{false, F, true}}, {G}},
        {"weg, Fehler", 0, U, {{true, L, false}, {false, L, true}, {false, F, true}}, {W, W, G}},
        {"weg, Erfolg", 0, U, {{true, L, false}, {false, L, true}, {false, E, true}}, {W, W, Ok}},
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

TEST(Listerwache, ErfolgOhneListe) {
    Kindprozess ohneListe;
    ASSERT_TRUE(ohneListe.starten("/bin/sh", {"-c", "exit 0"}));
    ASSERT_TRUE(ohneListe.warten(10000));
    EXPECT_EQ(Listerwache::gescheitertMeldung(ohneListe, "T:\\Datenbank\\L.txt"),
              QStringLiteral("\"ErstelleDateiliste\" hat keine Hauptdateiliste hinterlassen! Die "
                             "Datei T:\\Datenbank\\L.txt fehlt."));
}
