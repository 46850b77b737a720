#pragma once

#include <QByteArray>
#include <QString>

// The one place where text moves between UTF-16, Windows-1252 ("ANSI") and UTF-8.
// 1252 is taken exactly as Windows converts it: the five unassigned bytes 0x81, 0x8D,
// 0x8F, 0x90 and 0x9D stand for the control characters of the same number, so every
// byte has a character and the byte form of UTF-8 text survives a round trip.
namespace Ansi {

// The character that byte b stands for in 1252.
char16_t zeichen(unsigned char b);
// The 1252 byte of character c, or -1 when 1252 cannot hold it.
int byteVon(char16_t c);

// UTF-16 to 1252; characters 1252 cannot hold become '?'.
QByteArray ausUnicode(const QString& text);
// 1252 to UTF-16.
QString nachUnicode(const QByteArray& bytes);

// UTF-8 decoding that never gives up: a byte that does not start a valid sequence, or a
// sequence that breaks off, yields the character of that byte's value and decoding goes
// on with the next byte.
QString utf8Tolerant(const QByteArray& bytes);
QString utf8Tolerant(const char* data, qsizetype size);

// "UTF-8 byte form": the UTF-8 bytes of a text, each byte held as the 1252 character of
// the same value. Catalogue files and title positions store paths this way.
QString zuByteForm(const QString& text);
// Reverses zuByteForm: each character back to its 1252 byte, then lenient UTF-8.
QString ausByteForm(const QString& byteForm);

// Lower-case conversion of 8-bit text in 1252 (A-Z, 0xC0-0xDE except 0xD7, and
// Š Œ Ž Ÿ), never changing the length.
unsigned char kleinByte(unsigned char b);
const unsigned char* kleinTabelle();
QByteArray klein(QByteArray bytes);
// Lower-case conversion of UTF-16 text, one code unit at a time, never changing the length.
QString kleinWide(QString text);

} // namespace Ansi
