#pragma once

#include <QString>

// The three forms a database document exists in, and none for "no document loaded".
enum class Dokumentvariante { Keine, Ansi, Utf8, Unicode };

namespace Dokumentvarianten {

// "Ansi", "Utf8" or "Unicode": the middle part of the list, title and bookmark names.
QString kurzname(Dokumentvariante v);
// "Datenbank\" relative name of the document: "<DB>_AnsiDokument.txt" and its twins.
QString dokument(const QString& datenbank, Dokumentvariante v);
// "<DB>_Phrasen_Woerter_AnsiListe.txt" and its twins.
QString sortierteListe(const QString& datenbank, Dokumentvariante v);
// "<DB>_Ansi_TitelPositionen.txt" and its twins.
QString titelpositionen(const QString& datenbank, Dokumentvariante v);

} // namespace Dokumentvarianten
