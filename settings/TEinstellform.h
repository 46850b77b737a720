#pragma once

#include "search/Browsererkennung.h"
#include "settings/Einstellziele.h"

#include <QDialog>
#include <QPixmap>

#include <array>
#include <functional>
#include <optional>

class Browserbild;
class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;
class SettingsStore;

// The settings dialog: colours, viewer font size, the options, the browser for the result
// pages and the start of the sorted lists; every change is stored at once.
class TEinstellform : public QDialog {
    Q_OBJECT
public:
    TEinstellform(SettingsStore& einstellungen, QWidget* parent = nullptr);

    void setZiele(Einstellziele ziele) { ziele_ = std::move(ziele); }
    // The colour dialog: the chosen colour, or nothing when the user cancels it. The dialog
    // brings its own; tests answer in its place.
    using Farbwahl = std::function<std::optional<QColor>(const QColor& start)>;
    void setFarbwahl(Farbwahl wahl) { farbwahl_ = std::move(wahl); }
    // Screen-dependent default width of both windows.
    void setStandardBreite(int breite) { standardBreite_ = breite; }

    QCheckBox* suchtextInZwischenablage() const { return SuchtextInClipbrdCheckBox; }
    QCheckBox* kurzhinweisImViewer() const { return KurzhinweisImViewerZeigenCheckBox; }
    bool farbeGeaendert() const { return farbeGeaendert_; }

    void setFensterfarbe(const QColor& farbe);
    void setHinweisfarbe(const QColor& farbe);
    // The font and sort buttons only work while the search window is shown.
    void knoepfeAnpassen();

    void FarbenAendernButtonClick();
    void HinweistexteFarbenAendernButtonClick();
    void Button1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void OkButtonClick();
    void AbbruchButtonClick();
    void SortierungAnzeigenBitBtnClick();

    // Sets up the browser row: pictures of browsers not found get the empty picture and
    // lose their hint; AktuellerBrowser_Image shows the chosen one.
    void PruefeWelcheBrowserInstalliert(const TBrowsererkennung::Quellen& quellen);
    // A click on a browser picture: an active one becomes the browser of the result pages.
    void BrowserbildKlick(TBrowsererkennung::Bild bild);
    void standard_ImageClick() { BrowserbildKlick(TBrowsererkennung::Standard); }
    void ie_ImageClick() { BrowserbildKlick(TBrowsererkennung::Ie); }
    void edge_ImageClick() { BrowserbildKlick(TBrowsererkennung::Edge); }
    void chrome_ImageClick() { BrowserbildKlick(TBrowsererkennung::Chrome); }
    void opera_ImageClick() { BrowserbildKlick(TBrowsererkennung::Opera); }
    void safari_ImageClick() { BrowserbildKlick(TBrowsererkennung::Safari); }
    void firefox_ImageClick() { BrowserbildKlick(TBrowsererkennung::Firefox); }
    Browserbild* browserbild(TBrowsererkennung::Bild bild) const { return browserbilder_[bild]; }
    // The picture a browser has when it is installed, loaded from the built-in JPEGs.
    static QPixmap browserbildDatei(TBrowsererkennung::Bild bild);
    static QPixmap leeresBild();

    QCheckBox* SuchtextInClipbrdCheckBox;
    QCheckBox* KurzhinweisImViewerZeigenCheckBox;
    QCheckBox* TexterkennungCheckBox;
    QPushButton* FarbenAendernButton;
    QPushButton* HinweistexteFarbenAendernButton;
    QPushButton* Button1;
    QPushButton* SortierungAnzeigenBitBtn;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* OkButton;
    QPushButton* AbbruchButton;
    Browserbild* standard_Image;
    Browserbild* ie_Image;
    Browserbild* edge_Image;
    Browserbild* chrome_Image;
    Browserbild* opera_Image;
    Browserbild* safari_Image;
    Browserbild* firefox_Image;
    QLabel* AktuellerBrowser_Image;
    QLabel* leer_Image;

protected:
    // Shows the stored "Texterkennung" (unstored changes of an earlier showing are gone).
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Escape works as the Abbruch button, so that a colour change is taken back there too.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fensterfarbeAnwenden(const QColor& farbe);
    void browserzeileAnlegen();

    SettingsStore& einstellungen_;
    Einstellziele ziele_;
    Farbwahl farbwahl_;
    int standardBreite_ = 900;
    bool farbeGeaendert_ = false;
    std::array<Browserbild*, TBrowsererkennung::Anzahl> browserbilder_{};
};
