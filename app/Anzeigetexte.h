#pragma once

#include <QString>

// Texts of the main window's status displays.
namespace Anzeigetexte {

// Whole seconds between two tick counts in milliseconds, each first cut to whole seconds.
qint64 vergangeneSekunden(qint64 startTicksMs, qint64 jetztTicksMs);
// "Anzahl Dateien:     " + N with the locale's thousands separators + "     Zeit: " + time.
QString zaehlerZeile(qint64 anzahlDateien, const QString& zeit);
// The patience dots for a count of 1 to 5; empty otherwise.
QString geduldPunkte(int zaehler);

} // namespace Anzeigetexte
