#pragma once

#include <QString>
#include <QStringList>

class Pump;

// Runs a program to its end while the caller's pump keeps the window responsive.
class ProcessRunner {
public:
    struct Ergebnis {
        bool gestartet = false;
        // The program's exit code, or the system's error number when it could not start.
        int code = 0;
    };

    // The program path may be in Windows form; the working folder is the caller's when empty.
    static Ergebnis ausfuehren(const QString& programm, const QStringList& parameter, Pump& pump,
                               const QString& arbeitsordner = QString());
};
