#include "searchwin/Lesezeichen.h"

#include "tests/common/TestUmgebung.h"

TEST(Lesezeichen, WertnamenUndVierundsechzigBit) {
    SpeicherEinstellungen e;
    for (const auto& [v, name] : {std::pair{Dokumentvariante::Ansi, "Lesezeichen_Ansi_A"},
                                  {Dokumentvariante::Utf8, "Lesezeichen_Utf8_A"},
                                  {Dokumentvariante::Unicode, "Lesezeichen_Unicode_A"}}) {
        EXPECT_EQ(Lesezeichen::wertname(v, "A"), QString::fromLatin1(name));
        EXPECT_EQ(Lesezeichen::lesen(e, v, "A"), 0);
    }
    ASSERT_TRUE(
        Lesezeichen::LesezeichenBtnClick(e, Dokumentvariante::Unicode, "A", 5000000000LL, true));
    EXPECT_EQ(e.werte.value("Lesezeichen_Unicode_A"), "5000000000");
    EXPECT_EQ(Lesezeichen::lesen(e, Dokumentvariante::Unicode, "A"), 5000000000LL);
    e.werte.insert("Lesezeichen_Ansi_A", "kaputt");
    EXPECT_EQ(Lesezeichen::lesen(e, Dokumentvariante::Ansi, "A"), 0);
    EXPECT_FALSE(Lesezeichen::LesezeichenBtnClick(e, Dokumentvariante::Keine, "A", 7, true));
    EXPECT_FALSE(Lesezeichen::anspringen(0, true));
    EXPECT_FALSE(Lesezeichen::anspringen(-5, true));
    EXPECT_FALSE(Lesezeichen::anspringen(10, false));
}
