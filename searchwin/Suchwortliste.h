#pragma once

#include "datenbank/Dokumentvariante.h"

#include <QList>
#include <QString>
#include <QStringList>

class Programmordner;

// The search words a database remembers, newest first. The file is UTF-16 LE with
// byte-order mark, one entry per line, each line ended by CR LF; reading also takes
// UTF-16 BE and UTF-8 with their marks and ANSI text without a mark.
namespace Suchwortliste {

constexpr qsizetype MaxEintraege = 50;

QStringList laden(const QString& pfad);
bool speichern(const QStringList& liste, const QString& pfad);

// "Datenbank\Suchwoerterlisten\<DB>_Ansi_Suchwoerterliste.txt" and its twins; without a
// document the list "<DB>_Gesamt_OhneDB_Suchwoerterliste.txt".
QString datei(const Programmordner& ordner, const QString& datenbank, Dokumentvariante v);

// Puts the untrimmed search text s at the top: earlier equal entries (exact comparison)
// and empty entries go, the placeholder for a missing text goes, and one entry is cut
// from the end when more than 50 remain. A blank s leaves the list alone (false).
bool aufnehmen(QStringList& liste, const QString& s);

// Writes the list after a search: to each variant that had a hit when a document is
// loaded, otherwise to the list without document when anything was found. A search
// without hits writes nothing.
void schreiben(const QStringList& liste, const Programmordner& ordner, const QString& datenbank,
               Dokumentvariante geladen, const QList<Dokumentvariante>& mitTreffer);

} // namespace Suchwortliste
