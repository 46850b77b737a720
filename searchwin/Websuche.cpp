#include "searchwin/Websuche.h"

#include "search/Zeichenkette.h"
#include "searchwin/Adressliste.h"

#include <QUrl>

namespace Websuche {

QString zieladresse(const QString& adresse, const QString& suchtext) {
    // Percent-encoded in UTF-8, so that "&", "#", "+" or a blank reach the site as text.
    return Adressliste::art(adresse) == Adressliste::Art::Suchend
               ? adresse + QString::fromLatin1(QUrl::toPercentEncoding(suchtext))
               : adresse;
}

QString suchtextLabel(const QString& suchtext) {
    return Zeichenkette::trim(suchtext).isEmpty()
               ? QStringLiteral("Suchtext: Es wurde kein Text eingegeben!")
               : QStringLiteral("Suchtext: ") + suchtext;
}

bool suchen(bool adresseGewaehlt, const QString& adresse, const QString& suchtext,
            bool inZwischenablage, const Aktionen& aktionen) {
    const QString getrimmt = Zeichenkette::trim(suchtext);
    if (!adresseGewaehlt || getrimmt.isEmpty())
        return false;
    if (inZwischenablage && aktionen.inZwischenablage)
        aktionen.inZwischenablage(getrimmt);
    if (aktionen.StarteInternetBrowser)
        aktionen.StarteInternetBrowser(zieladresse(adresse, suchtext));
    return true;
}

} // namespace Websuche
