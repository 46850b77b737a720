#include "platform/Kindprozess.h"

#include "tests/common/TestUmgebung.h"

#include <QFile>
#include <QTest>

#include <cerrno>

// The state comes through also when the event loop notices the end first, as in a window.
TEST(Kindprozess, StandCodeUndFehlerausgabe) {
    using S = Kindprozess::Stand;
    const struct {
        const char* programm;
        const char* skript;
        S stand;
        int code;
        const char* ausgabe;
    } faelle[] = {{"/bin/sh", "echo nur auf stdout; echo '  kaputt ' >&2; sleep 0.3; exit 3",
                   S::Fehler, 3, "kaputt"},
                  {"/bin/sh", "kill -9 $$", S::Fehler, 99, ""},
                  {"/nicht/da/ErstelleDateiliste", "open T", S::Fehler, ENOENT, nullptr}};
    for (const auto& f : faelle) {
        Kindprozess p;
        EXPECT_EQ(p.stand(), S::Unbekannt);
        EXPECT_EQ(p.starten(f.programm, {"-c", f.skript}), QFile::exists(f.programm));
        EXPECT_TRUE(QTest::qWaitFor([&] { return p.stand() != S::Laeuft; }, 10000));
        EXPECT_TRUE(p.warten(0)) << f.skript;
        EXPECT_EQ(p.stand(), f.stand) << f.skript;
        EXPECT_EQ(p.code(), f.code) << f.skript;
        EXPECT_TRUE(!f.ausgabe || p.fehlerausgabe() == QString::fromUtf8(f.ausgabe)) << f.skript;
    }
}
