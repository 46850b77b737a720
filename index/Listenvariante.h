#pragma once

#include "datenbank/Programmordner.h"

#include <QString>

#include <array>
#include <optional>

// The three text variants of a database document and what belongs to each for the sorted
// word lists: file names, code page and the texts the windows show.
class Listenvariante {
public:
    enum Art { Ansi, Utf8, Unicode };
    static constexpr std::array<Art, 3> alle = {Ansi, Utf8, Unicode};

    // "_AnsiDokument.txt", "_UTF8Dokument.txt", "_UnicodeDokument.txt"
    static QString dokumentEndung(Art art);
    static QString dokument(const Programmordner& ordner, const QString& name, Art art);
    // "_Phrasen_Woerter_AnsiListe.txt" and its twins.
    static QString listenEndung(Art art);
    // "_Ansi_TitelPositionen.txt" and its twins.
    static QString titelpositionenEndung(Art art);
    // "Datenbank\<name>_Phrasen_Woerter_AnsiListe.txt" and its twins.
    static QString liste(const Programmordner& ordner, const QString& name, Art art);
    // 1252, 65001 or 1200.
    static int codePage(Art art);
    // The document's load button may be enabled: it holds more than its byte-order mark
    // (longer than 2 bytes, for Unicode longer than 4).
    static bool ladbar(const Programmordner& ordner, const QString& name, Art art);
    // "ANSI ", "UTF8 ", "Unicode ": how the caption names the variant while titles are read.
    static QString titelwort(Art art);
    // "Sortierte ANSI-Liste von " and its twins, and the label "... von DB: \"name\"".
    static QString listentitel(Art art);
    static QString listenlabel(Art art, const QString& name);

    // The variant of a document path: by its ending when it has one of the three, else by
    // what the lower-cased path contains ("_ansi", "_utf8", "_unicode"; the last match
    // wins). The ending comes first so that a database whose name contains "_unicode" or
    // "_ansi" still gets its own variant.
    static std::optional<Art> ausDokumentpfad(const QString& pfad);
};
