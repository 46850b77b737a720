#include "searchwin/Lesezeichen.h"

#include "tests/common/TestUmgebung.h"

TEST(Lesezeichen, Wertnamen) {
    for (const auto& [v, name] : {std::pair{Dokumentvariante::Ansi, "Lesezeichen_Ansi_Archiv"},
                                  {Dokumentvariante::Utf8, "Lesezeichen_Utf8_Archiv"},
                                  {Dokumentvariante::Unicode, "Lesezeichen_Unicode_Archiv"}})
        EXPECT_EQ(Lesezeichen::wertname(v, "Archiv"), QString::fromLatin1(name));
}

TEST(Lesezeichen, SchreibtNurWennDerViewerTextGezeichnetHat) {
    SpeicherEinstellungen e;
    EXPECT_FALSE(
        Lesezeichen::LesezeichenBtnClick(e, Dokumentvariante::Utf8, "Archiv", 1048576, false));
    EXPECT_FALSE(
        Lesezeichen::LesezeichenBtnClick(e, Dokumentvariante::Keine, "Archiv", 1048576, true));
    EXPECT_TRUE(e.schreibvorgaenge.empty());
    EXPECT_TRUE(
        Lesezeichen::LesezeichenBtnClick(e, Dokumentvariante::Utf8, "Archiv", 1048576, true));
    ASSERT_EQ(e.schreibvorgaenge.size(), 1u);
    EXPECT_EQ(e.schreibvorgaenge[0].first, "Lesezeichen_Utf8_Archiv");
    EXPECT_EQ(e.schreibvorgaenge[0].second, "1048576");
}

TEST(Lesezeichen, LesenVierundsechzigBit) {
    SpeicherEinstellungen e;
    Lesezeichen::LesezeichenBtnClick(e, Dokumentvariante::Unicode, "A", 5000000000LL, true);
    EXPECT_EQ(Lesezeichen::lesen(e, Dokumentvariante::Unicode, "A"), 5000000000LL);
    EXPECT_EQ(Lesezeichen::lesen(e, Dokumentvariante::Ansi, "A"), 0);
    e.werte.insert("Lesezeichen_Ansi_A", "kaputt");
    EXPECT_EQ(Lesezeichen::lesen(e, Dokumentvariante::Ansi, "A"), 0);
}

TEST(Lesezeichen, AnspringenNurPositivUndErlaubt) {
    EXPECT_TRUE(Lesezeichen::anspringen(10, true));
    EXPECT_FALSE(Lesezeichen::anspringen(10, false));
    EXPECT_FALSE(Lesezeichen::anspringen(0, true));
    EXPECT_FALSE(Lesezeichen::anspringen(-5, true));
}
