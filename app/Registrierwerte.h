#pragma once

#include <QString>

class SettingsStore;

// The settings the main window reads and writes, with their first-start values and the
// defaults for empty values.
namespace Registrierwerte {

// Writes the first-start values when "Ausgewaehlte_Datenbank" is empty; true when it did.
bool erststartWerteSchreiben(SettingsStore& einstellungen);

// 900, or the screen width when the screen is narrower than 1,025 pixels.
int standardBreite(int bildschirmBreite);

// A stored number, or the default when the value is empty or no number.
int ganzzahl(const QString& text, int standard);

struct Fenstergroessen {
    int hoehe = 506;
    int weite = 900;
    int suchHoehe = 500;
    int suchWeite = 900;
};
Fenstergroessen groessenLesen(const SettingsStore& einstellungen, int standardBreite);

// Index of the database to select from the stored "Ausgewaehlte_Datenbank": "0" when
// empty; 0 when it equals the number of entries, is -1 or exceeds the number.
int auswahlIndex(const QString& gespeichert, int anzahlEintraege);

} // namespace Registrierwerte
