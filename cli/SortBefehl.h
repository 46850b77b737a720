#pragma once

#include "cli/Befehle.h"

#include <QString>
#include <QStringList>

class SettingsStore;

// "kelvora sort NAME [--modus woerter|saetze|beide]": the sorted word and phrase lists of
// every document variant of a database, written exactly as the search window writes them.
class SortBefehl {
public:
    SortBefehl(SettingsStore& einstellungen, const Befehle::Konsole& konsole,
               const QString& ordnerArgument);

    // Arguments after "sort"; returns the exit status.
    int ausfuehren(QStringList argumente);

    static QString aufruf();

private:
    int fehler(const QString& meldung);

    SettingsStore& einstellungen_;
    Befehle::Konsole konsole_;
    QString ordnerArgument_;
};
