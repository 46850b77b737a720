#pragma once

#include "app/Registrierwerte.h"
#include "app/Virenscannerwache.h"
#include "datenbank/DatenbankKatalog.h"
#include "datenbank/Programmordner.h"
#include "index/Indexlauf.h"
#include "index/Listerwache.h"
#include "platform/Dienste.h"
#include "platform/WindowRegistry.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class DatenbankEintragDelegate;
class Fensternachricht;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;
class TEinstellform;
class TOKBottomDlg;
class TSuchForm;

// The program's first window and its hub: the database list, the buttons that start
// indexing and searching, the status and counter lines, and the close button that
// cancels a running job.
class TMainForm_Kelvora_PDF : public QMainWindow {
    Q_OBJECT
public:
    // Run flags shared with the indexing and search jobs.
    struct Laufzustand {
        bool indizierung = false;
        bool aktualisierung = false;
        bool sucheLaeuft = false;
        bool abbruch = false;
        bool abbruchMeldung = false;
        bool ersterShow = true;
        bool administrator = false;
    };

    TMainForm_Kelvora_PDF(const Dienste& dienste, const Programmordner& ordner,
                          QWidget* parent = nullptr);
    ~TMainForm_Kelvora_PDF() override;

    // The windows created after this one at program start.
    void setFenster(TSuchForm* suchForm, TEinstellform* einstellform);
    // Where the new-database dialog's name field is read from when the list is refilled.
    void setDialogNameQuelle(std::function<QString()> quelle) { dialogName_ = std::move(quelle); }

    const Programmordner& programmordner() const { return ordner_; }
    bool steuerordnerWirksam() const { return steuerordnerWirksam_; }
    const QString& steuerordner() const { return steuerordner_; }
    const QStringList& auswahlEndungen() const { return auswahlEndungen_; }
    const QString& ausgewaehlteDatenbank() const { return ausgewaehlteDatenbank_; }
    int standardBreite() const { return standardBreite_; }

    Laufzustand lauf;
    // File count N of the counter line.
    qint64 anzahlDateien = 0;

    void LiesNamenDatenbanken();
    void ListBox1Click();
    void Datenbankloeschen1Click();
    void BitBtn2Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void NeuErstellenBtnClick();
    // Opens the search window for the selected database and records the searched text.
    void SuchenBtnClick();
    void DBerneutIndizierenBtnClick();
    TOKBottomDlg* neueDatenbankDialog() const { return OKBottomDlg; }
    // Whether an indexing run waits for the file lister.
    bool wartetAufLister() const;
    // The lister watch ticks every 500 ms; tests make it quicker.
    void setUeberwachIntervall(int ms);

    // Starts and stops the counter line and the patience dots of a job.
    void jobAnzeigeStarten();
    void jobAnzeigeStoppen();
    QString zeitText() const;
    void checkDefenderTimerStarten();

    // Colours of the windows and of their hint texts.
    void setFensterfarbe(const QColor& farbe);
    void setHinweisfarbe(const QColor& farbe);
    QColor fensterfarbe() const;

    QListWidget* ListBox1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* GeduldLabel;
    QPushButton* BitBtn2;
    QPushButton* SuchenBtn;
    QPushButton* NeuErstellenBtn;
    QPushButton* DBerneutIndizierenBtn;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QWidget* ToolButton1;
    QWidget* Panel1;
    QLabel* Image1;
    QMenu* PopupMenu1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    void erstesZeigen();
    void schliessen();
    void geduldLabelPlatzieren();
    // Starts (true) or stops (false) the patience dots of a search.
    void geduldAnzeigen(bool an);
    void suchenSchriftAnpassen();
    void GedultTimerTimer();
    void Timer1Timer();
    void checkDefenderTimerTimer();
    void UeberwachTimerTimer();
    void LiesDieListeEin();
    // Ends a run: status line (unless empty), timers, buttons, flags.
    void indizierungBeenden(const QString& status);
    void ListBox1MouseDown(const QPoint& position);
    void eintragWaehlen(int index);
    void indizierungStarten();
    // The control folder ending in "\" when it is in effect, else empty.
    QString wirksamerSteuerordner() const;
    void knoepfeFreigeben(bool frei);
    void nachrichtEmpfangen(int nachricht, int parameter);
    void suchwortAufnehmen(const QString& datenbank);

    Dienste dienste_;
    Programmordner ordner_;
    DatenbankKatalog katalog_;
    TSuchForm* suchForm_ = nullptr;
    TEinstellform* einstellform_ = nullptr;
    TOKBottomDlg* OKBottomDlg;
    std::function<QString()> dialogName_;
    DatenbankEintragDelegate* delegate_;

    QString adressenDatei_;
    QString steuerordner_;
    bool steuerordnerWirksam_ = false;
    int standardBreite_ = 900;
    Registrierwerte::Fenstergroessen groessen_;
    QStringList auswahlEndungen_;
    QString ausgewaehlteDatenbank_;
    int ausgewaehlterIndex_ = -1;
    // The list position of the previous search.
    int letzteSuchposition_ = -1;

    QTimer* GedultTimer;
    QTimer* Timer1;
    QTimer* checkDefenderTimer;
    QTimer* UeberwachTimer;
    Listerwache listerwache_;
    // The lister this window started, while it is watched.
    std::unique_ptr<Kindprozess> listerProzess_;
    std::unique_ptr<Indexlauf> indexlauf_;
    Indexlauf::Auftrag auftrag_;
    // The running job re-indexes the selected database (the cancel clears the update flag).
    bool laufIstAktualisierung_ = false;
    // The window was closed while a run worked; it closes once the run has ended.
    bool schliessenNachLauf_ = false;
    int geduldZaehler_ = 0;
    qint64 startTicks_ = 0;
    Virenscannerwache virenscanner_;

    Fensternachricht* nachrichten_;
    std::unique_ptr<WindowRegistry::Eintrag> registrierung_;
};
