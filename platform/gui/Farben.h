#pragma once

#include "platform/Farbtext.h"

#include <QColor>

class QWidget;

// Stored colour values as screen colours; system colours come from the palette.
namespace Farben {

QColor farbe(Farbtext::Farbwert wert);
Farbtext::Farbwert wert(const QColor& farbe);
// Colour text to screen colour; the fallback when the text names no colour.
QColor ausText(const QString& text, const QColor& ersatz);
// Each of red, green and blue moved by prozent (negative darkens): c + c * prozent / 100,
// truncated toward zero.
QColor abgedunkelt(const QColor& farbe, int prozent);

// Background of a window or panel, filled by the widget itself.
void hintergrund(QWidget* w, const QColor& farbe);
// Text colour of a label, check box, radio or push button while it is enabled; a disabled
// one keeps the greyed text of the style, so that it looks as dead as it is.
void textfarbe(QWidget* w, const QColor& farbe);

} // namespace Farben
