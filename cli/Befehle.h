#pragma once

#include <QStringList>
#include <QTextStream>

class SettingsStore;

// The command line "kelvora": the program's jobs without a window.
class Befehle {
public:
    struct Konsole {
        QTextStream& aus;
        QTextStream& fehler;
        QTextStream& ein;
        bool interaktiv;
    };

    Befehle(SettingsStore& einstellungen, const Konsole& konsole);

    // Arguments after the program name; returns the exit status.
    int ausfuehren(QStringList argumente);

    static QString hilfe();

private:
    int liste(const QStringList& argumente);
    int loeschen(const QStringList& argumente);
    int indizieren(const QStringList& argumente);
    int schliessen(const QStringList& argumente);
    int fehler(const QString& meldung);

    SettingsStore& einstellungen_;
    Konsole konsole_;
    QString ordnerArgument_;
};
