#pragma once

#include "datenbank/Programmordner.h"

#include <QString>
#include <QStringList>

// The extension choices of the new-database dialog: "*.csv" and "*.txt", the lines of
// "AuswahlEndungen.txt" in the program folder, and every extension a run used that was
// not among them yet, which the run adds to that file.
namespace Endungsauswahl {

QString datei(const Programmordner& ordner);
QStringList vorgaben();

// The filled extension slots as "*.ext" that are not among the choices (compared without
// regard to case), each once, in slot order.
QStringList neue(const QStringList& plaetze, const QStringList& auswahl);

struct Ergaenzung {
    QStringList neu;
    // False when the file could not be written.
    bool ok = true;
};
// Adds the slots' new extensions as lines to the file, which is replaced whole.
Ergaenzung ergaenzen(const Programmordner& ordner, const QStringList& plaetze);

} // namespace Endungsauswahl
