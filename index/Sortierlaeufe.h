#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <functional>
#include <string_view>
#include <vector>

class Pump;
class TWideStringList;

// Sorted runs of the six lists of a word list on disk, and their merge, so that a document
// of any size is sorted in bounded memory. A run holds each list's entries in key order,
// list after list, every entry as its collation key and its text. The merge takes the
// entries of all runs in key order; of equal keys the one from the earliest run is kept, and
// since every run keeps the first spelling met while it was filled, the first spelling met
// in the whole document stays, exactly as in one list held in memory.
class Sortierlaeufe {
public:
    static constexpr int Listen = 6;
    // Runs read at once; more are first merged in groups into fewer runs.
    static constexpr int Faecher = 64;

    // The runs are files "Sortierlauf<n>.lauf" in the folder (Windows form, ending in "\").
    // The pump is called and the abort asked every few thousand entries.
    Sortierlaeufe(const QString& ordner, Pump& pump, std::function<bool()> abbruch);
    // Removes the run files.
    ~Sortierlaeufe();
    Sortierlaeufe(const Sortierlaeufe&) = delete;
    Sortierlaeufe& operator=(const Sortierlaeufe&) = delete;

    // Writes the lists, each in its sorted order, as the next run; false when a write fails.
    bool schreiben(const std::array<const TWideStringList*, Listen>& listen);
    qsizetype anzahl() const { return static_cast<qsizetype>(laeufe_.size()); }

    using Ziel = std::function<bool(int liste, QStringView text)>;
    // Hands every entry of all runs to the target in order, list after list, each key once.
    // False when a run cannot be read or written, or when the target or the abort says stop.
    bool mischen(const Ziel& ziel);

    // Deletes every run.
    void leeren();

    // The German message of the last failure, naming the file; empty after a cancel.
    const QString& fehler() const { return fehler_; }

private:
    struct Lauf {
        QString pfad;
        // Where each list starts in the file, and where the last one ends.
        std::array<qint64, Listen + 1> grenzen{};
    };
    using Abnehmer = std::function<bool(std::string_view schluessel, QStringView text)>;

    QString neuerPfad();
    // Merges one list of the runs [von, bis) into the taker.
    bool mischeListe(size_t von, size_t bis, int liste, const Abnehmer& abnehmer);
    // Merges the runs [von, bis) into one new run.
    bool zusammenlegen(size_t von, size_t bis, Lauf& neu);
    bool weiter();
    bool scheitern(const QString& meldung);

    QString ordner_;
    Pump& pump_;
    std::function<bool()> abbruch_;
    std::vector<Lauf> laeufe_;
    int nummer_ = 0;
    qint64 schritte_ = 0;
    QString fehler_;
};
