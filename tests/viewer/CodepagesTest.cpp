#include "viewer/Codepages.h"

#include "tests/common/TestUmgebung.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

QByteArray alleBytes(int ab = 0) {
    QByteArray b;
    for (int i = ab; i < 256; ++i)
        b.append(char(i));
    return b;
}

QString einzeln(char16_t c) {
    return QString(QChar(c));
}

} // namespace

TEST(Codepages, SiebzigDreiEintraegeInTabellenfolge) {
    EXPECT_EQ(EncodingAnzahl, 73);
    EXPECT_EQ(int(encUnicodeBE), 72);
    EXPECT_EQ(int(encUnicodeLE), 71);
    EXPECT_EQ(int(encWEuroWin), 10);
    EXPECT_EQ(int(encCyrKOI8R), 21);
    EXPECT_EQ(int(encEBUSCanada), 48);
    EXPECT_EQ(int(encEBCyrSerbian), 70);
    EXPECT_EQ(CodepageOf(encWEuroDOS), 850u);
    EXPECT_EQ(CodepageOf(encHebISO1), 38598u);
    EXPECT_EQ(CodepageOf(encHebISO2), 28598u);
    EXPECT_EQ(CodepageOf(encEBCyrSerbian), 21025u);
    EXPECT_EQ(CodepageOf(encOEM), 1u);
    EXPECT_EQ(CodepageOf(encMac), 2u);
    for (TTextEncoding e : {encANSI, encEBCDIC, encKOI8, encISO, encUnicodeLE, encUnicodeBE})
        EXPECT_EQ(CodepageOf(e), 0xFFFFFFFFu) << int(e);
    // Every real code page appears once, every entry has a name.
    QSet<quint32> seiten;
    QSet<QString> namen;
    for (int e = encWEuroDOS; e <= encEBCyrSerbian; ++e)
        seiten.insert(CodepageOf(TTextEncoding(e)));
    for (int e = 0; e < EncodingAnzahl; ++e)
        namen.insert(EncodingName(TTextEncoding(e)));
    EXPECT_EQ(seiten.size(), encEBCyrSerbian - encWEuroDOS + 1);
    EXPECT_EQ(namen.size(), EncodingAnzahl);
    EXPECT_FALSE(namen.contains(QString()));
}

TEST(Codepages, Anzeigenamen) {
    EXPECT_EQ(EncodingName(encANSI), "ANSI (Windows)");
    EXPECT_EQ(EncodingName(encOEM), "OEM (DOS)");
    EXPECT_EQ(EncodingName(encMac), "Mac");
    EXPECT_EQ(EncodingName(encCyrKOI8R), "Cyrillic (KOI8-R)");
    EXPECT_EQ(EncodingName(encUnicodeBE), "Unicode (UTF-16 BE)");
    EXPECT_EQ(EncodingName(encWEuroWin), "Western European (Windows-1252)");
    EXPECT_EQ(EncodingName(encHebISO1), "Hebrew (ISO 8859-8, ISO-Logical)");
    EXPECT_EQ(EncodingName(encEBLatin1), "IBM EBCDIC (Latin 1/Open System)");
    EXPECT_EQ(EncodingName(encLatin3), "Latin 3 (ISO 8859-3)");
    EXPECT_EQ(EncodingName(encViet), "Vietnamese (Windows-1258)");
    EXPECT_EQ(GroupName(10), "Thai");
    EXPECT_EQ(EncodingGroup(encCEuroMac), 2);
    EXPECT_EQ(EncodingGroup(encKOI8), 0);
}

TEST(Codepages, VerfuegbarkeitDerErstenSechsUndDerUnicodeEintraege) {
    for (int e = encANSI; e <= encMac; ++e)
        EXPECT_TRUE(EncodingAvailable(TTextEncoding(e))) << e;
    EXPECT_FALSE(EncodingAvailable(encUnicodeLE));
    EXPECT_FALSE(EncodingAvailable(encUnicodeBE));
    // 1252 goes through the platform's own conversion and is always there.
    EXPECT_TRUE(EncodingAvailable(encWEuroWin));
    EXPECT_TRUE(EncodingAvailable(encWEuroDOS));
    EXPECT_TRUE(EncodingAvailable(encCyrKOI8R));
    EXPECT_TRUE(EncodingAvailable(encEBUSCanada));
}

TEST(Codepages, LeererTextBleibtLeerInJederKodierung) {
    for (int e = 0; e < EncodingAnzahl; ++e) {
        const QString w = ToWide(QByteArray(), TTextEncoding(e));
        EXPECT_TRUE(w.isEmpty()) << e;
    }
}

TEST(Codepages, BekannteBytesJeGruppe) {
    EXPECT_EQ(ToWide("\x8E", encWEuroDOS), einzeln(0x00C4));  // Ä in IBM-850
    EXPECT_EQ(ToWide("\x8E", encOEM), einzeln(0x00C4));       // the OEM page is 850
    EXPECT_EQ(ToWide("\xA4", encWEuroISO2), einzeln(0x20AC)); // € in 8859-15
    EXPECT_EQ(ToWide("\xA4", encWEuroISO1), einzeln(0x00A4));
    EXPECT_EQ(ToWide("\x80", encWEuroMac), einzeln(0x00C4));
    EXPECT_EQ(ToWide("\x80", encWEuroWin), einzeln(0x20AC));
    EXPECT_EQ(ToWide("\x81", encWEuroWin), einzeln(0x0081));
    EXPECT_EQ(ToWide("\x8A", encCEuroWin), einzeln(0x0160)); // Š
    EXPECT_EQ(ToWide("\xB9", encCEuroISO), einzeln(0x0161)); // š in 8859-2
    EXPECT_EQ(ToWide("\xD0", encBalWin), einzeln(0x0160));
    EXPECT_EQ(ToWide("\xC4", encCyrKOI8R), einzeln(0x0434)); // д
    EXPECT_EQ(ToWide("\xC0", encCyrWin), einzeln(0x0410));   // А
    EXPECT_EQ(ToWide("\x80", encCyrDOS), einzeln(0x0410));
    EXPECT_EQ(ToWide("\xC1", encGreekWin), einzeln(0x0391)); // Α
    EXPECT_EQ(ToWide("\xD0", encTurWin), einzeln(0x011E));   // Ğ
    EXPECT_EQ(ToWide("\xC7", encArWin), einzeln(0x0627));    // ا
    EXPECT_EQ(ToWide("\xE0", encHebWin), einzeln(0x05D0));   // א
    EXPECT_EQ(ToWide("\xA1", encThai), einzeln(0x0E01));     // ก
    EXPECT_EQ(ToWide("\xC1", encEBUSCanada), einzeln(u'A'));
    EXPECT_EQ(ToWide("\xC1\xC2\x40\xF1", encEBCDIC), QStringLiteral("AB 1"));
    EXPECT_EQ(ToWide("\x4A", encEBGermany), einzeln(0x00C4)); // Ä in EBCDIC 273
    EXPECT_EQ(ToWide("Hallo", encANSI), QStringLiteral("Hallo"));
    EXPECT_EQ(ToWide("\xE4", encANSI), einzeln(0x00E4));
}

TEST(Codepages, UnicodeEintraegeGebenFragezeichen) {
    EXPECT_EQ(ToWide("ab", encUnicodeLE), "?");
    EXPECT_EQ(ToWide("ab", encUnicodeBE), "?");
}

TEST(Codepages, FehlendeCodepageGibtFragezeichenFuerDenGanzenText) {
    Codepages k;
    ASSERT_TRUE(k.verfuegbar(encCyrWin));
    k.setVerfuegbar(encCyrWin, false);
    EXPECT_EQ(k.ToWide("\xC0\xC1", encCyrWin), "?");
    EXPECT_EQ(k.ToWide("abc", encCyrWin), "?");
}

TEST(Codepages, IsoFolgtDerAnsiCodepage) {
    Codepages west;
    EXPECT_EQ(west.ToWide("\xC4", encISO), einzeln(0x00C4));
    Codepages kyrillisch(1251);
    EXPECT_EQ(kyrillisch.isoZuAnsi(), encCyrISO);
    EXPECT_EQ(kyrillisch.ToWide("\xC4", encISO), einzeln(0x0424));  // Ф in 8859-5
    EXPECT_EQ(kyrillisch.ToWide("\xC0", encANSI), einzeln(0x0410)); // А in 1251
    EXPECT_EQ(Codepages(1250).isoZuAnsi(), encCEuroISO);
    EXPECT_EQ(Codepages(1253).isoZuAnsi(), encGreekISO);
    EXPECT_EQ(Codepages(1254).isoZuAnsi(), encTurISO);
    EXPECT_EQ(Codepages(1255).isoZuAnsi(), encHebISO1);
    EXPECT_EQ(Codepages(1256).isoZuAnsi(), encArISO);
    EXPECT_EQ(Codepages(1257).isoZuAnsi(), encBalISO1);
    EXPECT_EQ(Codepages(932).isoZuAnsi(), encWEuroISO1);
}

// The built-in tables stand in for a missing code page; they must say what the code page
// itself says.
TEST(Codepages, ErsatztabellenStimmenMitDerCodepageUeberein) {
    Codepages k;
    const QByteArray alle = alleBytes();
    ASSERT_TRUE(k.verfuegbar(encEBUSCanada));
    const QString ebcdic = k.ToWide(alle, encEBCDIC);
    k.setVerfuegbar(encEBUSCanada, false);
    EXPECT_EQ(k.ToWide(alle, encEBCDIC), ebcdic);

    ASSERT_TRUE(k.verfuegbar(encCyrKOI8R));
    const QString koi8 = k.ToWide(alle, encKOI8);
    EXPECT_EQ(koi8, k.ToWide(alle, encCyrKOI8R));
    k.setVerfuegbar(encCyrKOI8R, false);
    EXPECT_EQ(k.ToWide(alle, encKOI8), koi8);

    ASSERT_TRUE(k.verfuegbar(encWEuroISO1));
    const QString iso = k.ToWide(alle, encISO);
    k.setVerfuegbar(encWEuroISO1, false);
    EXPECT_EQ(k.ToWide(alle, encISO), iso);

    ASSERT_TRUE(k.verfuegbar(encWEuroMac));
    const QString mac = k.ToWide(alle, encMac);
    EXPECT_EQ(mac.at(0x80 + 0x5B), QChar(0x20AC));
    k.setVerfuegbar(encWEuroMac, false);
    EXPECT_EQ(k.ToWide(alle, encMac), mac);
}

TEST(Codepages, EinByteJeZeichenInAllenVerfuegbarenSeiten) {
    const QByteArray alle = alleBytes(1);
    for (int e = 0; e < encUnicodeLE; ++e) {
        if (!EncodingAvailable(TTextEncoding(e)))
            continue;
        EXPECT_EQ(ToWide(alle, TTextEncoding(e)).size(), alle.size()) << e;
    }
}

TEST(Codepages, IcuNamen) {
    EXPECT_EQ(Codepages::icuName(850), "ibm-850");
    EXPECT_EQ(Codepages::icuName(1251), "windows-1251");
    EXPECT_EQ(Codepages::icuName(28605), "ISO-8859-15");
    EXPECT_EQ(Codepages::icuName(28593), "ISO-8859-3");
    EXPECT_EQ(Codepages::icuName(10000), "macos-0_2-10.2");
    EXPECT_EQ(Codepages::icuName(37), "ibm-37");
    EXPECT_EQ(Codepages::icuName(20273), "ibm-273");
    EXPECT_EQ(Codepages::icuName(21025), "ibm-1025");
    EXPECT_EQ(Codepages::icuName(0xFFFFFFFFu), "");
}

TEST(Codepages, KleinschreibungWieAnsi) {
    EXPECT_EQ(CharLowerBuffA("ABC \xC4\xD6\xDC\xDF\xD7\x8A"),
              QByteArray("abc \xE4\xF6\xFC\xDF\xD7\x9A"));
    EXPECT_EQ(CharLowerBuffW(QStringLiteral("ÄÖÜ ẞ Ж")), QStringLiteral("äöü ß ж"));
    EXPECT_EQ(CharLowerBuffW(QStringLiteral("İ")).size(), 1);
}
