#pragma once

#include "datenbank/Arbeitsordner.h"
#include "datenbank/Dokumentvariante.h"
#include "datenbank/Programmordner.h"
#include "index/Wortbuckets.h"
#include "index/Zeilenextraktor.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class Notifier;
class Pump;

// Builds the sorted word and phrase list of each document variant of a database: cuts the
// document into pieces, counts and collects the titles, takes words or phrases out of
// every other line and writes the six sorted lists as one file. The search window calls it
// and shows what it reports; the abort flag is polled once per line. Pieces and sorted runs
// lie in the job's own folder below Temp, so memory stays bounded whatever the document's
// size and no other job's files are touched.
class SortierteListen {
public:
    using Modus = Zeilenextraktor::Modus;
    // Memory the lists may hold before they go to a sorted run on disk.
    static constexpr qint64 Laufgrenze = qint64(256) << 20;

    // What the search window shows; any of them may be left empty.
    struct Rueckmeldung {
        std::function<void(const QString&)> fenstertitel;
        // The status label above the progress bar.
        std::function<void(const QString&)> status;
        std::function<void(int)> maximum;
        std::function<void(int)> position;
        // Starts the window's one-second timer that finishes a cancel.
        std::function<void()> timerStarten;
        // Before a list is built: the two title labels cleared; the list load button, the
        // three document load buttons, the sort button, the search-word edit, the two
        // option check boxes, the in-document search edit and button, the settings tool
        // button, the close button, the three radio buttons and "Lokale Suche" disabled;
        // the progress bar minimum 0.
        std::function<void()> sperren;
        // After the run: the sort button, the search-word edit, the two option check boxes,
        // the in-document search edit and button, the settings tool button, the close button
        // and the three radio buttons enabled again.
        std::function<void()> freigeben;
        // After a list is written: which document load buttons to enable (see ladbar).
        std::function<void(bool ansi, bool utf8, bool unicode)> ladeknoepfe;
        // The sort-running flag.
        std::function<void(bool)> sortierungLaeuft;
        // A drive letter found by trying letters, for the program-wide drive letter.
        std::function<void(QChar)> laufwerk;
        // A list file was written.
        std::function<void(const QString& pfad)> geschrieben;
    };

    SortierteListen(const Programmordner& ordner, Notifier& notifier, Pump& pump);

    void setAbbruch(std::function<bool()> abbruch) { abbruch_ = std::move(abbruch); }
    void setModus(Modus modus) { extraktor_.setModus(modus); }
    void setRueckmeldung(Rueckmeldung r) { r_ = std::move(r); }
    void setLaufgrenze(qint64 bytes) { laufgrenze_ = bytes; }

    // The whole run for a database over the variants Ansi, UTF8 and Unicode; returns the
    // list files written. The window has already released the document. A failure to read
    // or write a file ends the run with a warning naming the file.
    QStringList SortierteListenErstellen(const QString& name);
    // Builds and writes the list of one document variant whose pieces are in the run's
    // folder; false when it was cancelled or failed, or when no run is going on.
    bool ErstelleNachtraeglichSortierteListen(const QString& name, const QString& dokument);
    // The last run ended on a failure.
    bool fehlgeschlagen() const { return fehlgeschlagen_; }
    // Sorted runs written for the last list.
    int laeufe() const { return laeufe_; }

    // The drive letter of the collection: that of the first indexed file when it exists,
    // else the last letter (A to Z without C) under which the ".dat" itself is found.
    QChar laufwerkBestimmen(const QString& name);

    // The variant's document holds more than its byte-order mark, so its load button may
    // be enabled again after a sort.
    static bool ladbar(const Programmordner& ordner, const QString& name, Dokumentvariante v);
    // The variant a list is built for, from its document's path: by its ending when it has
    // one of the three, else by what the lower-cased path contains ("_ansi", "_utf8",
    // "_unicode"; the last match wins); Keine when neither. The ending comes first so that a
    // database whose name contains "_unicode" or "_ansi" still gets its own variant.
    static Dokumentvariante ausDokumentpfad(const QString& pfad);

private:
    bool abgebrochen() const { return abbruch_ && abbruch_(); }
    // One piece as lines: 8-bit variants one character per byte, Unicode as UTF-16 LE.
    QStringList zeilenLesen(const QString& stueck, Dokumentvariante v) const;
    // Counts the title lines of all pieces; false when cancelled.
    bool titelZaehlen(const QStringList& stuecke, Dokumentvariante v);
    // Takes titles, words and phrases from all pieces; false when cancelled.
    bool ausziehen(const QStringList& stuecke, Dokumentvariante v);
    void titelzeile(const QString& zeile, Dokumentvariante v);
    bool schreiben(const QString& pfad, Dokumentvariante v);
    void setzeMaximum(int wert);
    void ladeknoepfeMelden(const QString& name);
    // Warns, marks the run as failed and clears the sort-running flag; false.
    bool scheitern(const QString& meldung);

    Programmordner ordner_;
    Notifier& notifier_;
    Pump& pump_;
    std::function<bool()> abbruch_;
    Rueckmeldung r_;
    qint64 laufgrenze_ = Laufgrenze;
    std::unique_ptr<Arbeitsordner> arbeit_;
    bool fehlgeschlagen_ = false;
    int laeufe_ = 0;
    Wortbuckets eimer_;
    Zeilenextraktor extraktor_;
    qint64 gesamt_ = 0;
    QString gesamtText_;
    qint64 titel_ = 0;
    int maximum_ = 0;
};
