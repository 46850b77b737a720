#include "viewer/Codepages.h"

#include "tests/common/TestUmgebung.h"

namespace {

QByteArray alleBytes(int ab = 0) {
    QByteArray b;
    for (int i = ab; i < 256; ++i)
        b.append(char(i));
    return b;
}

constexpr quint32 keine = 0xFFFFFFFFu;

} // namespace

TEST(Codepages, EintraegeDerTabelle) {
    struct Fall {
        TTextEncoding e;
        int nummer;
        quint32 codepage;
        const char* name;
    };
    const Fall faelle[] = {
        {encANSI, 0, keine, "ANSI (Windows)"},
        {encOEM, 1, 1, "OEM (DOS)"},
        {encMac, 5, 2, "Mac"},
        {encWEuroDOS, 6, 850, "Western European (IBM-850)"},
        {encCyrKOI8R, 21, 20866, "Cyrillic (KOI8-R)"},
        {encLatin3, 30, 28593, "Latin 3 (ISO 8859-3)"},
        {encHebISO1, 42, 38598, "Hebrew (ISO 8859-8, ISO-Logical)"},
        {encHebISO2, 43, 28598, "Hebrew (ISO 8859-8, ISO-Visual)"},
        {encEBLatin1, 53, 1047, "IBM EBCDIC (Latin 1/Open System)"},
        {encEBCyrSerbian, 70, 21025, "IBM EBCDIC (Cyrillic Serbian-Bulgarian)"},
        {encUnicodeBE, 72, keine, "Unicode (UTF-16 BE)"},
    };
    EXPECT_EQ(EncodingAnzahl, 73);
    for (const Fall& f : faelle) {
        EXPECT_EQ(int(f.e), f.nummer);
        EXPECT_EQ(CodepageOf(f.e), f.codepage) << f.nummer;
        EXPECT_EQ(EncodingName(f.e), QString::fromUtf8(f.name));
    }
}

// The first six entries are always there, the UTF-16 entries never; the pages a German
// system converts with every day are there too.
TEST(Codepages, Verfuegbarkeit) {
    for (int e = encANSI; e <= encMac; ++e)
        EXPECT_TRUE(EncodingAvailable(TTextEncoding(e))) << e;
    EXPECT_FALSE(EncodingAvailable(encUnicodeLE));
    EXPECT_FALSE(EncodingAvailable(encUnicodeBE));
    for (TTextEncoding e : {encWEuroDOS, encWEuroISO2, encWEuroMac, encWEuroWin, encCEuroWin,
                            encCyrKOI8R, encCyrMacC, encEBUSCanada, encEBGermany, encEBCyrSerbian})
        EXPECT_TRUE(EncodingAvailable(e)) << int(e);
}

TEST(Codepages, LeererTextBleibtLeerInJederKodierung) {
    for (int e = 0; e < EncodingAnzahl; ++e)
        EXPECT_TRUE(ToWide(QByteArray(), TTextEncoding(e)).isEmpty()) << e;
}

TEST(Codepages, BekannteBytesJeGruppe) {
    const struct {
        TTextEncoding e;
        QByteArray bytes;
        QString text;
    } faelle[] = {
        {encANSI, "Hallo \xE4\x80\x81", QString::fromUtf16(u"Hallo ä€\u0081")},
        {encOEM, "\x8E", "Ä"}, // the OEM page of a German system is 850
        {encWEuroDOS, "\x8E", "Ä"},
        {encWEuroISO1, "\xA4", "¤"},
        {encWEuroISO2, "\xA4", "€"},
        {encWEuroMac, "\x80\xDB", "Ä€"},
        {encCEuroWin, "\x8A", "Š"},
        {encCEuroISO, "\xB9", "š"},
        {encBalWin, "\xD0", "Š"},
        {encCyrKOI8R, "\xC4", "д"},
        {encCyrWin, "\xC0", "А"},
        {encCyrDOS, "\x80", "А"},
        {encGreekWin, "\xC1", "Α"},
        {encTurWin, "\xD0", "Ğ"},
        {encArWin, "\xC7", "ا"},
        {encHebWin, "\xE0", "א"},
        {encThai, "\xA1", "ก"},
        {encEBUSCanada, "\xC1", "A"},
        {encEBCDIC, "\xC1\xC2\x40\xF1", "AB 1"},
        {encEBGermany, "\x4A", "Ä"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ToWide(f.bytes, f.e), f.text) << int(f.e);
}

TEST(Codepages, EinByteJeZeichenInAllenVerfuegbarenSeiten) {
    const QByteArray alle = alleBytes(1);
    for (int e = 0; e < encUnicodeLE; ++e) {
        if (!EncodingAvailable(TTextEncoding(e)))
            continue;
        EXPECT_EQ(ToWide(alle, TTextEncoding(e)).size(), alle.size()) << e;
    }
}

TEST(Codepages, OhneCodepageEinFragezeichenFuerDenGanzenText) {
    EXPECT_EQ(ToWide("ab", encUnicodeLE), "?");
    EXPECT_EQ(ToWide("ab", encUnicodeBE), "?");
    Codepages k;
    k.setVerfuegbar(encCyrWin, false);
    EXPECT_EQ(k.ToWide("\xC0\xC1", encCyrWin), "?");
}

TEST(Codepages, IsoFolgtDerAnsiCodepage) {
    const std::pair<quint32, TTextEncoding> faelle[] = {
        {1250, encCEuroISO}, {1251, encCyrISO},  {1252, encWEuroISO1},
        {1253, encGreekISO}, {1254, encTurISO},  {1255, encHebISO1},
        {1256, encArISO},    {1257, encBalISO1}, {932, encWEuroISO1}};
    for (const auto& [ansi, iso] : faelle)
        EXPECT_EQ(Codepages(ansi).isoZuAnsi(), iso) << ansi;
    Codepages kyrillisch(1251);
    EXPECT_EQ(kyrillisch.ToWide("\xC4", encISO), "Ф"); // 8859-5
    EXPECT_EQ(kyrillisch.ToWide("\xC0", encANSI), "А");
    EXPECT_EQ(Codepages().ToWide("\xC4", encISO), "Ä");
}

// The built-in tables stand in for a missing code page; they must say what the code page
// itself says.
TEST(Codepages, ErsatztabellenStimmenMitDerCodepageUeberein) {
    const QByteArray alle = alleBytes();
    const std::pair<TTextEncoding, TTextEncoding> faelle[] = {{encEBCDIC, encEBUSCanada},
                                                              {encKOI8, encCyrKOI8R},
                                                              {encISO, encWEuroISO1},
                                                              {encMac, encWEuroMac}};
    for (const auto& [e, seite] : faelle) {
        Codepages k;
        const QString mitSeite = k.ToWide(alle, e);
        EXPECT_EQ(mitSeite, k.ToWide(alle, seite)) << int(e);
        k.setVerfuegbar(seite, false);
        EXPECT_EQ(k.ToWide(alle, e), mitSeite) << int(e);
    }
}
