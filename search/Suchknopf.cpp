#include "search/Suchknopf.h"

#include "platform/Files.h"
#include "platform/Notifier.h"
#include "search/Zeichenkette.h"

TSuchknopf::TSuchknopf(Notifier& notifier, const Haken& haken)
    : notifier_(notifier), haken_(haken) {}

void TSuchknopf::melde(const QString& text) {
    if (haken_.status)
        haken_.status(text);
}

QString TSuchknopf::datenbankWaehlen(const QStringList& eintraege, const QList<int>& markiert) {
    melde(QString());
    qsizetype letzter = -1;
    for (int i : markiert)
        if (i >= 0 && i < eintraege.size())
            letzter = i;
    if (letzter < 0) {
        notifier_.information(eintraege.isEmpty()
                                  ? QStringLiteral("Es existiert noch keine Datenbank! ")
                                  : QStringLiteral("Markieren Sie eine Datenbank und betätigen "
                                                   "Sie dann nochmal den Suchen Schalter!"));
        return QString();
    }
    return eintraege.at(letzter);
}

QString TSuchknopf::uebergabeBeschriftung(const QString& steuerordner, const QString& name) {
    if (steuerordner.isEmpty())
        return QString();
    const QString datei = steuerordner + QStringLiteral("Datenbank\\Suchtext.txt");
    if (!Files::existiert(datei))
        return QString();
    Files::loeschen(datei);
    return QStringLiteral("DB: \"") + name + QStringLiteral("\"  Position: ");
}

bool TSuchknopf::nachDemSuchfenster(const QString& suchtext) {
    const QString text = Zeichenkette::trim(suchtext);
    if (text.isEmpty()) {
        notifier_.information(keinSuchtextMeldung());
        if (haken_.beschaeftigt)
            haken_.beschaeftigt(false);
        melde(QString());
        return false;
    }
    if (haken_.beschaeftigt)
        haken_.beschaeftigt(true);
    melde(QStringLiteral("Suche läuft."));
    if (haken_.suchwortAufnehmen)
        haken_.suchwortAufnehmen(text);
    melde(QStringLiteral("Fertig mit der Suche."));
    if (haken_.beschaeftigt)
        haken_.beschaeftigt(false);
    return true;
}
