#include "settings/einstellformp.h"

#include "settings/Browserbild.h"
#include "tests/common/TestUmgebung.h"

#include <QCheckBox>
#include <QFile>
#include <QImageReader>
#include <QPushButton>
#include <QTest>
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
        z.sortierungAnzeigen = [this] { return ++fragen > 1; };
        form.setZiele(std::move(z));
        form.setFarbwahl([this](const QColor&) { return gewaehlt; });
        form.setStandardBreite(800);
    }

    // Every write so far, as "name=wert|name=wert".
    QString geschrieben() const {
        QStringList out;
        for (const auto& [name, wert] : einstellungen.schreibvorgaenge)
            out << name + '=' + wert;
        return out.join('|');
    }

    SpeicherEinstellungen einstellungen;
    TEinstellform form;
    std::vector<QColor> fensterfarben, hinweisfarben;
    int schrift = 12, fragen = 0;
    std::vector<int> groessen;
    bool suchfensterSichtbar = false;
    std::optional<QColor> gewaehlt;
};

TEST_F(EinstellformTest, StandardSchreibtGenauSiebenWerteInFolge) {
    einstellungen.werte["Browser"] = "firefox";
    form.suchtextInZwischenablage()->setChecked(false);
    form.Button1Click();
    EXPECT_EQ(geschrieben(), "SchriftsizeTextViewer=10|Farbe=$000090FF|Hoehe=506|Weite=800|"
                             "SHoehe=500|SWeite=800|HinweistextFarbe=clBlack");
    EXPECT_FALSE(form.suchtextInZwischenablage()->isChecked());
    EXPECT_EQ(schrift, 10);
    EXPECT_EQ(groessen, (std::vector<int>{506, 800, 500, 800}));
    EXPECT_EQ(fensterfarben, std::vector<QColor>{QColor(255, 144, 0)});
    EXPECT_EQ(hinweisfarben, std::vector<QColor>{QColor(Qt::black)});
}

// Abbruch puts the orange standard back, not the colour from before, and after one colour
// change every later Abbruch (Escape too) does so again.
TEST_F(EinstellformTest, FarbenUndAbbruch) {
    form.FarbenAendernButtonClick(); // the colour dialog cancelled
    form.HinweistexteFarbenAendernButtonClick();
    form.kurzhinweisImViewer()->setChecked(false);
    form.AbbruchButtonClick();
    EXPECT_TRUE(geschrieben().isEmpty() && fensterfarben.empty() && hinweisfarben.empty());

    gewaehlt = QColor(255, 0, 0);
    form.HinweistexteFarbenAendernButtonClick();
    gewaehlt = QColor(0x12, 0x34, 0x56);
    form.FarbenAendernButtonClick();
    form.AbbruchButtonClick();
    einstellungen.werte["Farbe"] = "clRed";
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(geschrieben(),
              "HinweistextFarbe=clRed|Farbe=$00563412|Farbe=$000090FF|Farbe=$000090FF");
    EXPECT_EQ(fensterfarben, (std::vector<QColor>{QColor(0x12, 0x34, 0x56), QColor(255, 144, 0),
                                                  QColor(255, 144, 0)}));
    EXPECT_EQ(hinweisfarben, std::vector<QColor>{QColor(255, 0, 0)});
}

// OK stores the switches; a showing shows what is stored, so a change left with Abbruch is gone.
TEST_F(EinstellformTest, OkSchreibtDieSchalter) {
    QCheckBox* texterkennung = form.TexterkennungCheckBox;
    form.show();
    // Nothing stored: ticked, because tesseract and its German data are installed here.
    EXPECT_TRUE(texterkennung->isChecked());
    form.suchtextInZwischenablage()->setChecked(false);
    texterkennung->setChecked(false);
    form.OkButtonClick();
    const QString ok = "Suchwort_in_Zwischenablage_kopieren=0|Kurzhinweis_imViewer_anzeigen=1|"
                       "Texterkennung=0";
    EXPECT_EQ(geschrieben(), ok);
    texterkennung->setChecked(true);
    form.AbbruchButtonClick();
    form.show();
    EXPECT_FALSE(texterkennung->isChecked());
    EXPECT_EQ(geschrieben(), ok);
}

// Font and sort buttons work only while the search window is shown, as the painting finds.
TEST_F(EinstellformTest, KnoepfeNurMitSuchfenster) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_FALSE(form.SpeedButton1->isEnabled() || form.SortierungAnzeigenBitBtn->isEnabled());
    EXPECT_EQ(form.SpeedButton1->text() + form.SpeedButton2->text(), "+    -    ");
    suchfensterSichtbar = true;
    form.repaint();
    EXPECT_TRUE(form.SpeedButton2->isEnabled() && form.SortierungAnzeigenBitBtn->isEnabled());
    EXPECT_EQ(form.SpeedButton1->text() + form.SpeedButton2->text(), "");
    form.SpeedButton1Click();
    form.SpeedButton1Click();
    form.SpeedButton2Click();
    EXPECT_EQ(schrift, 13);
    // "Sortierte Listen erstellen" closes the dialog only after Yes, and that is no Abbruch.
    gewaehlt = QColor(1, 2, 3);
    form.FarbenAendernButtonClick();
    form.SortierungAnzeigenBitBtn->click();
    EXPECT_TRUE(form.isVisible());
    form.SortierungAnzeigenBitBtn->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(geschrieben(), "Farbe=$00030201");
}

// Every browser has a 56 by 56 JPEG of its own; positions of browsers not installed show the
// empty one and do nothing; a click on an active one stores the choice at once, for good.
TEST_F(EinstellformTest, Browserzeile) {
    std::vector<QImage> bilder; // in the order of the pictures, the empty one last
    for (const char* name :
         {"standard", "ie", "edge", "chrome", "opera", "safari", "firefox", "leer"}) {
        QImageReader leser(QStringLiteral(":/browser/%1.jpg").arg(name));
        EXPECT_EQ(leser.format(), "jpeg") << name;
        bilder.push_back(leser.read());
        EXPECT_EQ(bilder.back().size(), QSize(56, 56)) << name;
        for (size_t j = 0; j + 1 < bilder.size(); ++j)
            EXPECT_NE(bilder[j], bilder.back()) << name << j;
    }
    const auto bild = [](const QLabel* l) { return l->pixmap().toImage(); };
    QTemporaryDir eintraege;
    for (const char* e : {"firefox", "org.mozilla.firefox"})
        ASSERT_TRUE(
            QFile(eintraege.filePath(e + QStringLiteral(".desktop"))).open(QFile::WriteOnly));
    einstellungen.werte["Browser"] = "chrome";
    form.PruefeWelcheBrowserInstalliert({{eintraege.path()}, [](const QString&) { return false; }});
    for (int i = 0; i < TBrowsererkennung::Anzahl; ++i) {
        const Browserbild* b = form.browserbild(TBrowsererkennung::Bild(i));
        const QString hinweis = QStringList{"Standard Browser", "", "", "", "", "", "FireFox"}[i];
        EXPECT_EQ(b->toolTip(), hinweis) << i;
        EXPECT_EQ(bild(b), bilder[hinweis.isEmpty() ? 7 : i]) << i;
        EXPECT_FALSE(b->isHidden()) << i;
    }
    EXPECT_EQ(bild(form.AktuellerBrowser_Image), bilder[TBrowsererkennung::Chrome]);
    form.chrome_ImageClick();
    EXPECT_TRUE(geschrieben().isEmpty());
    QTest::mouseClick(form.firefox_Image, Qt::LeftButton);
    EXPECT_EQ(bild(form.AktuellerBrowser_Image), bilder[TBrowsererkennung::Firefox]);
    form.standard_ImageClick();
    form.AbbruchButtonClick();
    EXPECT_EQ(geschrieben(), "Browser=firefox|Browser=standard");
}
