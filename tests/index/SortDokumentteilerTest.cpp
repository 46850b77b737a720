#include "index/Dokumentteiler.h"
#include "index/SortierteListen.h"

#include "tests/common/TestUmgebung.h"

#include <QDir>
#include <QFileInfo>

class SortTeilerTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        schreibe("Datenbank/Temp/.keep", "");
    }
    qint64 groesse(const QString& relativ) const { return QFileInfo(nativ(relativ)).size(); }
    Programmordner ordner{QStringLiteral("T:\\")};
};

TEST(SortVarianteTest, VarianteAusDemDokumentpfad) {
    using V = Dokumentvariante;
    const auto aus = &SortierteListen::ausDokumentpfad;
    EXPECT_EQ(aus("T:\\Datenbank\\A_AnsiDokument.txt"), V::Ansi);
    EXPECT_EQ(aus("T:\\Datenbank\\A_UTF8Dokument.txt"), V::Utf8);
    EXPECT_EQ(aus("T:\\Datenbank\\A_Utf8Dokument.txt"), V::Utf8);
    EXPECT_EQ(aus("T:\\Datenbank\\A_UnicodeDokument.txt"), V::Unicode);
    // The ending decides, not a name that happens to contain another variant.
    EXPECT_EQ(aus("T:\\Datenbank\\Text_unicode_UTF8Dokument.txt"), V::Utf8);
    EXPECT_EQ(aus("T:\\Datenbank\\x_utf8_AnsiDokument.txt"), V::Ansi);
    // Other names: the last of "_ansi", "_utf8", "_unicode" found.
    EXPECT_EQ(aus("T:\\x_ansi_utf8.txt"), V::Utf8);
    EXPECT_EQ(aus("T:\\x_UNICODE_ansi.txt"), V::Unicode);
    EXPECT_EQ(aus("T:\\x.txt"), V::Keine);
}

TEST_F(SortTeilerTest, LadbarAbDerMarke) {
    using V = Dokumentvariante;
    const auto ladbar = [this](V v) { return SortierteListen::ladbar(ordner, "A", v); };
    EXPECT_FALSE(ladbar(V::Ansi));
    schreibe("Datenbank/A_AnsiDokument.txt", "ab");
    schreibe("Datenbank/A_UTF8Dokument.txt", "abc");
    schreibe("Datenbank/A_UnicodeDokument.txt", QByteArray::fromHex("fffe61"));
    EXPECT_FALSE(ladbar(V::Ansi));
    EXPECT_TRUE(ladbar(V::Utf8));
    EXPECT_FALSE(ladbar(V::Unicode));
    schreibe("Datenbank/A_UnicodeDokument.txt", QByteArray::fromHex("fffe610062"));
    EXPECT_TRUE(ladbar(V::Unicode));
}

TEST_F(SortTeilerTest, FehlgeschlagenerSchnittLaesstKeineStueckeLiegen) {
    QByteArray dokument(Dokumentteiler::Stueckgroesse + 10, 'x');
    schreibe("Datenbank/A_UTF8Dokument.txt", dokument);
    // A folder in the place of the second piece: it cannot be written.
    ASSERT_TRUE(QDir().mkpath(nativ("Datenbank/Temp/SplitDokument002.txt")));
    QString fehler;
    EXPECT_TRUE(Dokumentteiler::TeileDokumentAuf(win("Datenbank\\A_UTF8Dokument.txt"),
                                                 ordner.temp(), &fehler)
                    .isEmpty());
    EXPECT_FALSE(gibt("Datenbank/Temp/SplitDokument001.txt"));
    EXPECT_EQ(fehler, QStringLiteral("Das Teilstück T:\\Datenbank\\Temp\\SplitDokument002.txt "
                                     "kann nicht geschrieben werden!"));
}
