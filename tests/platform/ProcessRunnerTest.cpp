#include "platform/ProcessRunner.h"

#include "tests/common/TestUmgebung.h"

#include <cerrno>

// A bounded run keeps or drops each channel as asked, gives no input and reports exit codes;
// its time limit and cancel are checked with the converters that use them.
TEST(ProcessRunner, BegrenzterLaufKanaeleUndCodes) {
    using K = ProcessRunner::Kanaele;
    const K aus{true, K::Fehler::Verwerfen, {}}, beide{true, K::Fehler::InDieAusgabe, {}};
    const struct Fall {
        const char* programm;
        const char* skript;
        K kanaele;
        bool gestartet;
        int code;
        QByteArray ausgabe;
    } faelle[] = {
        {"/bin/sh", "echo aus; echo fehler >&2", {}, true, 0, ""},
        {"/bin/sh", "echo aus; sleep 0.1; echo fehler >&2", beide, true, 0, "aus\nfehler\n"},
        {"/bin/sh", "read zeile; echo \"[$zeile]\" >&2; echo aus; exit 3", aus, true, 3, "aus\n"},
        {"/bin/sh", "kill -9 $$", {}, true, 99, ""},
        {"/gibt es/nicht", "", {}, false, ENOENT, ""},
    };
    for (const Fall& f : faelle) {
        const ProcessRunner::Ergebnis e =
            ProcessRunner::ausfuehrenBegrenzt(f.programm, {"-c", f.skript}, {}, f.kanaele);
        EXPECT_EQ(e.gestartet, f.gestartet) << f.skript;
        EXPECT_EQ(e.code, f.code) << f.skript;
        EXPECT_EQ(e.ende, ProcessRunner::Ende::Beendet) << f.skript;
        EXPECT_EQ(e.ausgabe, f.ausgabe) << f.skript;
    }
}
