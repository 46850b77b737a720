#include "searchwin/Memozeile.h"

#include <gtest/gtest.h>

#include "tests/common/TestUmgebung.h"

TEST(Memozeile, AnsiTextBleibtLesbar) {
    // 1252 umlauts are no UTF-8 leads followed by continuations; they stand for themselves.
    EXPECT_EQ(Memozeile::Utf8Tolerant(QByteArray("B\xE4r und \xFC")), QStringLiteral("Bär und ü"));
    EXPECT_EQ(Memozeile::Utf8Tolerant(QByteArray("\xE4\xFC")), QStringLiteral("äü"));
}

TEST(Memozeile, GueltigeFolgenWerdenDekodiert) {
    EXPECT_EQ(Memozeile::Utf8Tolerant(QByteArray("B\xC3\xA4r")), QStringLiteral("Bär"));
    EXPECT_EQ(Memozeile::Utf8Tolerant(QByteArray("\xE2\x82\xAC")), QStringLiteral("€"));
}

TEST(Memozeile, ZweiOderDreiBytesNachBitFuenf) {
    // A byte from 80 hex up with bit 5 set leads three bytes, even one that is a
    // continuation byte itself.
    EXPECT_EQ(Memozeile::Utf8Tolerant(QByteArray("\xA0\x80\x80")), QString(QChar(0)));
    EXPECT_EQ(Memozeile::Utf8Tolerant(QByteArray("\x90\x81")), QString(QChar(0x401)));
    // Bits above 16 fall away: F0 leads three bytes.
    EXPECT_EQ(Memozeile::Utf8Tolerant(QByteArray("\xF0\x9F\x98")), QString(QChar(0x07D8)));
}

TEST(Memozeile, AbgebrocheneFolgeBehaeltIhreBytes) {
    EXPECT_EQ(Memozeile::Utf8Tolerant(QByteArray("\xC3x")), QStringLiteral("\u00C3x"));
    EXPECT_EQ(Memozeile::Utf8Tolerant(QByteArray("\xE2\x82x")), QStringLiteral("\u00E2‚x"));
    EXPECT_EQ(Memozeile::Utf8Tolerant(QByteArray("ok\xC3")), QStringLiteral("ok\u00C3"));
    EXPECT_EQ(Memozeile::Utf8Tolerant(QByteArray("ok\xE2\x82")), QStringLiteral("ok\u00E2‚"));
    EXPECT_EQ(Memozeile::Utf8Tolerant(QByteArray("\x84Zitat\x93")), QStringLiteral("„Zitat“"));
    EXPECT_EQ(Memozeile::Utf8Tolerant(QByteArray("\xE4\xE4\xE4")), QStringLiteral("äää"));
}

TEST(Memozeile, NieMehrZeichenAlsBytes) {
    for (int a = 0x80; a < 0x100; a += 7)
        for (int b = 0; b < 0x100; b += 5) {
            QByteArray bytes;
            bytes.append(static_cast<char>(a)).append(static_cast<char>(b)).append('x');
            EXPECT_LE(Memozeile::Utf8Tolerant(bytes).size(), bytes.size());
            EXPECT_TRUE(Memozeile::Utf8Tolerant(bytes).endsWith(QLatin1Char('x')));
        }
}

TEST(Memozeile, Utf8VarianteErsetztZweiZeichenDurchBlanks) {
    const QString zeile = QStringLiteral("a") + QChar(0x0C00) + QStringLiteral("b") +
                          QChar(0x0C4D) + QStringLiteral("c") + QChar(0x0C01);
    EXPECT_EQ(Memozeile::ausBytes(zeile.toUtf8(), Dokumentvariante::Utf8),
              QStringLiteral("a b c") + QChar(0x0C01));
    EXPECT_EQ(Memozeile::ausBytes(QByteArray("B\xC3\xA4r"), Dokumentvariante::Utf8),
              QStringLiteral("Bär"));
}

TEST(Memozeile, JeVariante) {
    EXPECT_EQ(Memozeile::ausBytes(QByteArray("B\xE4r"), Dokumentvariante::Ansi),
              QStringLiteral("Bär"));
    EXPECT_EQ(Memozeile::ausBytes(QByteArray("B\0\xE4\0r\0", 6), Dokumentvariante::Unicode),
              QStringLiteral("Bär"));
    // The viewer hands 8-bit lines over one character per byte.
    EXPECT_EQ(Memozeile::ausViewerzeile(QStringLiteral("B\u00C3\u00A4r"), Dokumentvariante::Utf8),
              QStringLiteral("Bär"));
    EXPECT_EQ(
        Memozeile::ausViewerzeile(QStringLiteral("B\u00C3\u00A4r"), Dokumentvariante::Unicode),
        QStringLiteral("B\u00C3\u00A4r"));
    // Single bytes of an ANSI document are its 1252 characters, as the viewer draws them.
    EXPECT_EQ(Memozeile::ausViewerzeile(QStringLiteral("€ x"), Dokumentvariante::Ansi),
              QStringLiteral("€ x"));
}
