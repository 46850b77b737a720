#include "search/Titeltabelle.h"
#include "search/Pfadaufloesung.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"

#include <random>

namespace {

TTitelTabelle tabelle(const QStringList& zeilen) {
    TTitelTabelle t;
    t.laden(zeilen);
    return t;
}

// Counts the pump calls, to see that lookups keep the window responsive.
struct ZaehlPumpe : Pump {
    void verarbeiten() override { ++aufrufe; }
    int aufrufe = 0;
};

} // namespace

TEST(Titeltabelle, BereicheSindAnBeidenEndenGeschlossen) {
    const TTitelTabelle t = tabelle({"0 #D:\\a.pdf", "500 #D:\\b.pdf", "900 #D:\\c.pdf"});
    for (auto [treffer, pfad] : std::vector<std::pair<qint64, const char*>>{{700, "D:\\b.pdf"},
                                                                            {950, "D:\\c.pdf"},
                                                                            {500, "D:\\a.pdf"},
                                                                            {900, "D:\\b.pdf"},
                                                                            {0, "D:\\a.pdf"},
                                                                            {499, "D:\\a.pdf"},
                                                                            {901, "D:\\c.pdf"}}) {
        EXPECT_EQ(t.pfad(treffer), QString::fromUtf8(pfad)) << treffer;
        EXPECT_EQ(t.pfadLinear(treffer), QString::fromUtf8(pfad)) << treffer;
    }
}

TEST(Titeltabelle, VorDemErstenEintragUndLeereTabelleGebenNichts) {
    const TTitelTabelle t = tabelle({"9 #D:\\a.pdf", "80 #D:\\b.pdf"});
    EXPECT_TRUE(t.pfad(8).isEmpty());
    EXPECT_TRUE(t.pfad(-1).isEmpty());
    EXPECT_TRUE(tabelle({}).pfad(0).isEmpty());
}

TEST(Titeltabelle, ZeileOhneMarkeZaehltNurMitIhremOffset) {
    const TTitelTabelle t = tabelle({"0 #D:\\a.pdf", "500 kein Pfad hier", "900 #D:\\c.pdf"});
    // 700 lies in the range of the line without a path; the scan then tests the last line,
    // whose range (900 and beyond) does not hold 700.
    EXPECT_TRUE(t.pfad(700).isEmpty());
    EXPECT_EQ(t.pfad(500), QStringLiteral("D:\\a.pdf"));
    // At 900 the line without a path would win the tie; the next line takes over.
    EXPECT_EQ(t.pfad(900), QStringLiteral("D:\\c.pdf"));
    EXPECT_EQ(t.pfadLinear(900), QStringLiteral("D:\\c.pdf"));
}

TEST(Titeltabelle, OffsetOhneBlankOderZahlIstNull) {
    EXPECT_EQ(TTitelTabelle::offsetVon("1234 #x"), 1234);
    EXPECT_EQ(TTitelTabelle::offsetVon("ohneblank"), 0);
    EXPECT_EQ(TTitelTabelle::offsetVon("abc #x"), 0);
    EXPECT_EQ(TTitelTabelle::offsetVon("5000000000 #x"), Q_INT64_C(5000000000));
}

TEST(Titeltabelle, UmlautpfadNachEinerUtf8Dekodierung) {
    // The file holds the path's byte form encoded in UTF-8 once more; one decoding gives
    // the byte form back.
    const QString zeile = Ansi::nachUnicode("9 #T:\\B\xC3\x83\xC2\xA4r.pdf");
    EXPECT_EQ(TTitelTabelle::pfadVon(zeile), Ansi::zuByteForm(QStringLiteral("T:\\Bär.pdf")));
}

TEST(Titeltabelle, ZufaelligeTabellenGebenDasSelbeWieDieLineareRegel) {
    std::mt19937_64 zufall(20240611);
    for (int runde = 0; runde < 400; ++runde) {
        const int n = int(zufall() % 30);
        QStringList zeilen;
        qint64 offset = qint64(zufall() % 5);
        const bool ungeordnet = runde % 10 == 9;
        for (int i = 0; i < n; ++i) {
            // Many ties: steps of 0 are common.
            offset += ungeordnet ? qint64(zufall() % 40) - 20 : qint64(zufall() % 4) * 3;
            const bool mitPfad = zufall() % 4 != 0;
            zeilen << QString::number(offset) + (mitPfad ? QStringLiteral(" #D:\\f%1.pdf").arg(i)
                                                         : QStringLiteral(" ohne"));
        }
        const TTitelTabelle t = tabelle(zeilen);
        for (qint64 x = -3; x <= offset + 5; ++x)
            ASSERT_EQ(t.pfad(x), t.pfadLinear(x)) << runde << " " << x << "\n"
                                                  << zeilen.join('\n').toStdString();
    }
}

class PfadaufloesungTest : public Umgebung {};

TEST_F(PfadaufloesungTest, JedeVarianteLiestIhreDateiEinmalProLauf) {
    schreibe("Datenbank/Akten_Utf8_TitelPositionen.txt", "9 #T:\\u.pdf\r\n");
    schreibe("Datenbank/Akten_Ansi_TitelPositionen.txt", "9 #T:\\a.pdf\r\n");
    ZaehlPumpe pumpe;
    TPfadaufloesung p(Programmordner(win()), pumpe);
    p.setDatenbank("Akten");
    QString pfad;
    p.GetPfadUtf8(pfad, 20);
    EXPECT_EQ(pfad, QStringLiteral("T:\\u.pdf"));
    p.GetPfadAnsi(pfad, 20);
    EXPECT_EQ(pfad, QStringLiteral("T:\\a.pdf"));
    p.GetPfadUnicode(pfad, 20);
    EXPECT_TRUE(pfad.isEmpty());
    EXPECT_GE(pumpe.aufrufe, 3);
    // Within the run the table stays; the next run reads the file again.
    schreibe("Datenbank/Akten_Utf8_TitelPositionen.txt", "9 #T:\\neu.pdf\r\n");
    p.GetPfadUtf8(pfad, 20);
    EXPECT_EQ(pfad, QStringLiteral("T:\\u.pdf"));
    p.neuerLauf();
    p.GetPfadUtf8(pfad, 20);
    EXPECT_EQ(pfad, QStringLiteral("T:\\neu.pdf"));
}

TEST_F(PfadaufloesungTest, OhneTiteldateiLeererPfad) {
    TPfadaufloesung p(Programmordner(win()), Pump::still());
    p.setDatenbank("Fehlt");
    QString pfad = "x";
    p.GetPfadUtf8(pfad, 100);
    EXPECT_TRUE(pfad.isEmpty());
    EXPECT_EQ(p.titeldatei(TPfadaufloesung::Unicode),
              win("Datenbank\\Fehlt_Unicode_TitelPositionen.txt"));
}
