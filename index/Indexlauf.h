#pragma once

#include "datenbank/Datenbanksperre.h"
#include "datenbank/Programmdateien.h"
#include "datenbank/Programmordner.h"
#include "index/Konvertereinstellungen.h"
#include "index/Texterkennung.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Notifier;
class Pump;

// One indexing run without windows: master list (made by the lister when asked or
// missing), then ".dat", document, title positions and log, all written in the run's own
// scratch folder and put in place together at the end. Until then the old database stays
// as it was; a run that fails, or is killed, leaves it so. The run holds its database's lock
// from the moment it takes it until it ends, so a second run of the same database is
// refused meanwhile.
class Indexlauf {
public:
    struct Auftrag {
        QString name;
        QString ordner; // Windows form, e.g. "H:\Akten"
        QString endungen = QStringLiteral("*.pdf");
        bool neueListe = false;
        // Scanned pages stay unread in this run, whatever the settings say.
        bool ohneTexterkennung = false;
    };
    struct Ergebnis {
        bool ok = false;
        // The folder and extensions yielded no file; nothing was changed.
        bool keineDatei = false;
        qint64 dateien = 0;
        int konvertiert = 0;
        int ausCache = 0;
        QStringList log;
    };

    Indexlauf(const Programmordner& ordner, Notifier& notifier, Pump& pump);

    void setAbbruch(std::function<bool()> abbruch) { abbruch_ = std::move(abbruch); }
    // The window title: what the run is doing right now.
    void setFortschritt(std::function<void(const QString&)> f) { fortschritt_ = std::move(f); }
    // The status line.
    void setStatus(std::function<void(const QString&)> f) { status_ = std::move(f); }
    // Told the number of listed files once the master list is read.
    void setListeGelesen(std::function<void(qint64)> f) { listeGelesen_ = std::move(f); }
    // The elapsed time of the run for the log; without it the run counts from its creation.
    void setLaufzeit(std::function<QString()> f) { laufzeit_ = std::move(f); }
    // Converters side by side and their time limit ("Konverter_Prozesse",
    // "Zeitlimit_Konverter"); without this call the defaults.
    void setKonverter(const Konvertereinstellungen& konverter) { konverter_ = konverter; }
    // Text recognition of scanned pages as the settings value "Texterkennung" has it: on,
    // off, or, while nothing is stored, on when available. Off without this call; the order
    // may still leave it out. Whether it is available is checked at the first scanned page
    // of a run; when it was asked for and is not, that is said once and the run goes on
    // without it.
    void setTexterkennung(std::optional<bool> gespeichert,
                          Texterkennung::Programme programme = Texterkennung::Programme::suchen()) {
        texterkennung_ = gespeichert.value_or(true);
        texterkennungMelden_ = gespeichert.has_value();
        erkennungsprogramme_ = std::move(programme);
    }
    // Where the lister was looked for and which one was found.
    void setLister(const Programmdateien::Suche& lister) { lister_ = lister; }
    // The control folder (Windows form, ending in "\"), when it is in effect.
    void setSteuerordner(const QString& steuerordner) { steuerordner_ = steuerordner; }
    // Control folder + "ErstelleDateiliste" when that exists, else the program folder's,
    // else the one beside the calling program, else the installed one.
    static Programmdateien::Suche listerSuchen(const Programmordner& ordner,
                                               const QString& steuerordner,
                                               const QString& programmVerzeichnis);
    // The message when no lister was found, naming the places looked in.
    static QString listerFehltMeldung(const Programmdateien::Suche& suche);
    // The folder the lister runs in and writes its list below.
    QString listerBasis() const;

    // The whole run: checks, the lock, the lister when needed (waiting for it), then the rest.
    Ergebnis ausfuehren(const Auftrag& auftrag);

    // The input checks; each failure is reported. The name must be clean already.
    bool pruefen(const Auftrag& auftrag);
    // Takes the database's lock for the rest of the run; a refusal is reported.
    bool sperren(const QString& name);
    // Adds extensions of the order that are new to the dialog's choices; returns them.
    QStringList auswahlEndungenErgaenzen(const Auftrag& auftrag);
    // The message of a run whose folder and extensions yield no file.
    static QString keineDateiMeldung(const QString& ordnerText, const QStringList& plaetze);
    // Everything after the master list is on disk: ".dat", document, title positions, log.
    Ergebnis nachListe(const Auftrag& auftrag);
    // The master list below the control folder when that is in effect, else below the
    // program folder.
    QString hauptliste(const Auftrag& auftrag) const;

private:
    // Runs the lister and watches it until its list is there; false when it failed.
    bool listeErstellen(const Auftrag& auftrag);
    // Writes a file of the new database into the job's folder; false after the message.
    bool schreiben(const QString& text, const QString& pfad, int codePage);
    void melden(const QString& status);
    QString zeit() const;

    Programmordner ordner_;
    Notifier& notifier_;
    Pump& pump_;
    std::function<bool()> abbruch_;
    std::function<void(const QString&)> fortschritt_;
    std::function<void(const QString&)> status_;
    std::function<void(qint64)> listeGelesen_;
    std::function<QString()> laufzeit_;
    Konvertereinstellungen konverter_ = Konvertereinstellungen::standard();
    bool texterkennung_ = false;
    bool texterkennungMelden_ = false;
    Texterkennung::Programme erkennungsprogramme_;
    Programmdateien::Suche lister_;
    QString steuerordner_;
    QElapsedTimer uhr_;
    Datenbanksperre sperre_;
};
