#pragma once

#include <QColor>

#include <functional>

// What the settings dialog changes in the other windows. The main window fills this in,
// tests record it; the dialog's own tools (its colour dialog) are not part of it, so that
// handing over the targets never takes them away.
struct Einstellziele {
    // Background colour of every window and panel.
    std::function<void(const QColor&)> fensterfarbe;
    // Colour of the explanatory texts of every window.
    std::function<void(const QColor&)> hinweisfarbe;
    // Changes the viewer's font size by the points given and scrolls it one line the
    // same way (down for larger).
    std::function<void(int)> schriftgroesseAendern;
    // Sets the viewer's font size and scrolls one line down.
    std::function<void(int)> schriftgroesseSetzen;
    std::function<int()> schriftgroesse;
    std::function<void(bool)> kurzhinweisAnzeigen;
    // Main and search window to the given sizes, centred on the screen.
    std::function<void(int hoehe, int weite, int suchHoehe, int suchWeite)> fenstergroessen;
    std::function<bool()> suchfensterSichtbar;
    // Lays the main window out anew after a colour change.
    std::function<void()> neuAusrichten;
    // Asks whether the lists of the shown database are to be built and, on Yes, reveals the
    // search window's sort group; true then, and the dialog closes.
    std::function<bool()> sortierungAnzeigen;
};
