#pragma once

#include "datenbank/Programmdateien.h"
#include "datenbank/Programmordner.h"

#include <QString>
#include <QStringList>

#include <functional>

class Notifier;
class Pump;

// One indexing run without windows: master list (made by the lister when asked or
// missing), ".dat", document and log.
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
        QStringList log;
    };

    Indexlauf(const Programmordner& ordner, Notifier& notifier, Pump& pump);

    void setAbbruch(std::function<bool()> abbruch) { abbruch_ = std::move(abbruch); }
    void setFortschritt(std::function<void(const QString&)> f) { fortschritt_ = std::move(f); }
    // Builds the title positions of a database; the window hands in its search window's
    // components, without it the run uses its own.
    void setTitelpositionen(std::function<void(const QString& name)> erstellen) {
        titelpositionen_ = std::move(erstellen);
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

    // The whole run: checks, the lister when needed (waiting for it), then the rest.
    Ergebnis ausfuehren(const Auftrag& auftrag);

    // The input checks; each failure is reported. The name must be clean already.
    bool pruefen(const Auftrag& auftrag);
    // Everything after the master list is on disk: ".dat", document, log.
    Ergebnis nachListe(const Auftrag& auftrag);
    // The master list below the control folder when that is in effect, else below the
    // program folder.
    QString hauptliste(const Auftrag& auftrag) const;

private:
    // Runs the lister and watches it until its list is there; false when it failed.
    bool listeErstellen(const Auftrag& auftrag);
    void titelpositionenErstellen(const QString& name);

    Programmordner ordner_;
    Notifier& notifier_;
    Pump& pump_;
    std::function<bool()> abbruch_;
    std::function<void(const QString&)> fortschritt_;
    std::function<void(const QString&)> titelpositionen_;
    Programmdateien::Suche lister_;
    QString steuerordner_;
};
