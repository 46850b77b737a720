#include "platform/Kindprozess.h"

#include "tests/common/TestUmgebung.h"

#include <QTest>

#include <cerrno>

TEST(Kindprozess, StandCodeUndFehlerausgabe) {
    struct Fall {
        const char* skript;
        Kindprozess::Stand stand;
        int code;
        const char* ausgabe;
    };
    const Fall faelle[] = {
        {"exit 0", Kindprozess::Stand::Erfolg, 0, ""},
        {"echo nur auf stdout; exit 0", Kindprozess::Stand::Erfolg, 0, ""},
        {"echo '  kaputt ' >&2; exit 3", Kindprozess::Stand::Fehler, 3, "kaputt"},
        {"kill -9 $$", Kindprozess::Stand::Fehler, 99, ""},
    };
    for (const Fall& f : faelle) {
        Kindprozess p;
        ASSERT_TRUE(p.starten("/bin/sh", {"-c", f.skript})) << f.skript;
        ASSERT_TRUE(p.warten(10000)) << f.skript;
        EXPECT_EQ(p.stand(), f.stand) << f.skript;
        EXPECT_EQ(p.code(), f.code) << f.skript;
        EXPECT_EQ(p.fehlerausgabe(), QString::fromUtf8(f.ausgabe)) << f.skript;
    }
}

TEST(Kindprozess, LaeuftBisZumEnde) {
    Kindprozess p;
    EXPECT_EQ(p.stand(), Kindprozess::Stand::Unbekannt);
    ASSERT_TRUE(p.starten("/bin/sh", {"-c", "sleep 0.3"}));
    EXPECT_EQ(p.stand(), Kindprozess::Stand::Laeuft);
    EXPECT_FALSE(p.warten(10));
    EXPECT_TRUE(p.warten(10000));
    EXPECT_EQ(p.stand(), Kindprozess::Stand::Erfolg);
}

// In a window the event loop notices the end first; the state must still come through.
TEST(Kindprozess, EndeWaehrendDieEreignisschleifeLaeuft) {
    Kindprozess p;
    ASSERT_TRUE(p.starten("/bin/sh", {"-c", "exit 4"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.stand() != Kindprozess::Stand::Laeuft; }, 10000));
    EXPECT_EQ(p.stand(), Kindprozess::Stand::Fehler);
    EXPECT_EQ(p.code(), 4);
}

TEST(Kindprozess, ProgrammFehlt) {
    Kindprozess p;
    EXPECT_FALSE(p.starten("/nicht/da/ErstelleDateiliste", {"open T"}));
    EXPECT_EQ(p.stand(), Kindprozess::Stand::Fehler);
    EXPECT_EQ(p.code(), ENOENT);
    EXPECT_TRUE(p.warten(0));
}
