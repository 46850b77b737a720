#pragma once

#include "platform/Kindprozess.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QObject;

// The shell's "open" and program starts. Paths are in Windows form; they are handed to
// the system as native paths or file:// addresses.
class Shell {
public:
    Shell();
    virtual ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // Opens a document or address with the program the desktop associates with it; false
    // when the opener could not be started. When the opener ends with a failure within
    // the report time (it found no program for it, e.g. no browser), misslungen is called
    // from the event loop.
    virtual bool oeffnen(const QString& dateiOderAdresse,
                         const std::function<void()>& misslungen = {});
    // Waits at most the given time, processing events, until the openers started before
    // have ended; a program that ends at once wants its openers' reports first.
    void oeffnenAbwarten(int millisekunden);
    static constexpr int Meldefrist = 10000;
    // Starts a program with parameters and leaves it alone. An empty working folder
    // keeps the caller's.
    virtual bool starten(const QString& programm, const QStringList& parameter,
                         const QString& arbeitsordner = QString());
    // Starts a program elevated; without a way to elevate it starts normally. The program
    // can be watched through what comes back; nothing comes back when it did not start.
    virtual std::unique_ptr<Kindprozess>
    alsAdministratorStarten(const QString& programm, const QStringList& parameter,
                            const QString& arbeitsordner = QString());

    // The address a browser needs for a Windows path or a web address.
    static QString adresse(const QString& dateiOderAdresse);

private:
    // Parent of the openers still running.
    std::unique_ptr<QObject> oeffner_;
};

// Records what would be started instead of starting it.
class ProtokollShell : public Shell {
public:
    struct Aufruf {
        QString art; // "oeffnen", "starten" or "runas"
        QString programm;
        QStringList parameter;
        QString arbeitsordner;
    };
    // Without success the opener did not start.
    bool oeffnen(const QString& dateiOderAdresse,
                 const std::function<void()>& misslungen = {}) override;
    bool starten(const QString& programm, const QStringList& parameter,
                 const QString& arbeitsordner) override;
    // A program it did not start can only be watched by its window.
    std::unique_ptr<Kindprozess> alsAdministratorStarten(const QString& programm,
                                                         const QStringList& parameter,
                                                         const QString& arbeitsordner) override;

    std::vector<Aufruf> aufrufe;
    bool erfolg = true;
};
