#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QProcess;

// A program this process started and watches without blocking: whether it still runs,
// how it ended, and what it wrote to its error channel. An object that started nothing
// itself (the program was handed to the system) can only say Unbekannt.
class Kindprozess {
public:
    enum class Stand { Unbekannt, Laeuft, Erfolg, Fehler };

    Kindprozess();
    ~Kindprozess();
    Kindprozess(const Kindprozess&) = delete;
    Kindprozess& operator=(const Kindprozess&) = delete;

    // The program path may be in Windows form; an empty working folder keeps the caller's.
    // False when the program could not be started.
    bool starten(const QString& programm, const QStringList& parameter,
                 const QString& arbeitsordner = QString());
    Stand stand();
    // Waits at most the given time for the program's end; true once it has ended.
    bool warten(int millisekunden);
    // The exit code; 99 after a crash; the system's error number when it did not start.
    int code() const { return code_; }
    // What the program wrote to its error channel, trimmed.
    QString fehlerausgabe() const { return fehlerausgabe_; }

private:
    void endeUebernehmen();

    std::unique_ptr<QProcess> prozess_;
    Stand stand_ = Stand::Unbekannt;
    int code_ = 0;
    QString fehlerausgabe_;
};
