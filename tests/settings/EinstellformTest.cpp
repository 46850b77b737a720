#include "settings/einstellformp.h"

#include "tests/common/TestUmgebung.h"

#include <QCheckBox>
#include <QPushButton>
#include <QToolButton>

class EinstellformTest : public ::testing::Test {
protected:
    EinstellformTest() : form(einstellungen) {
        Einstellziele z;
        z.fensterfarbe = [this](const QColor& c) { fensterfarben.push_back(c); };
        z.hinweisfarbe = [this](const QColor& c) { hinweisfarben.push_back(c); };
        z.schriftgroesseAendern = [this](int d) { schrift += d; };
        z.schriftgroesseSetzen = [this](int s) { schrift = s; };
        z.fenstergroessen = [this](int h, int w, int sh, int sw) { groessen = {h, w, sh, sw}; };
        z.suchfensterSichtbar = [this] { return suchfensterSichtbar; };
        z.farbeWaehlen = [this](const QColor&) { return gewaehlt; };
        form.setZiele(std::move(z));
        form.setStandardBreite(800);
    }

    SpeicherEinstellungen einstellungen;
    TEinstellform form;
    std::vector<QColor> fensterfarben, hinweisfarben;
    int schrift = 12;
    std::vector<int> groessen;
    bool suchfensterSichtbar = false;
    std::optional<QColor> gewaehlt;
};

TEST_F(EinstellformTest, StandardSchreibtGenauSiebenWerteInFolge) {
    einstellungen.werte["Browser"] = "firefox";
    form.suchtextInZwischenablage()->setChecked(false);
    form.Button1Click();
    const std::vector<std::pair<QString, QString>> erwartet = {{"SchriftsizeTextViewer", "10"},
                                                               {"Farbe", "$000090FF"},
                                                               {"Hoehe", "506"},
                                                               {"Weite", "800"},
                                                               {"SHoehe", "500"},
                                                               {"SWeite", "800"},
                                                               {"HinweistextFarbe", "clBlack"}};
    EXPECT_EQ(einstellungen.schreibvorgaenge, erwartet);
    EXPECT_EQ(einstellungen.werte.value("Browser"), QStringLiteral("firefox"));
    EXPECT_FALSE(form.suchtextInZwischenablage()->isChecked());
    EXPECT_EQ(schrift, 10);
    EXPECT_EQ(groessen, (std::vector<int>{506, 800, 500, 800}));
    ASSERT_EQ(fensterfarben.size(), 1u);
    EXPECT_EQ(fensterfarben[0], QColor(255, 144, 0));
    ASSERT_EQ(hinweisfarben.size(), 1u);
    EXPECT_EQ(hinweisfarben[0], QColor(Qt::black));
}

TEST_F(EinstellformTest, AbbruchNachFarbwechselStelltOrangeHer) {
    gewaehlt = QColor(0x12, 0x34, 0x56);
    form.FarbenAendernButtonClick();
    // A colour without a name is stored as its value in hex, blue first.
    EXPECT_EQ(einstellungen.werte.value("Farbe"), QStringLiteral("$00563412"));
    EXPECT_TRUE(form.farbeGeaendert());
    form.AbbruchButtonClick();
    EXPECT_EQ(einstellungen.werte.value("Farbe"), QStringLiteral("$000090FF"));
    EXPECT_EQ(fensterfarben.back(), QColor(255, 144, 0));
    // The flag lives on: a later Abbruch without any change restores again.
    einstellungen.werte["Farbe"] = "clRed";
    form.AbbruchButtonClick();
    EXPECT_EQ(einstellungen.werte.value("Farbe"), QStringLiteral("$000090FF"));
}

TEST_F(EinstellformTest, AbbruchOhneFarbwechselSchreibtNichts) {
    form.kurzhinweisImViewer()->setChecked(false);
    form.AbbruchButtonClick();
    EXPECT_TRUE(einstellungen.schreibvorgaenge.empty());
}

TEST_F(EinstellformTest, AbgebrochenerFarbdialogAendertNichts) {
    form.FarbenAendernButtonClick();
    form.HinweistexteFarbenAendernButtonClick();
    EXPECT_TRUE(einstellungen.schreibvorgaenge.empty());
    EXPECT_TRUE(fensterfarben.empty());
    EXPECT_FALSE(form.farbeGeaendert());
}

TEST_F(EinstellformTest, HinweisfarbeMitNamen) {
    gewaehlt = QColor(255, 0, 0);
    form.HinweistexteFarbenAendernButtonClick();
    EXPECT_EQ(einstellungen.werte.value("HinweistextFarbe"), QStringLiteral("clRed"));
    EXPECT_EQ(hinweisfarben.back(), QColor(255, 0, 0));
}

TEST_F(EinstellformTest, OkSchreibtDieSchalter) {
    form.suchtextInZwischenablage()->setChecked(false);
    form.OkButtonClick();
    const std::vector<std::pair<QString, QString>> erwartet = {
        {"Suchwort_in_Zwischenablage_kopieren", "0"}, {"Kurzhinweis_imViewer_anzeigen", "1"}};
    EXPECT_EQ(einstellungen.schreibvorgaenge, erwartet);
}

TEST_F(EinstellformTest, SchriftknoepfeNurMitSuchfenster) {
    form.knoepfeAnpassen();
    EXPECT_FALSE(form.SpeedButton1->isEnabled());
    EXPECT_FALSE(form.SortierungAnzeigenBitBtn->isEnabled());
    EXPECT_EQ(form.SpeedButton1->text(), QStringLiteral("+    "));
    EXPECT_EQ(form.SpeedButton2->text(), QStringLiteral("-    "));
    suchfensterSichtbar = true;
    form.knoepfeAnpassen();
    EXPECT_TRUE(form.SpeedButton2->isEnabled());
    EXPECT_TRUE(form.SpeedButton1->text().isEmpty());
    form.SpeedButton1Click();
    form.SpeedButton1Click();
    form.SpeedButton2Click();
    EXPECT_EQ(schrift, 13);
}
