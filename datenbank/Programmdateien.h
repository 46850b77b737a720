#pragma once

#include "datenbank/Programmordner.h"

#include <QString>
#include <QStringList>

class Notifier;
class Shell;

// Files that come with the program rather than with the data: the file lister and the
// help document. Each is looked for in a fixed order of places and the first one there
// is taken; the places looked in are kept for the message when none is.
class Programmdateien {
public:
    struct Suche {
        // The file found: Windows form below the control or program folder, a native path
        // beside the program or in the installed place; empty when there is none.
        QString gefunden;
        // Every place looked in, in order, as native paths.
        QStringList orte;
    };

    static const QString& listerName();
    static const QString& hilfeName();

    // Control folder (when in effect, ending in "\"), program folder, the folder of the
    // calling program, then the place the installation puts the lister.
    static Suche lister(const Programmordner& ordner, const QString& steuerordner,
                        const QString& programmVerzeichnis);
    // Program folder, the folder of the calling program (the build writes it there), then
    // the place the installation puts it.
    static Suche hilfe(const Programmordner& ordner, const QString& programmVerzeichnis);

    // Opens the help document found through the shell; a missing document, or one that
    // no program could show, is reported with its places or its path.
    static void hilfeOeffnen(const Programmordner& ordner, const QString& programmVerzeichnis,
                             Shell& shell, Notifier& notifier);

    // "<what> ist nicht vorhanden! Gesucht wurde in:" and one place per line.
    static QString nichtGefundenMeldung(const QString& was, const QStringList& orte);
};
