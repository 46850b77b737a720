#pragma once

#include "platform/Files.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The converter's text of every file of one database, kept between index runs in
// "Datenbank\<name>_Textcache\", so that a re-index converts only new and changed files.
// One entry per path; it counts only for the PDF's size and modification time and for the
// converter (program, arguments, steps after it) that made it, and only when its length
// and checksum hold: a damaged entry is never used. Entries are written beside and renamed
// into place; a write that never finished is noticed by the checksum. Safe to use from
// several threads at once.
class Textcache {
public:
    // kennung: what made the texts; entries of another kennung do not count.
    Textcache(const QString& nativerOrdner, const QByteArray& kennung);

    // Creates the folder; false when it cannot be created.
    bool anlegen() const;
    // The text stored for the file in this state, nothing when there is no valid entry.
    std::optional<QByteArray> holen(const QString& pfad, const Files::Stand& stand) const;
    // False when the entry could not be written; no half entry stays.
    bool ablegen(const QString& pfad, const Files::Stand& stand, const QByteArray& text) const;
    // Deletes every entry of a path not in the list, and what interrupted writes left.
    void aufraeumen(const QStringList& pfade) const;

    // The entry's file name: a digest of the path.
    static QString eintragsname(const QString& pfad);
    const QString& ordner() const { return ordner_; }

private:
    QByteArray kopf(const QString& pfad, const Files::Stand& stand, const QByteArray& text) const;

    QString ordner_;
    QByteArray kennung_;
};
