#pragma once

#include <QString>

// Watches the file lister by its window every 500 ms: the list is done once the window
// has appeared and gone again; a lister whose window never shows within 120 ticks has
// failed (the user did not confirm the elevation, or it did not start).
class Listerwache {
public:
    enum class Zustand { Wartet, Fertig, Aufgegeben };

    static constexpr int Grenze = 120;

    static QString abbruchStatus();
    static QString abbruchMeldung();

    Zustand tick(bool fensterGefunden);
    bool gesehen() const { return gesehen_; }
    int zaehler() const { return zaehler_; }

private:
    bool gesehen_ = false;
    bool fertig_ = false;
    int zaehler_ = 0;
};
