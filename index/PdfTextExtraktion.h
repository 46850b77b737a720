#pragma once

#include "datenbank/Programmordner.h"
#include "index/Dokumentaufbau.h"
#include "index/Konvertereinstellungen.h"
#include "index/Konverterpool.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class Notifier;
class Pump;
class Textcache;

// Turns the files of a database's ".dat" into its UTF-8 document and title positions, in the
// job's own folder: the files that pass the exclusion list and extension checks go to the
// converter pool, their results come back in ".dat" order into the document. Messages are
// given in that order, on the caller's thread. A file counts as indexed only when it was
// converted (or its text came from the cache).
class PdfTextExtraktion {
public:
    struct Umgebung {
        Programmordner ordner;
        Notifier& notifier;
        Pump& pump;
        // Polled while the converters run; cancels them.
        std::function<bool()> abbruch;
        // The main window's title line.
        std::function<void(const QString&)> titel;
    };
    // What the run works with besides the database.
    struct Ausstattung {
        QString arbeitsordner; // the job's folder, Windows form ending in "\"
        Konvertereinstellungen konverter = Konvertereinstellungen::standard();
        bool textcache = true;
        Nachbearbeitung nachbearbeitung;
    };

    // endungen: the five extension slots, ".pdf" style, "." for an empty slot.
    // ausnahmen: path prefixes that are never indexed.
    PdfTextExtraktion(Umgebung umgebung, const QString& name, const QStringList& endungen,
                      const QStringList& ausnahmen, Ausstattung ausstattung);
    ~PdfTextExtraktion();

    // Converts the files of the ".dat" lines (header line first) into the document in the
    // job's folder. False when the run cannot go on (no converter, a write failed); the
    // reason has been reported.
    bool ErstelleDiePDFtextDokumente(const QStringList& datZeilen);
    // The four log lines; below them one when texts came from the cache, and the step's
    // line when it changed texts.
    QStringList statistik(qint64 dateienInsgesamt, const QString& zeit) const;

    // The converter: program folder + "pdftotext.exe" or "pdftotext", else the one on PATH;
    // empty when there is none.
    static QString konverter(const Programmordner& ordner);
    static QString konverterFehltMeldung(const Programmordner& ordner);
    static QString schreibfehlerMeldung(const QString& datei);

    const Dokumentaufbau& aufbau() const { return aufbau_; }
    int konvertiert() const { return n_; }
    int ausCache() const { return ausCache_; }
    int nachbearbeitet() const { return nachbearbeitet_; }
    qint64 gesamtgroesse() const { return gesamtgroesse_; }
    bool abgebrochen() const { return abgebrochen_; }

private:
    bool dateiPasst(const QString& pfad) const;
    // One result, in list order; false ends the run.
    bool uebernehmen(const Konverterpool::Auftrag& auftrag, const Konverterpool::Ergebnis& e);
    void konverterMeldung(int code);

    Umgebung u_;
    QString name_;
    QStringList endungen_;
    QStringList ausnahmen_;
    Ausstattung a_;
    Dokumentaufbau aufbau_;
    std::unique_ptr<Textcache> cache_;
    QStringList pfade_;
    int n_ = 0;
    int ausCache_ = 0;
    int nachbearbeitet_ = 0;
    qint64 gesamtgroesse_ = 0;
    bool abgebrochen_ = false;
    bool cacheFehler_ = false;
};
