#include "platform/Ansi.h"

#include "tests/common/TestUmgebung.h"

TEST(Ansi, JedesByteUeberlebtDieByteForm) {
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle.append(static_cast<char>(b));
    const QString text = Ansi::nachUnicode(alle);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(Ansi::ausUnicode(text), alle);
}

TEST(Ansi, WindowsBelegungDerOberenSteuerzone) {
    EXPECT_EQ(Ansi::zeichen(0x80), u'\u20AC');
    EXPECT_EQ(Ansi::zeichen(0x9F), u'\u0178');
    EXPECT_EQ(Ansi::zeichen(0x8A), u'\u0160');
    for (unsigned char frei : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(Ansi::zeichen(frei), frei);
    EXPECT_EQ(Ansi::zeichen(0xE4), u'ä');
    EXPECT_EQ(Ansi::ausUnicode(QStringLiteral("€ä\u4E2D")), QByteArray("\x80\xE4?"));
}

TEST(Ansi, ByteFormEinesUmlautPfads) {
    const QString pfad = QStringLiteral("H:\\Akten\\Bär.pdf");
    const QString form = Ansi::zuByteForm(pfad);
    // ä is C3 A4 in UTF-8: the characters Ã and ¤.
    EXPECT_EQ(form, QStringLiteral("H:\\Akten\\B\u00C3\u00A4r.pdf"));
    EXPECT_EQ(Ansi::ausUnicode(form), pfad.toUtf8());
    EXPECT_EQ(Ansi::ausByteForm(form), pfad);
    // Characters outside the BMP take four bytes and come back whole.
    const QString emoji = QString::fromUtf8("x\xF0\x9F\x98\x80y");
    EXPECT_EQ(Ansi::ausByteForm(Ansi::zuByteForm(emoji)), emoji);
}

// A byte that starts no valid sequence, or a sequence that breaks off, stands for the
// character of its value, and decoding goes on.
TEST(Ansi, Utf8OhneAufgeben) {
    const std::pair<QByteArray, QString> faelle[] = {
        {"B\xC3\xA4r", "Bär"},
        {"a\xE4\x62", "a\u00E4b"},
        {"\xE2\x82\x41", "\u00E2\u0082A"},
        // Overlong forms are not valid; neither is a lead cut off at the end.
        {"\xC0\xAF", "\u00C0\u00AF"},
        {"ok\xC3", "ok\u00C3"},
        {"\xF0\x9F\x98\x80", QString::fromUtf8("\xF0\x9F\x98\x80")},
    };
    for (const auto& [bytes, text] : faelle)
        EXPECT_EQ(Ansi::utf8Tolerant(bytes), text) << bytes.toHex().toStdString();
    // Surrogates encoded in UTF-8 are not valid either.
    EXPECT_EQ(Ansi::utf8Tolerant(QByteArray("\xED\xA0\x80")).size(), 3);
}

// 1252 lower case: A-Z, C0-DE but D7, and Š Œ Ž Ÿ; UTF-16 one unit at a time.
TEST(Ansi, KleinschreibungBehaeltDieLaenge) {
    EXPECT_EQ(Ansi::klein(QByteArray("ABC\xC4\xD6\xDC\xDF\xD7\xDE\x8A\x8C\x8E\x9F\x80")),
              QByteArray("abc\xE4\xF6\xFC\xDF\xD7\xFE\x9A\x9C\x9E\xFF\x80"));
    int geaendert = 0;
    for (int b = 0; b < 256; ++b)
        geaendert += Ansi::kleinTabelle()[b] != b;
    EXPECT_EQ(geaendert, 26 + 30 + 4);
    EXPECT_EQ(Ansi::kleinWide(QStringLiteral("ÄÖÜABCß Ж")), QStringLiteral("äöüabcß ж"));
    EXPECT_EQ(Ansi::kleinWide(QStringLiteral("ẞ İ")).size(), 3);
}
