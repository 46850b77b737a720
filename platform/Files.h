#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

class QFileDevice;

// File operations on Windows-form paths; the drive map turns them into native paths.
namespace Files {

QString nativ(const QString& pfad);

// A file (not a folder) exists at the path.
bool existiert(const QString& pfad);
bool ordnerExistiert(const QString& pfad);
// Size in bytes, -1 when there is no such file.
qint64 groesse(const QString& pfad);
// Last modification time (UTC), invalid when there is no such file.
QDateTime geaendert(const QString& pfad);

// Size and modification time (nanoseconds) of a file that can be opened for reading.
struct Stand {
    qint64 groesse = 0;
    qint64 geaendertNs = 0;
};
// Opens the file for reading and takes its size and time from the open file; nothing when
// it cannot be opened (gone, no permission, a folder).
std::optional<Stand> lesbarerStand(const QString& pfad);
// The path still names the file the device has open: false once it was deleted or another
// file was renamed over it.
bool istDieselbeDatei(const QFileDevice& offen, const QString& nativerPfad);

// Creates one folder; true when it exists afterwards.
bool ordnerAnlegen(const QString& pfad);
bool loeschen(const QString& pfad);
bool verschieben(const QString& von, const QString& nach);
// Renames over the target in one step, so that the target never goes missing; both paths on
// one file system.
bool ersetzen(const QString& von, const QString& nach);
// Makes the folder's entries (new, renamed and deleted names) durable on disk.
bool ordnerSichern(const QString& ordner);
// Removes a folder with everything in it; true when it is gone afterwards.
bool ordnerEntfernen(const QString& ordner);
// Deletes every file and subfolder inside the folder, keeping the folder.
void ordnerLeeren(const QString& ordner);

// Names (not paths) of the files in the folder whose name ends in the suffix, compared
// without regard to case, hidden files included, in the order of the names' upper-case
// forms (the order NTFS lists a folder in).
QStringList dateien(const QString& ordner, const QString& endung);

QByteArray lesen(const QString& pfad);
// Replaces the file whole; false when it cannot be written.
bool schreiben(const QString& pfad, const QByteArray& bytes);
bool anhaengen(const QString& pfad, const QByteArray& bytes);
// Writes the file in place without making it durable: for scratch files a job deletes
// itself. False when not every byte was written.
bool schreibenFluechtig(const QString& pfad, const QByteArray& bytes);

} // namespace Files
