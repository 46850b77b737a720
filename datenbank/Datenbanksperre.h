#pragma once

#include "datenbank/Programmordner.h"
#include "platform/Dateisperre.h"

#include <QString>

// One job at a time changes a database: an index run holds this lock from its start to its
// end, and deleting the database takes it too. The lock file "Datenbank\<name>.sperre"
// exists while the lock is held; a job that crashed leaves the file but not the lock.
class Datenbanksperre {
public:
    enum class Ergebnis { Genommen, Belegt, NichtAnlegbar };

    Datenbanksperre() = default;
    // Releases the lock.
    ~Datenbanksperre();
    Datenbanksperre(const Datenbanksperre&) = delete;
    Datenbanksperre& operator=(const Datenbanksperre&) = delete;

    // Takes the lock without waiting.
    Ergebnis nehmen(const Programmordner& ordner, const QString& name);
    bool gehalten() const { return sperre_.gehalten(); }
    const QString& name() const { return name_; }
    // Removes the lock file and lets go.
    void freigeben();

    static QString datei(const Programmordner& ordner, const QString& name);
    // What the user is told when the lock cannot be had, for an index run or a deletion.
    static QString indexMeldung(Ergebnis ergebnis, const Programmordner& ordner,
                                const QString& name);
    static QString loeschMeldung(Ergebnis ergebnis, const Programmordner& ordner,
                                 const QString& name);

private:
    Dateisperre sperre_;
    QString pfad_;
    QString name_;
};
