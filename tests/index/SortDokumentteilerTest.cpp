#include "index/Dokumentteiler.h"
#include "index/Listenvariante.h"

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
    using L = Listenvariante;
    EXPECT_EQ(L::ausDokumentpfad("T:\\Datenbank\\A_AnsiDokument.txt"), L::Ansi);
    EXPECT_EQ(L::ausDokumentpfad("T:\\Datenbank\\A_UTF8Dokument.txt"), L::Utf8);
    EXPECT_EQ(L::ausDokumentpfad("T:\\Datenbank\\A_Utf8Dokument.txt"), L::Utf8);
    EXPECT_EQ(L::ausDokumentpfad("T:\\Datenbank\\A_UnicodeDokument.txt"), L::Unicode);
    // The ending decides, not a name that happens to contain another variant.
    EXPECT_EQ(L::ausDokumentpfad("T:\\Datenbank\\Text_unicode_UTF8Dokument.txt"), L::Utf8);
    EXPECT_EQ(L::ausDokumentpfad("T:\\Datenbank\\x_utf8_AnsiDokument.txt"), L::Ansi);
    // Other names: the last of "_ansi", "_utf8", "_unicode" found.
    EXPECT_EQ(L::ausDokumentpfad("T:\\x_ansi_utf8.txt"), L::Utf8);
    EXPECT_EQ(L::ausDokumentpfad("T:\\x_UNICODE_ansi.txt"), L::Unicode);
    EXPECT_EQ(L::ausDokumentpfad("T:\\x.txt"), std::nullopt);
}

TEST(SortVarianteTest, NamenUndTexte) {
    using L = Listenvariante;
    const Programmordner o(QStringLiteral("T:\\Prog"));
    EXPECT_EQ(L::liste(o, "A", L::Ansi), "T:\\Prog\\Datenbank\\A_Phrasen_Woerter_AnsiListe.txt");
    EXPECT_EQ(L::liste(o, "A", L::Utf8), "T:\\Prog\\Datenbank\\A_Phrasen_Woerter_Utf8Liste.txt");
    EXPECT_EQ(L::liste(o, "A", L::Unicode),
              "T:\\Prog\\Datenbank\\A_Phrasen_Woerter_UnicodeListe.txt");
    EXPECT_EQ(L::dokument(o, "A", L::Unicode), "T:\\Prog\\Datenbank\\A_UnicodeDokument.txt");
    EXPECT_EQ(L::dokumentEndung(L::Ansi), "_AnsiDokument.txt");
    EXPECT_EQ(L::dokumentEndung(L::Utf8), "_UTF8Dokument.txt");
    EXPECT_EQ(L::titelwort(L::Ansi), "ANSI ");
    EXPECT_EQ(L::titelwort(L::Utf8), "UTF8 ");
    EXPECT_EQ(L::titelwort(L::Unicode), "Unicode ");
    EXPECT_EQ(L::listentitel(L::Utf8), "Sortierte UTF8-Liste von ");
    EXPECT_EQ(L::listenlabel(L::Ansi, "Archiv"), "Sortierte ANSI-Liste von DB: \"Archiv\"");
    EXPECT_EQ(L::listenlabel(L::Unicode, "Archiv"), "Sortierte Unicode-Liste von DB: \"Archiv\"");
    EXPECT_EQ(L::codePage(L::Ansi), 1252);
    EXPECT_EQ(L::codePage(L::Utf8), 65001);
    EXPECT_EQ(L::codePage(L::Unicode), 1200);
}

TEST_F(SortTeilerTest, LadbarAbDerMarke) {
    using L = Listenvariante;
    EXPECT_FALSE(L::ladbar(ordner, "A", L::Ansi));
    schreibe("Datenbank/A_AnsiDokument.txt", "ab");
    schreibe("Datenbank/A_UTF8Dokument.txt", "abc");
    schreibe("Datenbank/A_UnicodeDokument.txt", QByteArray::fromHex("fffe61"));
    EXPECT_FALSE(L::ladbar(ordner, "A", L::Ansi));
    EXPECT_TRUE(L::ladbar(ordner, "A", L::Utf8));
    EXPECT_FALSE(L::ladbar(ordner, "A", L::Unicode));
    schreibe("Datenbank/A_UnicodeDokument.txt", QByteArray::fromHex("fffe610062"));
    EXPECT_TRUE(L::ladbar(ordner, "A", L::Unicode));
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
