#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>

class Pump;

// Runs a program to its end while the caller's pump keeps the window responsive, or, bounded
// by a deadline and a cancel, from any thread.
class ProcessRunner {
public:
    enum class Ende { Beendet, Zeitlimit, Abgebrochen };
    struct Ergebnis {
        bool gestartet = false;
        // The program's exit code, or the system's error number when it could not start.
        int code = 0;
        // How a bounded run ended; the code means nothing unless it is Beendet.
        Ende ende = Ende::Beendet;
        // The program's standard output, when the run was asked to keep it.
        QByteArray ausgabe;
    };

    // What ends a bounded run early: its deadline and a cancel, asked every few milliseconds
    // from the waiting thread (another thread may be the one that decides).
    struct Grenze {
        QDeadlineTimer frist{QDeadlineTimer::Forever};
        std::function<bool()> abbruch;
    };

    // Where a bounded run's channels go and what environment it gets.
    struct Kanaele {
        enum class Fehler { Weitergeben, Verwerfen, InDieAusgabe };
        // Keep the standard output in Ergebnis::ausgabe; otherwise it is dropped.
        bool ausgabeBehalten = false;
        // The error channel: this process's own, nowhere, or into the kept output.
        Fehler fehler = Fehler::Weitergeben;
        // Empty: this process's environment.
        QProcessEnvironment umgebung;
    };

    // The program path may be in Windows form; the working folder is the caller's when empty.
    static Ergebnis ausfuehren(const QString& programm, const QStringList& parameter, Pump& pump,
                               const QString& arbeitsordner = QString());

    // Runs the program in a process group of its own and waits without a pump, so that any
    // thread may call it. At the deadline or on cancel the whole group is killed, so a
    // program that started helpers leaves none behind. A native program path touches no
    // drive map.
    static Ergebnis ausfuehrenBegrenzt(const QString& programm, const QStringList& parameter,
                                       const Grenze& grenze, const Kanaele& kanaele);
    // The same with the output dropped and the error channel this process's own.
    static Ergebnis ausfuehrenBegrenzt(const QString& programm, const QStringList& parameter,
                                       const Grenze& grenze);
};
