#pragma once

#include "datenbank/Programmordner.h"
#include "platform/Dateisperre.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class Pump;

// Replaces the files of a database in one step, so that the database on disk is always the
// old one or the new one, whole, even when a job is killed at any point.
//
// A job writes its new files in its own scratch folder. The replacement runs under the
// exclusive lock of the "Datenbank" folder: every new file moves beside its target as
// "<target>.neu"; the marker "<name>.wechsel" naming them is written and made durable (from
// here on the new database counts); the ".neu" files are renamed over their targets; the
// marker goes. Whoever takes the lock next, reader or writer, finishes the renames of a marker
// it finds, and deletes ".neu" files that have no marker: their job died before it counted.
// Readers hold the lock shared while they read, so that no replacement happens under them.
class Datenbankwechsel {
public:
    Datenbankwechsel(const Programmordner& ordner, const QString& name);

    // The suffixes (after the name) of the files replaced together, in the order of the
    // renames; the ".dat" comes last, so that a new database is listed only when complete.
    static const QStringList& endungen();

    struct NeueDatei {
        QString quelle; // the finished file in the job's folder
        QString endung; // one of endungen()
    };
    // Puts the files in place as one step. False when that failed before the marker was
    // written: the old database stands and fehlerdatei() names the file that failed.
    // warten is called once when readers hold the lock and the replacement waits for them.
    bool festschreiben(const QList<NeueDatei>& dateien, Pump& pump,
                       const std::function<void()>& warten = {});

    // Finishes or discards what a killed job left behind; the first thing a writer does.
    void wiederherstellen(Pump& pump);

    // For reading the database: settles what a killed job left (as wiederherstellen) and holds
    // the lock shared until the returned object goes. Without a "Datenbank" folder nothing
    // is held.
    [[nodiscard]] Dateisperre lesen(Pump& pump);

    QString fehlerdatei() const { return fehlerdatei_; }
    // "Datenbank\<name>.wechsel".
    QString marke() const;
    // The file of the database with that suffix, and its waiting ".neu" form.
    QString ziel(const QString& endung) const;
    QString neu(const QString& endung) const { return ziel(endung) + QStringLiteral(".neu"); }

private:
    // Waits for the lock of the "Datenbank" folder; false when it cannot be had at all.
    bool sperren(Dateisperre& sperre, Dateisperre::Art art, Pump& pump,
                 const std::function<void()>& warten = {}) const;
    // Under the exclusive lock.
    void aufraeumen();
    // A marker or ".neu" files are there.
    bool reste() const;

    Programmordner ordner_;
    QString name_;
    QString fehlerdatei_;
};
