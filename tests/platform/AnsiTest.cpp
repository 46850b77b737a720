#include "platform/Ansi.h"

#include "tests/common/TestUmgebung.h"

// Every byte survives; 80-9F hold the Windows characters but for the five unused ones; the
// byte form of a path shows its UTF-8 bytes as their 1252 characters and comes back whole.
TEST(Ansi, Codepage1252UndByteForm) {
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle.append(static_cast<char>(b));
    EXPECT_EQ(Ansi::ausUnicode(Ansi::nachUnicode(alle)), alle);
    EXPECT_EQ(Ansi::nachUnicode("\x80\x8A\x9F\x81\x8D\x8F\x90\x9D\xE4"),
              QString::fromUtf16(u"€ŠŸ\u0081\u008D\u008F\u0090\u009Dä"));
    EXPECT_EQ(Ansi::ausUnicode(QStringLiteral("€ä\u4E2D")), QByteArray("\x80\xE4?"));
    const QString pfad = QString::fromUtf8("H:\\Akten\\B\xC3\xA4r\xF0\x9F\x98\x80.pdf");
    EXPECT_EQ(Ansi::zuByteForm(pfad),
              QString::fromUtf16(u"H:\\Akten\\B\u00C3\u00A4r\u00F0\u0178\u02DC\u20AC.pdf"));
    EXPECT_EQ(Ansi::ausByteForm(Ansi::zuByteForm(pfad)), pfad);
}

// A byte that starts no valid sequence, or a sequence that breaks off, stands for the
// character of its value, and decoding goes on.
TEST(Ansi, Utf8OhneAufgeben) {
    const std::pair<QByteArray, QString> faelle[] = {
        {"a\xE4\x62", "a\u00E4b"},
        {"\xE2\x82\x41", "\u00E2\u0082A"},
        // Overlong forms, surrogates and a lead cut off at the end are not valid.
        {"\xC0\xAF", "\u00C0\u00AF"},
        {"\xED\xA0\x80", "\u00ED\u00A0\u0080"},
        {"ok\xC3", "ok\u00C3"},
    };
    for (const auto& [bytes, text] : faelle)
        EXPECT_EQ(Ansi::utf8Tolerant(bytes), text) << bytes.toHex().toStdString();
}

// 1252 lower case: A-Z, C0-DE but D7, and Š Œ Ž Ÿ; UTF-16 one unit at a time.
TEST(Ansi, KleinschreibungBehaeltDieLaenge) {
    EXPECT_EQ(Ansi::klein(QByteArray("ABC\xC0\xC4\xD6\xDC\xDF\xD7\xDE\x8A\x8C\x8E\x9F\x80\xFF")),
              QByteArray("abc\xE0\xE4\xF6\xFC\xDF\xD7\xFE\x9A\x9C\x9E\xFF\x80\xFF"));
    EXPECT_EQ(Ansi::kleinWide(QStringLiteral("ÄÖÜABCß Ж")), QStringLiteral("äöüabcß ж"));
    EXPECT_EQ(Ansi::kleinWide(QStringLiteral("ẞ İ")).size(), 3);
}
