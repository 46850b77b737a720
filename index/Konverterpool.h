#pragma once

#include "platform/Files.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class Pump;
class QThread;
class Textcache;

// A step run inside the pool on a file's converter text, in the worker's thread (text
// recognition of scanned pages, for example). It runs only on texts it says it would touch;
// what it makes is kept in the text cache beside the converter's own text, so a re-index
// takes either without running anything, and a run without the step uses the converter's.
struct Nachbearbeitung {
    struct Datei {
        QString pfad;                  // Windows form, for what the user is shown
        QString nativ;                 // the PDF itself
        QString arbeitsordner;         // native, the run's scratch folder
        int zeitlimitSekunden = 300;   // "Zeitlimit_Konverter"
        std::function<bool()> abbruch; // turns true when the run is cancelled
        // Shown as the window title, soon and on the caller's thread.
        std::function<void(const QString&)> titel;
    };
    struct Ausgang {
        // Nothing was cut short: a later run would make the same text, so it is kept.
        bool vollstaendig = true;
        // A warning for the user, given in file order; empty for none.
        QString meldung;
    };

    struct Bereitschaft {
        bool bereit = false;
        // Why not, for the user; empty when nothing is to be said.
        QString meldung;
        // What the step makes, with the versions of what it runs; texts made otherwise are
        // not taken from the cache.
        QByteArray kennung;
    };

    // Asked once per run, on the first text the step would touch, so that a run without
    // such texts starts nothing for it. Not ready: the step is left out for the run.
    std::function<Bereitschaft()> vorbereiten;
    // The folder inside the text cache that keeps the step's texts.
    QString cacheordner;
    // Whether the step would change anything in this converter text.
    std::function<bool(const QByteArray& text)> betrifft;
    std::function<Ausgang(const Datei& datei, QByteArray& text)> schritt;
    // The log line for the number of files whose text the step changed.
    std::function<QString(int anzahl)> protokollzeile;
};

// Converts the files of an index run with up to N converters side by side and hands the
// results back one by one in list order, so the document comes out as from one converter
// at a time. Workers take the next file while the caller assembles; they run at most a
// window of files ahead of it, which bounds the texts held in memory. A file's text comes
// from the cache when it holds one for the file as it is now. Cancel stops new conversions
// and kills the running ones; every result finished before stays.
class Konverterpool {
public:
    struct Auftrag {
        int position = 0; // line of the ".dat", 1 for the first path; names the output file
        QString pfad;     // Windows form, as the ".dat" holds it
        QString nativ;    // the file itself, resolved by the caller's thread
    };

    struct Ergebnis {
        enum class Art {
            Umgewandelt,
            AusCache,
            NichtLesbar,            // could not be opened: gone, locked, no permission
            Fehlgeschlagen,         // the converter's exit code says why
            Zeitlimit,              // still running after the time limit and ended
            Abgebrochen,            // cancelled before or while converting
            NichtGestartet,         // the converter cannot be started at all
            AusgabeNichtSchreibbar, // the converter could not write its output file
        };
        Art art = Art::Abgebrochen;
        int code = 0;
        qint64 pdfGroesse = 0;
        QByteArray text;
        bool cacheFehler = false;    // converted, but the cache entry could not be written
        QString ausgabe;             // the converter's output file
        bool nachbearbeitet = false; // the text is the step's, not the converter's
        QString meldung;             // the step's warning
    };

    struct Einstellungen {
        QString konverter;
        int prozesse = 1;
        int zeitlimitSekunden = 300;
        QString ausgabeordner; // native, where the converter writes "<position>.txt"
        const Textcache* cache = nullptr;
        Nachbearbeitung nachbearbeitung;
        // Opens the cache of the step's texts under its kennung, when the step is ready;
        // none without a cache.
        std::function<std::unique_ptr<Textcache>(const QByteArray& kennung)> nachbearbeitungscache;
        // The window title the step asks for, called on the thread that takes the results.
        std::function<void(const QString&)> titel;
    };

    Konverterpool(Einstellungen einstellungen, QList<Auftrag> auftraege);
    // Cancels what still runs and waits for the workers.
    ~Konverterpool();
    Konverterpool(const Konverterpool&) = delete;
    Konverterpool& operator=(const Konverterpool&) = delete;

    bool hatNaechstes() const { return verbraucht_ < int(auftraege_.size()); }
    // The next file's result, waiting while the pump runs; when abbruch turns true the pool
    // is cancelled.
    Ergebnis naechstes(Pump& pump, const std::function<bool()>& abbruch);
    void abbrechen();

    // The converter's arguments: -layout -enc UTF-8 PDF OUT.
    static QStringList argumente(const QString& pdf, const QString& ausgabe);

private:
    void arbeiten();
    Ergebnis bearbeiten(const Auftrag& auftrag);
    void nachbearbeiten(const Auftrag& auftrag, const Files::Stand& stand, Ergebnis& e);
    // Hands a title the step asked for to the taking thread.
    void titelZeigen();

    Einstellungen e_;
    QList<Auftrag> auftraege_;
    std::vector<std::optional<Ergebnis>> ergebnisse_;
    std::mutex m_;
    std::condition_variable fertig_;
    std::condition_variable frei_;
    int vergeben_ = 0;
    int verbraucht_ = 0;
    int fenster_ = 1;
    std::atomic<bool> abbruch_{false};
    std::once_flag vorbereitet_;
    bool schrittBereit_ = false; // set once under vorbereitet_
    std::unique_ptr<Textcache> schrittcache_;
    QString titel_;    // asked for by a worker, not yet shown; under m_
    int titelVon_ = 0; // the position of the file it is about
    std::vector<QThread*> arbeiter_;
};
