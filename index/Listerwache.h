#pragma once

#include "platform/Kindprozess.h"

#include <QString>

// Watches the file lister every 500 ms: the list is done once the lister's window has
// appeared and gone again; a lister whose window never shows within 120 ticks has failed
// (the user did not confirm the elevation, or it did not start). A lister this program
// started itself is also watched as a process, so one that is gone between two ticks is
// not missed: its end with success and its list on disk count as seen and finished, and
// a failed end or a missing list end the watch at once.
class Listerwache {
public:
    enum class Zustand { Wartet, Fertig, Aufgegeben, Gescheitert };

    static constexpr int Grenze = 120;
    static constexpr int Takt = 500;

    // What one tick sees.
    struct Blick {
        bool fenster = false;
        Kindprozess::Stand prozess = Kindprozess::Stand::Unbekannt;
        bool listeDa = false;
    };

    static QString abbruchStatus();
    static QString abbruchMeldung();
    // Status line after a failed lister.
    static QString gescheitertStatus();
    // Why the lister failed: its exit code and what it said, or the list it did not leave
    // (Windows form).
    static QString gescheitertMeldung(const Kindprozess& prozess, const QString& liste);
    static QString startFehlerMeldung(const QString& programm);

    Zustand tick(const Blick& blick);
    bool gesehen() const { return gesehen_; }
    int zaehler() const { return zaehler_; }

private:
    bool gesehen_ = false;
    bool fertig_ = false;
    int zaehler_ = 0;
};
