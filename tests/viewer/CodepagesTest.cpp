#include "viewer/Codepages.h"

#include "tests/common/TestUmgebung.h"

// 73 entries; the first six always offered, UTF-16 never: it has no code page, so a whole
// text is one "?"; known bytes of each group; the ISO entry follows the ANSI code page; the
// built-in tables stand in for a missing code page and say what the code page itself says,
// one character for each byte.
TEST(Codepages, EintraegeBytesUndErsatztabellen) {
    EXPECT_EQ(EncodingAnzahl, 73);
    for (int e = encANSI; e <= encMac; ++e)
        EXPECT_TRUE(EncodingAvailable(TTextEncoding(e))) << e;
    EXPECT_FALSE(EncodingAvailable(encUnicodeLE) || EncodingAvailable(encUnicodeBE));
    EXPECT_EQ(ToWide("ab", encUnicodeLE), "?");
    Codepages ohne;
    ohne.setVerfuegbar(encCyrWin, false);
    EXPECT_EQ(ohne.ToWide("\xC0\xC1", encCyrWin), "?");

    const struct {
        TTextEncoding e;
        QByteArray bytes;
        QString text;
        quint32 ansi = 1252;
    } faelle[] = {
        {encANSI, "Hallo \xE4\x80\x81", QString::fromUtf16(u"Hallo ä€\u0081")},
        {encOEM, "\x8E", "Ä"}, // the OEM page of a German system is 850
        {encWEuroISO2, "\xA4", "€"},
        {encCyrKOI8R, "\xC4", "д"},
        {encArWin, "\xC7", "ا"},
        {encEBGermany, "\x4A\xC1\x40\xF1", "ÄA 1"},
        {encISO, "\xC4", "Ф", 1251}, // 8859-5
        {encANSI, "\xC0", "А", 1251},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Codepages(f.ansi).ToWide(f.bytes, f.e), f.text) << int(f.e) << ' ' << f.ansi;
    const std::pair<quint32, TTextEncoding> iso[] = {
        {1250, encCEuroISO}, {1251, encCyrISO}, {1257, encBalISO1}, {932, encWEuroISO1}};
    for (const auto& [ansi, erwartet] : iso)
        EXPECT_EQ(Codepages(ansi).isoZuAnsi(), erwartet) << ansi;

    QByteArray alle;
    for (int i = 0; i < 256; ++i)
        alle.append(char(i));
    const std::pair<TTextEncoding, TTextEncoding> ersatz[] = {{encEBCDIC, encEBUSCanada},
                                                              {encKOI8, encCyrKOI8R},
                                                              {encISO, encWEuroISO1},
                                                              {encMac, encWEuroMac}};
    for (const auto& [e, seite] : ersatz) {
        Codepages k;
        const QString mitSeite = k.ToWide(alle, e);
        EXPECT_EQ(mitSeite.size(), 256) << int(e);
        EXPECT_EQ(mitSeite, k.ToWide(alle, seite)) << int(e);
        k.setVerfuegbar(seite, false);
        EXPECT_EQ(k.ToWide(alle, e), mitSeite) << int(e);
    }
}
