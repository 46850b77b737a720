#include "index/Dokumentteiler.h"
#include "index/SortierteListen.h"

#include "tests/common/TestUmgebung.h"

#include <QDir>

class SortTeilerTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        schreibe("Datenbank/Temp/.keep", "");
    }
    Programmordner ordner{QStringLiteral("T:\\")};
};

// The ending decides, not a name that happens to contain another variant; other names take
// the last of "_ansi", "_utf8", "_unicode" found.
TEST(SortVarianteTest, VarianteAusDemDokumentpfad) {
    using V = Dokumentvariante;
    const std::pair<const char*, V> faelle[] = {{"A_AnsiDokument.txt", V::Ansi},
                                                {"A_UTF8Dokument.txt", V::Utf8},
                                                {"A_Utf8Dokument.txt", V::Utf8},
                                                {"A_UnicodeDokument.txt", V::Unicode},
                                                {"Text_unicode_UTF8Dokument.txt", V::Utf8},
                                                {"x_utf8_AnsiDokument.txt", V::Ansi},
                                                {"x_ansi_utf8.txt", V::Utf8},
                                                {"x_UNICODE_ansi.txt", V::Unicode},
                                                {"x.txt", V::Keine}};
    for (const auto& [name, variante] : faelle)
        EXPECT_EQ(SortierteListen::ausDokumentpfad(QStringLiteral("T:\\Datenbank\\") + name),
                  variante)
            << name;
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
    schreibe("Datenbank/A_UTF8Dokument.txt", QByteArray(Dokumentteiler::Stueckgroesse + 10, 'x'));
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
