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

// Failures show in the results: a missing file has size -1, a second delete fails.
TEST_F(FilesTest, FehlschlaegeImErgebnis) {
    ASSERT_TRUE(Files::schreiben(win("x.bin"), QByteArray("abc")));
    EXPECT_TRUE(Files::anhaengen(win("x.bin"), QByteArray("de")));
    EXPECT_EQ(Files::lesen(win("x.bin")), QByteArray("abcde"));
    EXPECT_EQ(Files::groesse(win("fehlt")), -1);
    schreibe("ordner/a", "");
    EXPECT_FALSE(Files::ordnerExistiert(win("x.bin")));
    EXPECT_FALSE(Files::existiert(win("ordner")));
    EXPECT_TRUE(Files::verschieben(win("x.bin"), win("y.bin")));
    EXPECT_TRUE(Files::loeschen(win("y.bin")));
    EXPECT_FALSE(Files::loeschen(win("y.bin")));
    EXPECT_FALSE(Files::schreiben(win("fehlt\\x.bin"), QByteArray("abc")));
}
