#pragma once

#include <QString>

#include <array>

// The three text forms a database document exists in; Keine while none is loaded.
enum class Dokumentvariante { Keine, Ansi, Utf8, Unicode };

// What belongs to each variant, in one table: the names of its files, its code page, the size
// from which its document holds entries, and the words captions name it by. Callers pick a
// variant by their own rules; the names and values come from here. Keine has none of them
// (empty texts, 0), except the search word list used while no document is loaded.
namespace Dokumentvarianten {

// The order of the load buttons, the search run and the sorted lists.
inline constexpr std::array<Dokumentvariante, 3> alle = {
    Dokumentvariante::Ansi, Dokumentvariante::Utf8, Dokumentvariante::Unicode};

// The place of a variant in per-variant arrays, 0 to 2.
constexpr int index(Dokumentvariante v) {
    return int(v) - 1;
}

// "Ansi", "Utf8", "Unicode": the middle part of the title position, list, search word list
// and bookmark names.
QString kurzname(Dokumentvariante v);

// What follows the database name in "Datenbank\": "_AnsiDokument.txt", "_UTF8Dokument.txt",
// "_UnicodeDokument.txt".
QString dokument(Dokumentvariante v);
// "_Ansi_TitelPositionen.txt" and its twins.
QString titelpositionen(Dokumentvariante v);
// "_Phrasen_Woerter_AnsiListe.txt" and its twins.
QString sortierteListe(Dokumentvariante v);
// "Suchwoerterlisten\<name>_Ansi_Suchwoerterliste.txt" and its twins, relative to
// "Datenbank"; for Keine "<name>_Gesamt_OhneDB_Suchwoerterliste.txt" in the same folder.
QString suchwoerterliste(const QString& name, Dokumentvariante v);

// 1252, 65001 or 1200.
int codePage(Dokumentvariante v);
// A document holds more than its byte-order mark from 3 bytes on, in Unicode from 5.
qint64 mindestgroesse(Dokumentvariante v);

// "ANSI", "UTF8", "Unicode": how captions name the variant.
QString anzeigename(Dokumentvariante v);
// "ANSI-", "UTF8-", "UNICODE-": the search window's prefix of the variant loaded last.
QString praefix(Dokumentvariante v);
// "Lade ANSI-Dokument:", "Lade Utf8-Dokument", "Lade Unicode-Dokument".
QString ladetext(Dokumentvariante v);

} // namespace Dokumentvarianten
