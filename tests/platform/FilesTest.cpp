#include "platform/Files.h"

#include "tests/common/TestUmgebung.h"

using FilesTest = Umgebung;

TEST_F(FilesTest, DateienNachGrossbuchstabenSortiert) {
    schreibe("db/b.dat", "");
    schreibe("db/A.DAT", "");
    schreibe("db/c.txt", "");
    schreibe("db/.versteckt.dat", "");
    schreibe("db/Ä.dat", "");
    EXPECT_EQ(Files::dateien(win("db"), ".dat"),
              (QStringList{".versteckt.dat", "A.DAT", "b.dat", "Ä.dat"}));
}

TEST_F(FilesTest, LeerenBehaeltDenOrdner) {
    schreibe("t/a.txt", "1");
    schreibe("t/sub/b.txt", "2");
    Files::ordnerLeeren(win("t"));
    EXPECT_TRUE(gibt("t"));
    EXPECT_FALSE(gibt("t/a.txt"));
    EXPECT_FALSE(gibt("t/sub"));
}

TEST_F(FilesTest, EinfacheOperationen) {
    ASSERT_TRUE(Files::schreiben(win("x.bin"), QByteArray("abc")));
    EXPECT_TRUE(Files::anhaengen(win("x.bin"), QByteArray("de")));
    EXPECT_EQ(Files::lesen(win("x.bin")), QByteArray("abcde"));
    EXPECT_EQ(Files::groesse(win("x.bin")), 5);
    EXPECT_EQ(Files::groesse(win("fehlt")), -1);
    EXPECT_TRUE(Files::existiert(win("x.bin")));
    EXPECT_FALSE(Files::ordnerExistiert(win("x.bin")));
    EXPECT_TRUE(Files::verschieben(win("x.bin"), win("y.bin")));
    EXPECT_FALSE(Files::existiert(win("x.bin")));
    EXPECT_TRUE(Files::loeschen(win("y.bin")));
    EXPECT_FALSE(Files::loeschen(win("y.bin")));
}
