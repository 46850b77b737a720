#include "searchwin/Dokumentvariante.h"

#include "index/Listenvariante.h"

namespace Dokumentvarianten {

namespace {

Listenvariante::Art art(Dokumentvariante v) {
    return Listenvariante::Art(int(v) - 1);
}

} // namespace

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
    if (v == Dokumentvariante::Keine)
        return QString();
    return datenbank + Listenvariante::dokumentEndung(art(v));
}

QString sortierteListe(const QString& datenbank, Dokumentvariante v) {
    if (v == Dokumentvariante::Keine)
        return QString();
    return datenbank + Listenvariante::listenEndung(art(v));
}

QString titelpositionen(const QString& datenbank, Dokumentvariante v) {
    if (v == Dokumentvariante::Keine)
        return QString();
    return datenbank + Listenvariante::titelpositionenEndung(art(v));
}

} // namespace Dokumentvarianten
