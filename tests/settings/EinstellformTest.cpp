#include "settings/einstellformp.h"

#include "tests/common/TestUmgebung.h"

#include "settings/Browserbild.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
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
        form.setZiele(std::move(z));
        form.setFarbwahl([this](const QColor&) { return gewaehlt; });
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
    einstellungen.werte["Texterkennung"] = "1";
    form.show();
    form.suchtextInZwischenablage()->setChecked(false);
    form.OkButtonClick();
    const std::vector<std::pair<QString, QString>> erwartet = {
        {"Suchwort_in_Zwischenablage_kopieren", "0"},
        {"Kurzhinweis_imViewer_anzeigen", "1"},
        {"Texterkennung", "1"}};
    EXPECT_EQ(einstellungen.schreibvorgaenge, erwartet);
}

TEST_F(EinstellformTest, TexterkennungZeigtDenGespeichertenWert) {
    QCheckBox* box = form.TexterkennungCheckBox;
    EXPECT_EQ(box->text(), QStringLiteral("Texterkennung für gescannte PDF-Dateien (langsam)"));
    // Nothing stored: ticked, because tesseract and its German data are installed here.
    form.show();
    EXPECT_TRUE(box->isChecked());
    box->setChecked(false);
    form.OkButtonClick();
    EXPECT_EQ(einstellungen.werte.value("Texterkennung"), QStringLiteral("0"));
    form.show();
    EXPECT_FALSE(box->isChecked());
    // A change left with Abbruch is not stored and gone at the next showing.
    box->setChecked(true);
    einstellungen.schreibvorgaenge.clear();
    form.AbbruchButtonClick();
    EXPECT_TRUE(einstellungen.schreibvorgaenge.empty());
    form.show();
    EXPECT_FALSE(box->isChecked());
    einstellungen.werte["Texterkennung"] = "1";
    form.hide();
    form.show();
    EXPECT_TRUE(box->isChecked());
    // It takes the colour of the hint texts with the other check boxes.
    form.setHinweisfarbe(QColor(0, 128, 0));
    EXPECT_EQ(box->palette().color(QPalette::WindowText), QColor(0, 128, 0));
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

TEST_F(EinstellformTest, SortierungAnzeigenSchliesstNurNachJa) {
    bool antwort = false;
    int fragen = 0;
    Einstellziele z;
    z.sortierungAnzeigen = [&] {
        ++fragen;
        return antwort;
    };
    form.setZiele(std::move(z));
    form.setFarbwahl([](const QColor&) { return std::optional<QColor>(QColor(1, 2, 3)); });
    form.FarbenAendernButtonClick();
    einstellungen.schreibvorgaenge.clear();
    form.show();
    form.SortierungAnzeigenBitBtnClick();
    EXPECT_TRUE(form.isVisible());
    antwort = true;
    form.SortierungAnzeigenBitBtn->setEnabled(true);
    form.SortierungAnzeigenBitBtn->click();
    EXPECT_EQ(fragen, 2);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    // Closing this way is no Abbruch: the colour stays.
    EXPECT_TRUE(einstellungen.schreibvorgaenge.empty());
}

TEST_F(EinstellformTest, EscapeWirktWieAbbruch) {
    gewaehlt = QColor(0x12, 0x34, 0x56);
    form.FarbenAendernButtonClick();
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(einstellungen.werte.value("Farbe"), QStringLiteral("$000090FF"));
    EXPECT_EQ(fensterfarben.back(), QColor(255, 144, 0));
    EXPECT_FALSE(form.isVisible());
}

TEST_F(EinstellformTest, MalenPasstDieKnoepfeAn) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_FALSE(form.SpeedButton1->isEnabled());
    suchfensterSichtbar = true;
    form.repaint();
    EXPECT_TRUE(form.SpeedButton1->isEnabled());
    EXPECT_TRUE(form.SortierungAnzeigenBitBtn->isEnabled());
    EXPECT_TRUE(form.SpeedButton2->text().isEmpty());
}

class BrowserzeileTest : public EinstellformTest {
protected:
    // Sources with desktop entries for the given browsers and no programs on the path.
    TBrowsererkennung::Quellen quellen(const QStringList& eintraege) {
        for (const QString& e : eintraege) {
            QFile f(ordner.filePath(e + QStringLiteral(".desktop")));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        }
        return {{ordner.path()}, [](const QString&) { return false; }};
    }
    static QImage bild(const QLabel* l) { return l->pixmap().toImage(); }
    static QImage bild(TBrowsererkennung::Bild b) {
        return TEinstellform::browserbildDatei(b).toImage();
    }

    QTemporaryDir tmp;
    QDir ordner{tmp.path()};
};

TEST_F(BrowserzeileTest, BilderSindEigeneJpegs) {
    for (const char* name :
         {"standard", "ie", "edge", "chrome", "opera", "safari", "firefox", "leer"}) {
        QImageReader leser(QStringLiteral(":/browser/") + QLatin1String(name) + ".jpg");
        EXPECT_EQ(leser.format(), QByteArray("jpeg")) << name;
        const QImage b = leser.read();
        EXPECT_EQ(b.size(), QSize(56, 56)) << name;
    }
    // Each browser has a picture of its own, and none is the empty one.
    for (int i = 0; i < TBrowsererkennung::Anzahl; ++i) {
        const auto b = static_cast<TBrowsererkennung::Bild>(i);
        EXPECT_NE(bild(b), TEinstellform::leeresBild().toImage()) << i;
        for (int j = i + 1; j < TBrowsererkennung::Anzahl; ++j)
            EXPECT_NE(bild(b), bild(static_cast<TBrowsererkennung::Bild>(j))) << i << j;
    }
}

TEST_F(BrowserzeileTest, NichtInstallierteBekommenDasLeereBild) {
    einstellungen.werte["Browser"] = "chrome";
    form.PruefeWelcheBrowserInstalliert(quellen({"firefox", "org.mozilla.firefox"}));
    const QImage leer = TEinstellform::leeresBild().toImage();
    EXPECT_EQ(form.standard_Image->toolTip(), QStringLiteral("Standard Browser"));
    EXPECT_EQ(bild(form.standard_Image), bild(TBrowsererkennung::Standard));
    EXPECT_EQ(form.firefox_Image->toolTip(), QStringLiteral("FireFox"));
    EXPECT_EQ(bild(form.firefox_Image), bild(TBrowsererkennung::Firefox));
    for (QLabel* l :
         {static_cast<QLabel*>(form.ie_Image), static_cast<QLabel*>(form.edge_Image),
          static_cast<QLabel*>(form.chrome_Image), static_cast<QLabel*>(form.opera_Image),
          static_cast<QLabel*>(form.safari_Image)}) {
        EXPECT_TRUE(l->toolTip().isEmpty()) << l->objectName().toStdString();
        EXPECT_EQ(bild(l), leer) << l->objectName().toStdString();
    }
    // Every position is shown; the chosen browser is shown with its own picture even when
    // it is no longer installed.
    for (int i = 0; i < TBrowsererkennung::Anzahl; ++i)
        EXPECT_FALSE(form.browserbild(static_cast<TBrowsererkennung::Bild>(i))->isHidden());
    EXPECT_TRUE(form.leer_Image->isHidden());
    EXPECT_EQ(bild(form.AktuellerBrowser_Image), bild(TBrowsererkennung::Chrome));
}

TEST_F(BrowserzeileTest, NurEinAktivesBildWaehltDenBrowser) {
    einstellungen.werte["Browser"] = "standard";
    form.PruefeWelcheBrowserInstalliert(quellen({"firefox"}));
    form.chrome_ImageClick();
    EXPECT_TRUE(einstellungen.schreibvorgaenge.empty());
    EXPECT_EQ(bild(form.AktuellerBrowser_Image), bild(TBrowsererkennung::Standard));
    // A mouse click on the Firefox picture stores the value at once.
    QTest::mouseClick(form.firefox_Image, Qt::LeftButton);
    const std::vector<std::pair<QString, QString>> erwartet = {{"Browser", "firefox"}};
    EXPECT_EQ(einstellungen.schreibvorgaenge, erwartet);
    EXPECT_EQ(bild(form.AktuellerBrowser_Image), bild(TBrowsererkennung::Firefox));
    form.standard_ImageClick();
    EXPECT_EQ(einstellungen.werte.value("Browser"), QStringLiteral("standard"));
    // Neither OK nor Abbruch takes the choice back.
    form.AbbruchButtonClick();
    EXPECT_EQ(einstellungen.werte.value("Browser"), QStringLiteral("standard"));
}

TEST_F(BrowserzeileTest, OhneBrowserIstNurStandardAktiv) {
    einstellungen.werte["Browser"] = "edge";
    form.PruefeWelcheBrowserInstalliert(quellen({}));
    for (int i = TBrowsererkennung::Ie; i < TBrowsererkennung::Anzahl; ++i)
        EXPECT_TRUE(form.browserbild(static_cast<TBrowsererkennung::Bild>(i))->toolTip().isEmpty());
    form.edge_ImageClick();
    form.firefox_ImageClick();
    EXPECT_TRUE(einstellungen.schreibvorgaenge.empty());
    EXPECT_EQ(bild(form.AktuellerBrowser_Image), bild(TBrowsererkennung::Edge));
    form.standard_ImageClick();
    EXPECT_EQ(einstellungen.werte.value("Browser"), QStringLiteral("standard"));
}
