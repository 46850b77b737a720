#include "searchwin/Memozeile.h"

#include "tests/common/TestUmgebung.h"

// Below 80 hex a byte is itself; with bit 5 set it leads three bytes, else two; without its
// continuation a byte stands for itself.
TEST(Memozeile, Utf8TolerantUndJeVariante) {
    const std::pair<QByteArray, QString> faelle[] = {
        {"B\xC3\xA4r", "Bär"},
        {"\xE2\x82\xAC", "€"},
        // 1252 umlauts lead no valid sequence and stand for themselves.
        {"B\xE4r und \xFC", "Bär und ü"},
        {"\xE4\xE4\xE4", "äää"},
        {"\x84Zitat\x93", "„Zitat“"},
        // Even a continuation byte leads a sequence; bits above 16 fall away.
        {"\xA0\x80\x80", QString(QChar(0))},
        {"\x90\x81", QString(QChar(0x401))},
        {"\xF0\x9F\x98", QString(QChar(0x07D8))},
        {"\xC3x", "\u00C3x"},
        {"\xE2\x82x", "\u00E2‚x"},
        {"ok\xC3", "ok\u00C3"},
        {"ok\xE2\x82", "ok\u00E2‚"},
    };
    for (const auto& [bytes, text] : faelle)
        EXPECT_EQ(Memozeile::Utf8Tolerant(bytes), text) << bytes.toHex().toStdString();
    // UTF-8 lines lose U+0C00 and U+0C4D to blanks; 8-bit viewer lines come one char per byte.
    const QString telugu = QString::fromUtf16(u"a\u0C00b\u0C4Dc\u0C01");
    EXPECT_EQ(Memozeile::ausBytes(telugu.toUtf8(), Dokumentvariante::Utf8),
              QString::fromUtf16(u"a b c\u0C01"));
    EXPECT_EQ(Memozeile::ausBytes(QByteArray("B\xE4r"), Dokumentvariante::Ansi), "Bär");
    EXPECT_EQ(Memozeile::ausBytes(QByteArray("B\0\xE4\0r\0", 6), Dokumentvariante::Unicode), "Bär");
    const QString byteweise = QStringLiteral("B\u00C3\u00A4r");
    EXPECT_EQ(Memozeile::ausViewerzeile(byteweise, Dokumentvariante::Utf8), "Bär");
    EXPECT_EQ(Memozeile::ausViewerzeile(byteweise, Dokumentvariante::Unicode), byteweise);
    EXPECT_EQ(Memozeile::ausViewerzeile("€ x", Dokumentvariante::Ansi), "€ x");
}
