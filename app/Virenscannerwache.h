#pragma once

#include <QString>

#include <optional>

// While an indexing run reads its list, a virus scanner that checks the program slows it
// down; the main window then says so in its title and status line. This class decides,
// once a second, what the two lines show.
class Virenscannerwache {
public:
    static QString scannerName() { return QStringLiteral("MSMPENG.exe"); }

    struct Schritt {
        bool anhalten = false;
        std::optional<QString> titel;
        std::optional<QString> status;
    };

    // One tick: whether the scanner runs, and the current status line and window title.
    Schritt tick(bool scannerLaeuft, const QString& status, const QString& titel,
                 bool aktualisierung);
    void zuruecksetzen() { zaehler_ = 0; }
    int zaehler() const { return zaehler_; }

private:
    int zaehler_ = 0;
};
