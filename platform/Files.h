#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

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

// Creates one folder; true when it exists afterwards.
bool ordnerAnlegen(const QString& pfad);
bool loeschen(const QString& pfad);
bool verschieben(const QString& von, const QString& nach);
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

} // namespace Files
