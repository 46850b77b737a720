#pragma once

class SettingsStore;

// How the converter runs: how many at once and how long one file may take.
struct Konvertereinstellungen {
    // "Konverter_Prozesse": converters side by side; empty or not a positive number gives the
    // number of cores, "1" converts one file at a time.
    int prozesse = 1;
    // "Zeitlimit_Konverter": seconds after which a converter still running is ended; empty or
    // not a positive number gives 300.
    int zeitlimitSekunden = 300;

    static Konvertereinstellungen standard();
    static Konvertereinstellungen lesen(const SettingsStore& einstellungen);
};
