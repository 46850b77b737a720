#include "index/ConvertBytes.h"

QString ConvertBytes(qint64 anzahl) {
    if (anzahl >= 1073741825)
        return QString::number(anzahl / 1073741824) + QStringLiteral(" GB");
    if (anzahl >= 1048577)
        return QString::number(anzahl / 1048576) + QStringLiteral(" MB");
    if (anzahl >= 1025)
        return QString::number(anzahl / 1024) + QStringLiteral(" KB");
    return QString::number(anzahl) + QStringLiteral(" Bytes");
}
