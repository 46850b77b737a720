#pragma once

#include <QDateTime>
#include <QString>

// The question whether an existing master file list is built anew.
namespace Hinweistext {

// The 13 lines, joined by CR LF; the date is the list's modification time.
QString hauptliste(QChar laufwerk, const QDateTime& erstellt);
QString administratorHinweis();

} // namespace Hinweistext
