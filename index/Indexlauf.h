#pragma once

#include "datenbank/Programmordner.h"
#include "index/Konvertereinstellungen.h"
#include "index/Konverterpool.h"

#include <QString>
#include <QStringList>

#include <functional>

class Notifier;
class Pump;

// One indexing run without windows: master list (made by the lister when asked or
// missing), then ".dat", document, title positions and log, all written in the run's own
// scratch folder and put in place together at the end. Until then the old database stays
// as it was; a run that fails, or is killed, leaves it so.
class Indexlauf {
public:
    struct Auftrag {
        QString name;
        QString ordner; // Windows form, e.g. "H:\Akten"
        QString endungen = QStringLiteral("*.pdf");
        bool neueListe = false;
    };
    struct Ergebnis {
        bool ok = false;
        qint64 dateien = 0;
        int konvertiert = 0;
        int ausCache = 0;
        QStringList log;
    };

    Indexlauf(const Programmordner& ordner, Notifier& notifier, Pump& pump);

    void setAbbruch(std::function<bool()> abbruch) { abbruch_ = std::move(abbruch); }
    void setFortschritt(std::function<void(const QString&)> f) { fortschritt_ = std::move(f); }
    // Converters side by side and their time limit ("Konverter_Prozesse",
    // "Zeitlimit_Konverter"); without this call the defaults.
    void setKonverter(const Konvertereinstellungen& konverter) { konverter_ = konverter; }
    // A step run on every converted file inside the converter pool.
    void setNachbearbeitung(Nachbearbeitung schritt) { nachbearbeitung_ = std::move(schritt); }
    // The lister executable; found below the program folder or beside this program.
    void setLister(const QString& programm) { lister_ = programm; }
    // The control folder (Windows form, ending in "\"), when it is in effect.
    void setSteuerordner(const QString& steuerordner) { steuerordner_ = steuerordner; }
    // Control folder + "ErstelleDateiliste" when that exists, else the program folder's,
    // else the one beside this program; empty when there is none.
    static QString listerSuchen(const Programmordner& ordner, const QString& steuerordner,
                                const QString& programmVerzeichnis);
    // The folder the lister runs in and writes its list below.
    QString listerBasis() const;

    // The whole run: checks, the lister when needed (waiting for it), then the rest.
    Ergebnis ausfuehren(const Auftrag& auftrag);

    // The input checks; each failure is reported. The name must be clean already.
    bool pruefen(const Auftrag& auftrag);
    // Everything after the master list is on disk: ".dat", document, title positions, log.
    Ergebnis nachListe(const Auftrag& auftrag);
    // The master list below the control folder when that is in effect, else below the
    // program folder.
    QString hauptliste(const Auftrag& auftrag) const;

private:
    bool listeErstellen(QChar laufwerk);
    // Writes a file of the new database into the job's folder; false after the message.
    bool schreiben(const QString& text, const QString& pfad, int codePage);

    Programmordner ordner_;
    Notifier& notifier_;
    Pump& pump_;
    std::function<bool()> abbruch_;
    std::function<void(const QString&)> fortschritt_;
    Konvertereinstellungen konverter_ = Konvertereinstellungen::standard();
    Nachbearbeitung nachbearbeitung_;
    QString lister_;
    QString steuerordner_;
};
