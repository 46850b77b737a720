#include "search/Mustersuche.h"

#include "platform/Ansi.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace {

// The plain reading of the rule: compare every place unit by unit after folding both sides.
qsizetype naivBytes(const QByteArray& in, const QByteArray& text, bool gross, qsizetype ab) {
    const QByteArray a = gross ? in : Ansi::klein(in), b = gross ? text : Ansi::klein(text);
    for (qsizetype i = ab; i + b.size() <= a.size(); ++i)
        if (a.mid(i, b.size()) == b)
            return i;
    return -1;
}

qsizetype naivWide(const QString& in, const QString& text, bool gross, qsizetype ab) {
    const QString a = gross ? in : in.toLower(), b = gross ? text : text.toLower();
    for (qsizetype i = ab; i + b.size() <= a.size(); ++i)
        if (QStringView(a).mid(i, b.size()) == b)
            return i;
    return -1;
}

} // namespace

// Random texts over few letters with their upper-case partners (A, Ä, Š, also ß and ×,
// which have none), so that places that pass the sieve abound, and every start position,
// also those in the last few bytes that the wide compares cannot cover.
TEST(Mustersuche, BytesWieDerVergleichJederStelle) {
    const QByteArray alphabet = "aAbB \xE4\xC4\x8A\x9A\xDF\xD7.";
    QRandomGenerator z(7);
    for (int runde = 0; runde < 300; ++runde) {
        QByteArray in;
        const int n = int(z.bounded(120));
        for (int i = 0; i < n; ++i)
            in += alphabet.at(z.bounded(alphabet.size()));
        QByteArray text;
        const int m = 1 + int(z.bounded(4));
        for (int i = 0; i < m; ++i)
            text += alphabet.at(z.bounded(alphabet.size()));
        for (const bool gross : {false, true}) {
            const Mustersuche::Bytemuster muster(text, gross);
            const auto* s = reinterpret_cast<const unsigned char*>(in.constData());
            for (qsizetype ab = 0; ab <= in.size(); ++ab)
                ASSERT_EQ(muster.finde(s, in.size(), ab), naivBytes(in, text, gross, ab))
                    << in.toHex().toStdString() << " / " << text.toHex().toStdString() << " ab "
                    << ab << (gross ? " gross" : " klein");
        }
    }
}

// Backwards the last place; the UTF-8 bytes of Ä (C3 84) and ä (C3 A4) are no case pair.
TEST(Mustersuche, RueckwaertsUndUtf8Bytes) {
    const QByteArray in = "abcabcABC";
    const auto* s = reinterpret_cast<const unsigned char*>(in.constData());
    EXPECT_EQ(Mustersuche::Bytemuster("abc", false).findeRueckwaerts(s, in.size(), 8), 6);
    EXPECT_EQ(Mustersuche::Bytemuster("abc", true).findeRueckwaerts(s, in.size(), 8), 3);
    EXPECT_EQ(Mustersuche::Bytemuster("abc", true).findeRueckwaerts(s, in.size(), 2), 0);
    const QByteArray utf8 = "\xC3\x84rger";
    EXPECT_EQ(Mustersuche::Bytemuster("\xC3\xA4rger", false)
                  .finde(reinterpret_cast<const unsigned char*>(utf8.constData()), utf8.size(), 0),
              -1);
}

TEST(Mustersuche, Utf16WieDerVergleichJederStelle) {
    const QString alphabet = QStringLiteral("aAÄäΣσς ß");
    QRandomGenerator z(11);
    for (int runde = 0; runde < 200; ++runde) {
        QString in, text;
        const int n = int(z.bounded(60));
        for (int i = 0; i < n; ++i)
            in += alphabet.at(z.bounded(alphabet.size()));
        const int m = 1 + int(z.bounded(3));
        for (int i = 0; i < m; ++i)
            text += alphabet.at(z.bounded(alphabet.size()));
        for (const bool gross : {false, true}) {
            const Mustersuche::Widemuster muster(text, gross);
            const auto* s = reinterpret_cast<const char16_t*>(in.constData());
            for (qsizetype ab = 0; ab <= in.size(); ++ab)
                ASSERT_EQ(muster.finde(s, in.size(), ab), naivWide(in, text, gross, ab))
                    << in.toStdString() << " / " << text.toStdString();
        }
    }
}

TEST(Mustersuche, Trennzeichen) {
    for (char16_t c = 0; c < 300; ++c) {
        const bool wortzeichen = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                                 (c >= 'a' && c <= 'z') || c == '_' || c >= 128;
        EXPECT_EQ(Mustersuche::istTrenner(c), !wortzeichen) << int(c);
    }
}
