#include "platform/TextFiles.h"

#include "tests/common/TestUmgebung.h"

using TextFilesTest = Umgebung;

TEST(TextFiles, KodierungenExakt) {
    const QString text = QStringLiteral("Bär\r\n");
    EXPECT_EQ(TextFiles::kodieren(text, TextFiles::Utf8), QByteArray("B\xC3\xA4r\r\n"));
    EXPECT_EQ(TextFiles::kodieren(text, TextFiles::Ansi), QByteArray("B\xE4r\r\n"));
    EXPECT_EQ(TextFiles::kodieren(text, TextFiles::Utf16Le), QByteArray("\xFF\xFE"
                                                                        "B\0\xE4\0r\0\r\0\n\0",
                                                                        12));
    EXPECT_EQ(TextFiles::kodieren(QString(), TextFiles::Utf16Le), QByteArray("\xFF\xFE"));
}

TEST(TextFiles, LesenNachBom) {
    EXPECT_EQ(TextFiles::dekodieren(QByteArray("\xFF\xFE"
                                               "a\0\xE4\0",
                                               6)),
              QStringLiteral("aä"));
    EXPECT_EQ(TextFiles::dekodieren(QByteArray("\xFE\xFF\0a\0\xE4", 6)), QStringLiteral("aä"));
    EXPECT_EQ(TextFiles::dekodieren(QByteArray("\xEF\xBB\xBF"
                                               "a\xC3\xA4")),
              QStringLiteral("aä"));
    EXPECT_EQ(TextFiles::dekodieren(QByteArray("a\xC3\xA4")), QStringLiteral("aä"));
    EXPECT_EQ(TextFiles::dekodieren(QByteArray("a\xE4"), TextFiles::OhneBom::Ansi),
              QStringLiteral("aä"));
    // An odd last byte of UTF-16 is dropped, not misread.
    EXPECT_EQ(TextFiles::dekodieren(QByteArray("\xFF\xFE"
                                               "a\0b",
                                               5)),
              QStringLiteral("a"));
}

TEST(TextFiles, ZeilenWieEineStringliste) {
    EXPECT_EQ(TextFiles::zeilen(QStringLiteral("a\r\nb\nc\rd")), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(TextFiles::zeilen(QStringLiteral("a\r\n")), QStringList{"a"});
    EXPECT_EQ(TextFiles::zeilen(QStringLiteral("a\r\n\r\n")), (QStringList{"a", ""}));
    EXPECT_EQ(TextFiles::zeilen(QStringLiteral("\n\r")), (QStringList{"", ""}));
    EXPECT_TRUE(TextFiles::zeilen(QString()).isEmpty());
    EXPECT_EQ(TextFiles::text({"a", "", "b"}), QStringLiteral("a\r\n\r\nb\r\n"));
}

TEST_F(TextFilesTest, SchreibenUndLesenUeberWindowsPfade) {
    schreibe("Ordner Ä/.keep", "");
    const QString pfad = win("Ordner Ä\\Liste.txt");
    ASSERT_TRUE(WriteToStream(QStringLiteral("Zeile ß\r\n"), pfad, TextFiles::Utf16Le));
    EXPECT_EQ(lies("Ordner Ä/Liste.txt"), QByteArray("\xFF\xFE"
                                                     "Z\0e\0i\0l\0e\0 \0\xDF\0\r\0\n\0",
                                                     20));
    EXPECT_EQ(ReadTextFile(pfad), QStringLiteral("Zeile ß\r\n"));
    EXPECT_TRUE(ReadTextFile(win("fehlt.txt")).isEmpty());
    EXPECT_FALSE(WriteToStream(QStringLiteral("x"), win("kein Ordner\\x.txt"), TextFiles::Utf8));
}

TEST_F(TextFilesTest, FluechtigGeschriebenGleicheBytesUndErsetztGanz) {
    schreibe("Temp/Seite.htm", QByteArray(100, 'x'));
    const QString pfad = win("Temp\\Seite.htm");
    ASSERT_TRUE(WriteToStreamFluechtig(QStringLiteral("Bär\r\n"), pfad, TextFiles::Utf8));
    EXPECT_EQ(lies("Temp/Seite.htm"), QByteArray("B\xC3\xA4r\r\n"));
    ASSERT_TRUE(WriteToStreamFluechtig(QStringLiteral("Bär"), pfad, TextFiles::Utf16Le));
    EXPECT_EQ(lies("Temp/Seite.htm"), QByteArray("\xFF\xFE"
                                                 "B\0\xE4\0r\0",
                                                 8));
    ASSERT_TRUE(WriteToStreamFluechtig(QStringLiteral("Bär"), pfad, TextFiles::Ansi));
    EXPECT_EQ(lies("Temp/Seite.htm"), QByteArray("B\xE4r"));
    EXPECT_FALSE(
        WriteToStreamFluechtig(QStringLiteral("x"), win("kein Ordner\\x.txt"), TextFiles::Utf8));
    EXPECT_FALSE(
        WriteToStreamFluechtig(QStringLiteral("x"), QStringLiteral("x.txt"), TextFiles::Utf8));
}
