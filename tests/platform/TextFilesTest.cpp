#include "platform/TextFiles.h"

#include "tests/common/TestUmgebung.h"

using TextFilesTest = Umgebung;

// Both writers replace a longer file whole with the exact bytes of each code page, also below
// a folder with an umlaut, and fail where there is no folder.
TEST_F(TextFilesTest, SchreibenExaktUndGanz) {
    const std::pair<int, QByteArray> faelle[] = {
        {TextFiles::Utf8, "B\xC3\xA4r \xE2\x82\xAC\r\n"},
        {TextFiles::Utf16Le, utf16le(QStringLiteral("Bär €\r\n"))},
        {TextFiles::Ansi, "B\xE4r \x80\r\n"}};
    using Schreiber = bool (*)(const QString&, const QString&, int);
    for (Schreiber schreiber : {Schreiber(&WriteToStream), Schreiber(&WriteToStreamFluechtig)}) {
        for (const auto& [codePage, bytes] : faelle) {
            schreibe("Ordner Ä/Liste.txt", QByteArray(100, 'x'));
            ASSERT_TRUE(
                schreiber(QStringLiteral("Bär €\r\n"), win("Ordner Ä\\Liste.txt"), codePage));
            EXPECT_EQ(lies("Ordner Ä/Liste.txt"), bytes) << codePage;
        }
        EXPECT_FALSE(schreiber("x", win("kein Ordner\\x.txt"), TextFiles::Utf8));
    }
    EXPECT_EQ(TextFiles::kodieren(QString(), TextFiles::Utf16Le), QByteArray("\xFF\xFE"));
}

// Reading goes by the byte-order mark, else UTF-8 or ANSI as told; lines split as a string
// list of Windows splits them.
TEST_F(TextFilesTest, LesenNachBomUndZeilen) {
    const std::pair<QByteArray, QString> faelle[] = {
        {utf16le(QStringLiteral("aä")), "aä"},
        {QByteArray("\xFE\xFF\0a\0\xE4", 6), "aä"},
        {"\xEF\xBB\xBF\x61\xC3\xA4", "aä"},
        // An odd last byte of UTF-16 is dropped, not misread.
        {QByteArray("\xFF\xFE\x61\0\x62", 5), "a"}};
    for (const auto& [bytes, text] : faelle)
        EXPECT_EQ(TextFiles::dekodieren(bytes), text) << bytes.toHex().toStdString();
    EXPECT_EQ(TextFiles::dekodieren(QByteArray("a\xE4"), TextFiles::OhneBom::Ansi),
              QStringLiteral("aä"));
    EXPECT_EQ(TextFiles::zeilen("a\r\nb\nc\rd\r\n\n\r"), (QStringList{"a", "b", "c", "d", "", ""}));
    EXPECT_EQ(TextFiles::text({"a", "", "b"}), "a\r\n\r\nb\r\n");
}
