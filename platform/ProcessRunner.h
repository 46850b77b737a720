#pragma once

#include <QDeadlineTimer>
#include <QString>
#include <QStringList>

#include <atomic>

class Pump;

// Runs a program to its end while the caller's pump keeps the window responsive.
class ProcessRunner {
public:
    enum class Ende { Beendet, Zeitlimit, Abgebrochen };
    struct Ergebnis {
        bool gestartet = false;
        // The program's exit code, or the system's error number when it could not start.
        int code = 0;
        // How a bounded run ended; the code means nothing unless it is Beendet.
        Ende ende = Ende::Beendet;
    };

    // What ends a bounded run early: its deadline and a cancel flag another thread may set.
    struct Grenze {
        QDeadlineTimer frist{QDeadlineTimer::Forever};
        const std::atomic<bool>* abbruch = nullptr;
    };

    // The program path may be in Windows form; the working folder is the caller's when empty.
    static Ergebnis ausfuehren(const QString& programm, const QStringList& parameter, Pump& pump,
                               const QString& arbeitsordner = QString());

    // Runs the program in a process group of its own and waits without a pump, so that any
    // thread may call it. At the deadline or on cancel the whole group is killed, so a
    // program that started helpers leaves none behind.
    static Ergebnis ausfuehrenBegrenzt(const QString& programm, const QStringList& parameter,
                                       const Grenze& grenze);
};
