#include "index/Eingabepruefung.h"

#include "platform/Ansi.h"
#include "platform/DriveMap.h"
#include "platform/Files.h"

namespace Eingabepruefung {

QString nameBereinigen(const QString& name) {
    QString rein = Ansi::nachUnicode(Ansi::ausUnicode(name));
    for (const QChar c : QStringLiteral("/\\*?\"<>|:^"))
        rein.remove(c);
    return rein;
}

QString ungueltigeZeichenMeldung() {
    return QStringLiteral("Sie haben ungültige Zeichen eingegeben!");
}

QString laufwerkMeldung(const QString& ordner, const DriveMap& laufwerke) {
    if (ordner.mid(1, 2) != QLatin1String(":\\"))
        return QString();
    if (laufwerke.dateisystemName(ordner.at(0)).contains(QLatin1String("NTFS")))
        return QString();
    return QStringLiteral("Das Laufwerk: \"") + ordner.at(0) +
           QStringLiteral(
               "\" hat kein NTFS-Dateisystem! Kelvora kann es deshalb nicht indizieren.");
}

QStringList okMeldungen(const QString& name, const QString& ordner, const QString& endungen,
                        const QStringList& vorhandeneNamen, bool neueDatenbank) {
    QStringList m;
    if (name.trimmed().isEmpty())
        m << QStringLiteral("Sie haben keinen Namen für die Datenbank angegeben");
    // An empty folder is reported once, as missing, not also as not existing.
    if (ordner.trimmed().isEmpty())
        m << QStringLiteral("Sie haben keinen Pfad angegeben");
    else if (!Files::ordnerExistiert(ordner))
        m << QStringLiteral("Der angegebene Ordner existiert nicht");
    if (endungen.trimmed().isEmpty())
        m << QStringLiteral("Sie haben keine Dateiendung angegeben");
    if (neueDatenbank)
        for (const QString& n : vorhandeneNamen)
            if (n.toUpper() == name.toUpper()) {
                m << QStringLiteral("Dieser Name existiert schon! Geben Sie einen anderen ein!");
                break;
            }
    return m;
}

} // namespace Eingabepruefung
