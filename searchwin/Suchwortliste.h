#pragma once

#include <QString>
#include <QStringList>

// A search word list file: UTF-16 LE with byte-order mark, one entry per line; reading
// also takes UTF-16 BE and UTF-8 with their marks and ANSI text without a mark.
namespace Suchwortliste {

QStringList laden(const QString& pfad);

} // namespace Suchwortliste
