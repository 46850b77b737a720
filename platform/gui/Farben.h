#pragma once

#include "platform/Farbtext.h"

#include <QColor>

// Stored colour values as screen colours; system colours come from the palette.
namespace Farben {

QColor farbe(Farbtext::Farbwert wert);
Farbtext::Farbwert wert(const QColor& farbe);
// Colour text to screen colour; the fallback when the text names no colour.
QColor ausText(const QString& text, const QColor& ersatz);
// Each of red, green and blue moved by prozent (negative darkens): c + c * prozent / 100,
// truncated toward zero.
QColor abgedunkelt(const QColor& farbe, int prozent);

} // namespace Farben
