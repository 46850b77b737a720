#pragma once

#include "cli/Befehle.h"

#include <QString>
#include <QStringList>

class SettingsStore;

// "kelvora search NAME TEXT [--gross] [--ganze-woerter] [--browser]": the search run of the
// search window without a window. Prints one line per hit (path, a tab, the context) and
// the first result page; the page opens in the browser only with --browser.
class SuchBefehl {
public:
    SuchBefehl(SettingsStore& einstellungen, const Befehle::Konsole& konsole,
               const QString& ordnerArgument);

    int ausfuehren(QStringList argumente);

    static QString aufruf() {
        return QStringLiteral(
            "Aufruf: kelvora search NAME TEXT [--gross] [--ganze-woerter] [--browser]");
    }

private:
    int fehler(const QString& meldung);

    SettingsStore& einstellungen_;
    Befehle::Konsole konsole_;
    QString ordnerArgument_;
};
