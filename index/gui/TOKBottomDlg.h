#pragma once

#include "datenbank/Programmordner.h"

#include <QDialog>

#include <functional>

class Notifier;
class Pump;
class QColor;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// The new-database dialog: name, folder and extensions of an indexing run, and whether
// the drive's master file list is built anew.
class TOKBottomDlg : public QDialog {
    Q_OBJECT
public:
    TOKBottomDlg(const Programmordner& ordner, Notifier& notifier, Pump& pump,
                 QWidget* parent = nullptr);

    // The names in the database list, for the duplicate check.
    void setDatenbanknamen(std::function<QStringList()> namen) { namen_ = std::move(namen); }
    void setAdministrator(bool administrator) { administrator_ = administrator; }
    void setAktualisierung(bool aktualisierung) { aktualisierung_ = aktualisierung; }
    // The control folder (ending in "\") when it is in effect: a re-index run then reads the
    // master list below it, so the question about that list looks there.
    void setSteuerordner(const QString& steuerordner) { steuerordner_ = steuerordner; }
    // The folder dialog; returns a native folder or nothing. Tests answer it.
    void setOrdnerWahl(std::function<QString(const QString& start)> wahl) {
        wahl_ = std::move(wahl);
    }

    // Asks the master-list question; without it the notifier asks. True means build anew.
    void setHinweisFrage(std::function<bool(const QString&)> frage) {
        hinweisFrage_ = std::move(frage);
    }

    bool listerNoetig() const { return listerNoetig_; }

    void setFensterfarbe(const QColor& farbe);
    // Colour of the field captions and the information text.
    void setHinweisfarbe(const QColor& farbe);
    const QString& ausgewaehlteDatenbank() const { return ausgewaehlt_; }

    void Edit1Change();
    void OrdnerEditChange();
    void OrdnerwaehlenButtonClick();
    void PfadEinfuegenClick();
    void OKBtnClick();

    QLineEdit* Edit1;      // name
    QLineEdit* EndungEdit; // extensions
    QLineEdit* OrdnerEdit; // folder
    QPushButton* OrdnerwaehlenButton;
    // The captions of name, extensions and folder.
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    // The three lines of the information text, and what holds them.
    QWidget* Infotext;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    // Covers the information text while no new master list is going to be built.
    QLabel* Image1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QMenu* PopupMenu1;

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;
    // Every opening starts in the name field.
    void showEvent(QShowEvent* event) override;

private:
    // Asks whether the list is built anew; "Nein" keeps the one on disk.
    void hauptlisteFragen(const QString& liste, int pauseMs);
    void bildZeigen(bool zeigen);
    // Where the folder selection opens: the folder of the field, the last one chosen, or
    // the home folder; native.
    QString startordner() const;

    Programmordner ordner_;
    Notifier& notifier_;
    Pump& pump_;
    std::function<QStringList()> namen_;
    std::function<QString(const QString&)> wahl_;
    std::function<bool(const QString&)> hinweisFrage_;
    QString letzterOrdner_;
    QString steuerordner_;
    QString ausgewaehlt_;
    bool administrator_ = false;
    bool aktualisierung_ = false;
    bool listerNoetig_ = false;
    bool adminHinweisGezeigt_ = false;
    bool aendertSich_ = false;
};
