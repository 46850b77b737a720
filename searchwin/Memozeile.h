#pragma once

#include "datenbank/Dokumentvariante.h"

#include <QByteArray>
#include <QString>

// What ViewerMemo holds of a line the viewer drew, so that selecting in the memo selects
// the text the viewer shows under it.
namespace Memozeile {

// Byte-wise decoding for ANSI documents: a byte below 80 hex is itself; a byte with bit 5
// set leads a three-byte sequence, any other from 80 hex up a two-byte one. A sequence
// that breaks off or runs past the end gives each of its bytes read so far as its ANSI
// character, as the viewer draws it, and decoding resumes at the byte that broke it.
QString Utf8Tolerant(const QByteArray& bytes);

// A drawn line as bytes: 8-bit for Ansi and Utf8 (and without document), UTF-16 LE for
// Unicode.
QString ausBytes(const QByteArray& zeile, Dokumentvariante anzeige);

// A drawn line as the viewer hands it over: for 8-bit documents one character per byte
// in ANSI, for Unicode the text itself.
QString ausViewerzeile(const QString& zeile, Dokumentvariante anzeige);

} // namespace Memozeile
