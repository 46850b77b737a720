#include "platform/Ansi.h"

#include "tests/common/TestUmgebung.h"

TEST(Ansi, JedesByteUeberlebtDieByteForm) {
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle.append(static_cast<char>(b));
    const QString text = Ansi::nachUnicode(alle);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(Ansi::ausUnicode(text), alle);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(Ansi::byteVon(Ansi::zeichen(static_cast<unsigned char>(b))), b) << b;
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

TEST(Ansi, Utf8OhneAufgeben) {
    EXPECT_EQ(Ansi::utf8Tolerant(QByteArray("B\xC3\xA4r")), QStringLiteral("Bär"));
    // A lone byte stands for the character of its value.
    EXPECT_EQ(Ansi::utf8Tolerant(QByteArray("a\xE4"
                                            "b")),
              QStringLiteral("a\u00E4b"));
    // A sequence that breaks off: the lead byte by itself, then go on.
    EXPECT_EQ(Ansi::utf8Tolerant(QByteArray("\xE2\x82"
                                            "A")),
              QStringLiteral("\u00E2\u0082A"));
    // Overlong forms and surrogates are not valid.
    EXPECT_EQ(Ansi::utf8Tolerant(QByteArray("\xC0\xAF")), QStringLiteral("\u00C0\u00AF"));
    EXPECT_EQ(Ansi::utf8Tolerant(QByteArray("\xED\xA0\x80")).size(), 3);
    // Cut at the end of the buffer.
    EXPECT_EQ(Ansi::utf8Tolerant(QByteArray("ok\xC3")), QStringLiteral("ok\u00C3"));
    EXPECT_EQ(Ansi::utf8Tolerant(QByteArray("\xF0\x9F\x98\x80")),
              QString::fromUtf8("\xF0\x9F\x98\x80"));
}

TEST(Ansi, KleinschreibungIn1252) {
    EXPECT_EQ(Ansi::klein(QByteArray("ABC\xC4\xD6\xDC\xDF\xD7\xDE")),
              QByteArray("abc\xE4\xF6\xFC\xDF\xD7\xFE"));
    EXPECT_EQ(Ansi::kleinByte(0x8A), 0x9A);
    EXPECT_EQ(Ansi::kleinByte(0x8C), 0x9C);
    EXPECT_EQ(Ansi::kleinByte(0x8E), 0x9E);
    EXPECT_EQ(Ansi::kleinByte(0x9F), 0xFF);
    EXPECT_EQ(Ansi::kleinByte(0x80), 0x80);
    int geaendert = 0;
    for (int b = 0; b < 256; ++b)
        geaendert += Ansi::kleinTabelle()[b] != b;
    EXPECT_EQ(geaendert, 26 + 30 + 4);
}

TEST(Ansi, KleinschreibungInUtf16BehaeltDieLaenge) {
    EXPECT_EQ(Ansi::kleinWide(QStringLiteral("ÄÖÜ ẞ İ ABC")).size(), 11);
    EXPECT_EQ(Ansi::kleinWide(QStringLiteral("ÄÖÜABCß")), QStringLiteral("äöüabcß"));
}
