#include "searchwin/Dokumentvariante.h"

namespace Dokumentvarianten {

QString kurzname(Dokumentvariante v) {
    switch (v) {
    case Dokumentvariante::Ansi:
        return QStringLiteral("Ansi");
    case Dokumentvariante::Utf8:
        return QStringLiteral("Utf8");
    case Dokumentvariante::Unicode:
        return QStringLiteral("Unicode");
    case Dokumentvariante::Keine:
        break;
    }
    return QString();
}

QString dokument(const QString& datenbank, Dokumentvariante v) {
    switch (v) {
    case Dokumentvariante::Ansi:
        return datenbank + QStringLiteral("_AnsiDokument.txt");
    case Dokumentvariante::Utf8:
        return datenbank + QStringLiteral("_UTF8Dokument.txt");
    case Dokumentvariante::Unicode:
        return datenbank + QStringLiteral("_UnicodeDokument.txt");
    case Dokumentvariante::Keine:
        break;
    }
    return QString();
}

QString sortierteListe(const QString& datenbank, Dokumentvariante v) {
    if (v == Dokumentvariante::Keine)
        return QString();
    return datenbank + QStringLiteral("_Phrasen_Woerter_") + kurzname(v) +
           QStringLiteral("Liste.txt");
}

} // namespace Dokumentvarianten
