#pragma once

#include <QString>
#include <QStringList>

// Whole-file text reading and writing in the three code pages the program stores.
namespace TextFiles {

constexpr int Utf8 = 65001;   // UTF-8, no byte-order mark
constexpr int Utf16Le = 1200; // UTF-16 little-endian, starting with FF FE
constexpr int Ansi = 1252;    // Windows-1252, unrepresentable characters as '?'

// What a file without byte-order mark is taken as.
enum class OhneBom { Utf8, Ansi };

// Encodes text in the code page (Utf16Le includes the mark).
QByteArray kodieren(const QString& text, int codePage);
// Decodes bytes by their byte-order mark (FF FE, FE FF, EF BB BF); without one as given.
QString dekodieren(const QByteArray& bytes, OhneBom ohneBom = OhneBom::Utf8);

// Lines as a string list sees them: breaks at CR, LF and CR LF; a final break does not
// start another line.
QStringList zeilen(const QString& text);
// Every line followed by CR LF.
QString text(const QStringList& zeilen);

} // namespace TextFiles

// Creates or replaces the file (Windows path) with the whole text; false when it fails.
bool WriteToStream(const QString& text, const QString& pfad, int codePage);
// The same bytes with a plain write instead of a durable save: for throwaway files such as
// the result pages in "Datenbank\Temp", which every run writes anew. An existing file is
// written over in place.
bool WriteToStreamFluechtig(const QString& text, const QString& pfad, int codePage);
// The whole file as text; empty when it cannot be read.
QString ReadTextFile(const QString& pfad, TextFiles::OhneBom ohneBom = TextFiles::OhneBom::Utf8);
