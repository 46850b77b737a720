#pragma once

#include "platform/Kindprozess.h"

#include <QString>
#include <QStringList>

#include <memory>

// The shell's "open" and program starts. Paths are in Windows form; they are handed to
// the system as native paths or file:// addresses.
class Shell {
public:
    virtual ~Shell() = default;

    // Opens a document or address with the program the desktop associates with it.
    virtual bool oeffnen(const QString& dateiOderAdresse);
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
    bool oeffnen(const QString& dateiOderAdresse) override;
    bool starten(const QString& programm, const QStringList& parameter,
                 const QString& arbeitsordner) override;
    // A program it did not start can only be watched by its window.
    std::unique_ptr<Kindprozess> alsAdministratorStarten(const QString& programm,
                                                         const QStringList& parameter,
                                                         const QString& arbeitsordner) override;

    std::vector<Aufruf> aufrufe;
    bool erfolg = true;
};
