#pragma once

#include <QString>

// The head of one record of a document as the indexing run writes it: three lines of one
// blank, "#" + path, a rule of half the path's length; the converter's text follows.
inline QString satzkopf(const QString& pfad) {
    return QStringLiteral(" \r\n \r\n \r\n#") + pfad + QStringLiteral("\r\n") +
           QString(pfad.size() / 2, QLatin1Char('=')) + QStringLiteral("\r\n");
}
