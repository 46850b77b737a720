#pragma once

#include "datenbank/Programmordner.h"

#include <QString>
#include <QStringList>

// The databases below "Datenbank": one per "<name>.dat", and every file that belongs to one.
class DatenbankKatalog {
public:
    explicit DatenbankKatalog(const Programmordner& ordner) : ordner_(ordner) {}

    // Names of the databases in the order the catalogue folder lists them; files whose
    // name contains "_mht.dat" do not count.
    QStringList namen() const;
    bool existiert(const QString& name) const;

    // The entries to select in turn after a refill when the new-database dialog holds a
    // name: those that contain it (case-sensitive), in list order; the last one stays.
    static QList<int> eintraegeMitDialogname(const QStringList& eintraege,
                                             const QString& dialogName);

    // Every file of a database, relative to the program folder, in the order they are deleted.
    static QStringList dateien(const QString& name);
    // The folder of the database's text cache, "Datenbank\<name>_Textcache\", relative to the
    // program folder.
    static QString textcache(const QString& name);
    // Deletes the database's files that exist and then its text cache; returns what was
    // deleted. A file that cannot be deleted stays and the others are still deleted. A
    // replacement a killed index run left half done is finished first, so that nothing of
    // the database comes back afterwards.
    QStringList loeschen(const QString& name) const;

private:
    Programmordner ordner_;
};
