#pragma once

#include <QString>

#include <optional>

// Colours are stored as text: a standard colour name such as "clBlack", or "$" and eight
// upper-case hex digits of the value 00BBGGRR. System colours carry 0x80000000 plus the
// index of the system colour.
namespace Farbtext {

using Farbwert = quint32;

constexpr Farbwert Standardfarbe = 37119; // $000090FF, orange
constexpr Farbwert clBlack = 0x000000;
constexpr Farbwert clHighlight = 0x8000000D;
constexpr Farbwert clWindow = 0x80000005;
constexpr Farbwert clScrollBar = 0x80000000;

QString text(Farbwert farbe);
// Names compare without regard to case; "$hex" and decimal numbers are read as values.
std::optional<Farbwert> wert(const QString& text);

constexpr Farbwert rgb(int rot, int gruen, int blau) {
    return static_cast<Farbwert>(rot | (gruen << 8) | (blau << 16));
}

} // namespace Farbtext
