#pragma once

#include "datenbank/Programmordner.h"
#include "platform/Dateisperre.h"

#include <QString>

#include <memory>

// A job's own scratch folder below "Datenbank\Temp" (an index run, a search, a sort), so
// that jobs running side by side never take or delete each other's files. The folder holds
// a lock for as long as the job lives: emptying Temp passes over folders whose lock is held
// and removes those of jobs that ended or crashed.
class Arbeitsordner {
public:
    // Creates "Datenbank\Temp\<art>_<process>_<n>\"; null when it cannot be created.
    static std::unique_ptr<Arbeitsordner> anlegen(const Programmordner& ordner, const QString& art);
    // Removes the folder with everything in it.
    ~Arbeitsordner();
    Arbeitsordner(const Arbeitsordner&) = delete;
    Arbeitsordner& operator=(const Arbeitsordner&) = delete;

    // Windows form, ending in "\".
    const QString& pfad() const { return pfad_; }
    QString datei(const QString& name) const { return pfad_ + name; }

    // The lock file inside every job folder.
    static QString sperrName() { return QStringLiteral("Sperre"); }

private:
    Arbeitsordner(QString pfad, Dateisperre sperre);

    QString pfad_;
    Dateisperre sperre_;
};
