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

TEST_F(SortTeilerTest, Stueckname) {
    EXPECT_EQ(Dokumentteiler::stueckname(1), QStringLiteral("SplitDokument001.txt"));
    EXPECT_EQ(Dokumentteiler::stueckname(12), QStringLiteral("SplitDokument012.txt"));
    EXPECT_EQ(Dokumentteiler::stueckname(1234), QStringLiteral("SplitDokument1234.txt"));
}

TEST_F(SortTeilerTest, KleinesDokumentEinStueck) {
    schreibe("Datenbank/A_UTF8Dokument.txt", "Haus\r\nMaus");
    const QStringList stuecke =
        Dokumentteiler::TeileDokumentAuf(win("Datenbank\\A_UTF8Dokument.txt"), ordner.temp());
    EXPECT_EQ(stuecke, QStringList{win("Datenbank\\Temp\\SplitDokument001.txt")});
    EXPECT_EQ(lies("Datenbank/Temp/SplitDokument001.txt"), QByteArray("Haus\r\nMaus"));
}

TEST_F(SortTeilerTest, VielfachesGibtLeeresLetztesStueck) {
    QByteArray dokument(Dokumentteiler::Stueckgroesse, 'x');
    dokument[0] = 'A';
    dokument[Dokumentteiler::Stueckgroesse - 1] = 'E';
    schreibe("Datenbank/A_UTF8Dokument.txt", dokument);
    const QStringList stuecke =
        Dokumentteiler::TeileDokumentAuf(win("Datenbank\\A_UTF8Dokument.txt"), ordner.temp());
    ASSERT_EQ(stuecke.size(), 2);
    EXPECT_EQ(lies("Datenbank/Temp/SplitDokument001.txt"), dokument);
    EXPECT_TRUE(gibt("Datenbank/Temp/SplitDokument002.txt"));
    EXPECT_EQ(groesse("Datenbank/Temp/SplitDokument002.txt"), 0);
}

TEST_F(SortTeilerTest, SchnittOhneRuecksichtAufZeichen) {
    // "ä" in UTF-8 is C3 A4; the cut falls between its two bytes.
    QByteArray dokument(Dokumentteiler::Stueckgroesse - 1, ' ');
    dokument += "\xC3\xA4nde";
    schreibe("Datenbank/A_UTF8Dokument.txt", dokument);
    ASSERT_EQ(Dokumentteiler::TeileDokumentAuf(win("Datenbank\\A_UTF8Dokument.txt"), ordner.temp())
                  .size(),
              2);
    EXPECT_EQ(groesse("Datenbank/Temp/SplitDokument001.txt"), Dokumentteiler::Stueckgroesse);
    EXPECT_TRUE(lies("Datenbank/Temp/SplitDokument001.txt").endsWith("  \xC3"));
    EXPECT_EQ(lies("Datenbank/Temp/SplitDokument002.txt"), QByteArray("\xA4nde"));
}

TEST_F(SortTeilerTest, FehlendesDokumentGibtNichts) {
    QString fehler;
    EXPECT_TRUE(Dokumentteiler::TeileDokumentAuf(win("Datenbank\\Fehlt_UTF8Dokument.txt"),
                                                 ordner.temp(), &fehler)
                    .isEmpty());
    EXPECT_FALSE(gibt("Datenbank/Temp/SplitDokument001.txt"));
    EXPECT_EQ(fehler, QStringLiteral("Das Dokument T:\\Datenbank\\Fehlt_UTF8Dokument.txt kann "
                                     "nicht gelesen werden!"));
}

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
