#pragma once

#include "platform/ProcessRunner.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

class Pump;
class QThread;
class Textcache;

// A step run inside the pool on every freshly converted file, under the same time limit
// and cancel as the converter (text recognition of scanned pages, for example).
struct Nachbearbeitung {
    // Part of the text cache's key: texts made without the step, or by another version of
    // it, are converted anew.
    QByteArray kennung;
    // May replace the converter's text. False: the file is not indexed. Programs it starts
    // run through ProcessRunner::ausfuehrenBegrenzt with the given bound.
    std::function<bool(const QString& nativePdf, QByteArray& text,
                       const ProcessRunner::Grenze& grenze)>
        schritt;
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
        bool cacheFehler = false; // converted, but the cache entry could not be written
        QString ausgabe;          // the converter's output file
    };

    struct Einstellungen {
        QString konverter;
        int prozesse = 1;
        int zeitlimitSekunden = 300;
        QString ausgabeordner; // native, where the converter writes "<position>.txt"
        const Textcache* cache = nullptr;
        Nachbearbeitung nachbearbeitung;
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
    Ergebnis bearbeiten(const Auftrag& auftrag) const;

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
    std::vector<QThread*> arbeiter_;
};
