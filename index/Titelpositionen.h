#pragma once

#include "datenbank/Programmordner.h"
#include "search/StreamSearch.h"

#include <QString>
#include <QStringList>

#include <functional>

class Notifier;
class Pump;
class TViewerDokument;

// The index of every record's header line in a database document: offset of the file
// marker, a blank and the header line as the viewer shows it (one ANSI character per
// byte), written as "<name>_Utf8_TitelPositionen.txt".
class Titelpositionen {
public:
    struct Umgebung {
        Programmordner ordner;
        Notifier& notifier;
        Pump& pump;
        // The search window's stream search, hidden viewer and check boxes.
        TStreamSearch& search;
        TViewerDokument& viewer;
        TSuchfensterZustand& fenster;
        // The main window's title.
        std::function<void(const QString&)> titel;
    };

    explicit Titelpositionen(const Umgebung& umgebung);

    // Builds and writes the index of the database; false when the document could not be
    // searched (the empty index is written all the same).
    bool Button4Click(const QString& name);
    // One find step; the first starts at offset 0. True on a hit.
    bool FindUtf8_TitelPos(bool erster);

    // "#" + drive letter + ":\" from the header line of the ".dat".
    static QString dateimarke(const Programmordner& ordner, const QString& name);
    const QStringList& liste() const { return liste_; }

private:
    Umgebung u_;
    QString marke_;
    QStringList liste_;
    bool geoeffnet_ = false;
};
