#pragma once

#include "datenbank/Dokumentvariante.h"
#include "datenbank/Programmordner.h"
#include "platform/Dienste.h"
#include "searchwin/Sortiergruppe.h"
#include "searchwin/Suchfeld.h"
#include "searchwin/Titelanzeige.h"
#include "searchwin/Webseitenauswahl.h"
#include "searchwin/Weitersuche.h"

#include <QColor>
#include <QDialog>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QSplitter;
class QTimer;
class QToolBar;
class QToolButton;
class QGroupBox;
class QListWidgetItem;
class TBrowserstart;
class TStreamSearch;
class TSuchlauf;
struct TSuchfensterZustand;
class TTextViewer;
class TViewerDokument;

// The search window: the search word side on the left, the document viewer on the right,
// the action buttons at the bottom. The main window prepares it for the selected database.
class TSuchForm : public QDialog {
    Q_OBJECT
public:
    using Variante = Dokumentvariante;

    TSuchForm(const Dienste& dienste, const Programmordner& ordner, QWidget* parent = nullptr);
    ~TSuchForm() override;

    // The database whose documents the window shows.
    void setDatenbank(const QString& name) { Datenbankname = name; }
    // The settings dialog, shown by the tool bar button.
    void setEinstellungenZeigen(std::function<void()> zeigen) {
        einstellungenZeigen_ = std::move(zeigen);
    }
    // The control folder when it is in effect (for the companion's hand-over file).
    void setSteuerordner(const QString& ordner) { steuerordner_ = ordner; }
    // Cancels a running search in the main window (flag, patience dots, status line).
    void setSucheAbbrechen(std::function<void()> abbrechen) {
        sucheAbbrechen_ = std::move(abbrechen);
    }

    // What the search run needs of the main window: its status line, its busy timer and
    // the settings dialog's clipboard option.
    struct SuchlaufHaken {
        std::function<void(const QString&)> status;
        std::function<void(bool)> beschaeftigt;
        std::function<bool()> suchtextInZwischenablage;
    };
    void setSuchlaufHaken(const SuchlaufHaken& haken) { suchlaufHaken_ = haken; }

    // "Lokale Suche": every document variant searched, the result pages written and shown.
    void OKBtnClick();
    // The last search run (its hits per variant decide which word lists are written);
    // null before the first.
    const TSuchlauf* letzterSuchlauf() const { return suchlauf_.get(); }

    // Closes the file shown in the viewer.
    void DokumentSchliessen();
    void ViewerMemoLeeren();
    bool viewerMemoLeer() const;
    // The two caption labels above the viewer.
    void ErgebnisLabelsLeeren();
    // Forgets what was loaded and searched for the previous database.
    void SuchzustandZuruecksetzen();

    void setViewerSchriftgroesse(int punkte);
    int viewerSchriftgroesse() const;

    void setFensterfarbe(const QColor& farbe);
    void setHinweisfarbe(const QColor& farbe);
    // The short hint over the memo; off, the memo shows no hint at the mouse.
    void setKurzhinweis(bool anzeigen);

    QListWidget* vorschlagsliste() const { return TntListBox2; }
    QPushButton* sortierteListeLadenKnopf() const { return ZeilenAlsListeSortieren; }
    // The load button of the variant.
    QPushButton* ladeknopf(Variante v) const;

    // What every paint brings up to date: the load buttons, the search buttons, the focus.
    void FormPaint();
    void AnsiLadenButtonClick();
    void UTF8LadenButtonClick();
    void UnicodeLadenButtonClick();
    bool DokumentOeffnen(const QString& datei);
    void ZeigDieTitelAn();
    void Timer2Timer();
    void ViewerScroll();
    void Splitter1Moved();
    void ApplicationActivate();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void CancelBtnClick();

    // The search in the shown document, the bookmark and the overlay memo.
    void TntEdit1Change();
    void Button2Click();
    void WeiterSucheClick();
    void LesezeichenBtnClick();
    void ViewerMemoDblClick();
    // True when the key was handled here (focus change or handed to the viewer).
    bool ViewerMemoKeyDown(int taste, Qt::KeyboardModifiers umschalt);
    void ViewerMemoMouseDown(Qt::MouseButton knopf);
    void TextinSuchleistelinksbertragen1Click();

    // The left search field and its suggestion list.
    void TntEdit2Change();
    void TntEdit2Click();
    // True when the key was taken (Enter starts the local search).
    bool TntEdit2KeyDown(int taste);
    void Button1Click();
    void TntListBox2Click(const QListWidgetItem* eintrag);

    // The web search by address list.
    void TntComboBox1Click();
    void TntListBox1Click();
    void TntListBox1MouseMove();
    void SuchImInternetBtnClick();

    Variante GeladeneVariante = Variante::Keine;
    Variante AnzeigeVariante = Variante::Keine;
    QString VariantenPraefix;
    bool SortierteListeAngezeigt = false;
    bool SortierungLaeuft = false;
    bool SucheLaeuft = false;
    bool LesezeichenErlaubt = false;
    // Set by the search field when the user chose to open the file it named.
    bool DateiGeoeffnet = false;
    qint64 AnsichtPosition = 0;
    qint64 Lesezeichen = 0;
    QString DokumentDatei;
    QString Datenbankname;
    Titelanzeige TitelPositionen;

    QToolBar* ToolBar1;
    QToolButton* SpeedButton3;
    QWidget* ToolButton1;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QWidget* PanelLinks;
    QSplitter* Splitter1;
    QWidget* PanelRechts;
    QWidget* PanelUnten;
    QLabel* Label1;
    QLineEdit* TntEdit2;
    QPushButton* Button1;
    QListWidget* TntListBox2;
    QCheckBox* GrossKleinBeachten;
    QCheckBox* NurGanzeWoerterCheckBox;
    QWidget* Panel2;
    QLabel* Label5;
    QComboBox* TntComboBox1;
    QListWidget* TntListBox1;
    QLabel* TntLabel1;
    QFrame* Bevel5;
    QLabel* Label4;
    QProgressBar* ProgressBar1;
    QPushButton* SortierteListenErstellenButton;
    QPushButton* SortAbbrechenButton;
    QGroupBox* RadioGroup1;
    QRadioButton* nurWoerterButton;
    QRadioButton* nurSaetzeButton;
    QRadioButton* WoerterUndSaetzeButton;
    QLineEdit* TntEdit1;
    QPushButton* Button2;
    QPushButton* WeiterSuche;
    QPushButton* LesezeichenBtn;
    QLabel* Label8;
    QLabel* Label2;
    TTextViewer* Viewer;
    QPlainTextEdit* ViewerMemo;
    TViewerDokument* Viewer2;
    QStringList TntMemo1;
    QCheckBox* chkUnicode;
    QCheckBox* chkUnicodeBE;
    QCheckBox* PhraseCheckBox;
    QCheckBox* OderCheckBox;
    QSpinBox* SpinEdit1;
    QLineEdit* ClipbrdTntEdit;
    QPushButton* SuchImInternetBtn;
    QPushButton* OKBtn;
    QPushButton* ZeilenAlsListeSortieren;
    QPushButton* UTF8LadenButton;
    QPushButton* AnsiLadenButton;
    QPushButton* UnicodeLadenButton;
    QPushButton* CancelBtn;
    QTimer* Timer2;
    QMenu* PopupMenu1;
    QAction* TextinSuchleistelinksbertragen1;
    TStreamSearch* Search;
    Sortiergruppe* Sortierung = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // FormClick: a click on the window background.
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void laden(Variante v);
    void ladeschritt(Variante v);
    void erstesZeigen();
    void sortiergruppeZeigen(bool zeigen);
    void viewerAnbinden();

    Dienste dienste_;
    Programmordner ordner_;
    QString steuerordner_;
    std::function<void()> einstellungenZeigen_;
    std::function<void()> sucheAbbrechen_;
    void suchfeldSperren(bool sperren);
    void ansichtNachDerSucheLaden();

    SuchlaufHaken suchlaufHaken_;
    std::unique_ptr<TSuchfensterZustand> zustand_;
    std::unique_ptr<TSuchlauf> suchlauf_;
    bool ErsterPaint = true;
    QStringList memoZeilen_;

    void dokumentsucheAnbinden();
    void suchfeldAnbinden();
    void websucheAnbinden();
    void ThemenFuellen();
    void adressenZeigen(const Webseitenauswahl::Stand& stand);
    // Runs the change of the search field on its text; false when the path rule took over
    // (it opened the file or closed the window).
    bool suchfeldAnwenden(Suchfeld::Pfadregel regel);
    // Enabled and coloured while the search field holds text.
    void suchsteuerungFreigeben(bool frei);
    // Green text on the two search buttons while there is text, else the hint colour.
    void suchknoepfeFaerben(bool frei);
    void inZwischenablage(const QString& text);
    // The wheel scrolls what lies under the mouse; the side under it takes the focus.
    void FormMouseWheel();

    Weitersuche weitersuche_;
    Suchfeld suchfeld_{dienste_.notifier, dienste_.shell, ordner_};
    Webseitenauswahl webseiten_{dienste_.einstellungen, ordner_};
    QStringList themen_;
    std::unique_ptr<TBrowserstart> browser_;
    QColor fensterfarbe_;
    QColor hinweisfarbe_;
    bool kurzhinweis_ = true;
    static QString memoHinweis();
    // The search field's text after the last change, and whether the change now reported
    // was a single typed character.
    QString feldVorher_;
    bool getippt_ = false;
};
