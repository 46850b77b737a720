#include "index/Listenvariante.h"

#include "platform/Files.h"
#include "platform/TextFiles.h"

namespace {

QString kurz(Listenvariante::Art art) {
    switch (art) {
    case Listenvariante::Ansi:
        return QStringLiteral("Ansi");
    case Listenvariante::Utf8:
        return QStringLiteral("Utf8");
    case Listenvariante::Unicode:
        break;
    }
    return QStringLiteral("Unicode");
}

QString gross(Listenvariante::Art art) {
    switch (art) {
    case Listenvariante::Ansi:
        return QStringLiteral("ANSI");
    case Listenvariante::Utf8:
        return QStringLiteral("UTF8");
    case Listenvariante::Unicode:
        break;
    }
    return QStringLiteral("Unicode");
}

} // namespace

QString Listenvariante::dokumentEndung(Art art) {
    return art == Utf8 ? QStringLiteral("_UTF8Dokument.txt")
                       : QLatin1Char('_') + kurz(art) + QStringLiteral("Dokument.txt");
}

QString Listenvariante::dokument(const Programmordner& ordner, const QString& name, Art art) {
    return ordner.datenbank(name + dokumentEndung(art));
}

QString Listenvariante::listenEndung(Art art) {
    return QStringLiteral("_Phrasen_Woerter_") + kurz(art) + QStringLiteral("Liste.txt");
}

QString Listenvariante::titelpositionenEndung(Art art) {
    return QLatin1Char('_') + kurz(art) + QStringLiteral("_TitelPositionen.txt");
}

QString Listenvariante::liste(const Programmordner& ordner, const QString& name, Art art) {
    return ordner.datenbank(name + listenEndung(art));
}

bool Listenvariante::ladbar(const Programmordner& ordner, const QString& name, Art art) {
    return Files::groesse(dokument(ordner, name, art)) > (art == Unicode ? 4 : 2);
}

int Listenvariante::codePage(Art art) {
    switch (art) {
    case Ansi:
        return TextFiles::Ansi;
    case Utf8:
        return TextFiles::Utf8;
    case Unicode:
        break;
    }
    return TextFiles::Utf16Le;
}

QString Listenvariante::titelwort(Art art) {
    return gross(art) + QLatin1Char(' ');
}

QString Listenvariante::listentitel(Art art) {
    return QStringLiteral("Sortierte ") + gross(art) + QStringLiteral("-Liste von ");
}

QString Listenvariante::listenlabel(Art art, const QString& name) {
    return listentitel(art) + QStringLiteral("DB: \"") + name + QLatin1Char('"');
}

std::optional<Listenvariante::Art> Listenvariante::ausDokumentpfad(const QString& pfad) {
    for (Art art : alle)
        if (pfad.endsWith(dokumentEndung(art), Qt::CaseInsensitive))
            return art;
    const QString klein = pfad.toLower();
    std::optional<Art> art;
    if (klein.contains(QLatin1String("_ansi")))
        art = Ansi;
    if (klein.contains(QLatin1String("_utf8")))
        art = Utf8;
    if (klein.contains(QLatin1String("_unicode")))
        art = Unicode;
    return art;
}
