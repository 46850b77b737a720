#include "searchwin/Adressliste.h"

#include "search/Zeichenkette.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>

namespace {
const QString liste = QStringLiteral("Liste");
} // namespace

QStringList Adressliste::themen() const {
    // The two values meet without a separator; the user's file has to supply the comma.
    const QString wert = datei_.GetPrivateProfileString(QStringLiteral("Themen1"), liste) +
                         datei_.GetPrivateProfileString(QStringLiteral("Themen2"), liste);
    return sortiert(themennamen(wert));
}

QStringList Adressliste::adressen(const QString& thema) const {
    if (thema.isEmpty())
        return {};
    return sortiert(adresseintraege(datei_.GetPrivateProfileString(thema, liste)));
}

QStringList Adressliste::themennamen(const QString& wert) {
    QStringList out;
    for (const QString& teil : wert.split(QLatin1Char(','))) {
        const QString name = Zeichenkette::trim(teil);
        if (!name.isEmpty())
            out.append(name);
    }
    return out;
}

QStringList Adressliste::adresseintraege(const QString& wert) {
    QStringList out;
    auto aufnehmen = [&out](const QString& teil) {
        const QString eintrag = Zeichenkette::trim(teil);
        if (!eintrag.isEmpty())
            out.append(eintrag);
    };
    qsizetype start = 0;
    for (;;) {
        const qsizetype komma = wert.indexOf(QLatin1Char(','), start);
        if (komma < 0)
            break;
        aufnehmen(wert.mid(start, komma - start));
        // The separator is a comma and one more character, normally a blank.
        start = komma + 2;
    }
    if (start < wert.size())
        aufnehmen(wert.mid(start));
    return out;
}

QStringList Adressliste::sortiert(QStringList eintraege) {
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(
        eintraege.begin(), eintraege.end(),
        [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    return eintraege;
}

Adressliste::Art Adressliste::art(const QString& adresse) {
    return adresse.endsWith(QLatin1Char('/')) || adresse.endsWith(QLatin1Char('=')) ? Art::Suchend
                                                                                    : Art::Einfach;
}

QString Adressliste::symbol(Art art) {
    return art == Art::Suchend ? QStringLiteral(">") : QStringLiteral("+");
}

QString Adressliste::hinweis(Art art) {
    return art == Art::Suchend
               ? QStringLiteral("Grünes Symbol: [>] Webseite sucht selbständig nach dem Suchtext.")
               : QStringLiteral("Weißes Symbol: [+] Sie müssen den Suchtext auf der Webseite\r\n"
                                "mit Hilfe der Zwischenablage einfügen bzw. eintippen.");
}
