#include "index/Listerwache.h"

QString Listerwache::abbruchStatus() {
    return QStringLiteral("\"ErstelleDateiliste.exe\" wurde abgebrochen, Vorgabezeit überschritten "
                          "oder noch nicht mit \"JA\" bestätigt!");
}

QString Listerwache::abbruchMeldung() {
    return QStringLiteral(
        "Die Vorgabezeit ist überschritten! Sie hätten in der Taskleiste von Windows auf das "
        "blinkende Symbol mit dem Namen \"ErstelleDateiliste.exe\" klicken müssen. Wenn noch nicht "
        "geschehen, dann klicken Sie nun darauf und wählen Sie \"Nein\" aus, denn das aktuelle "
        "Indizieren ist leider gescheitert!");
}

QString Listerwache::gescheitertStatus() {
    return QStringLiteral("Die Hauptdateiliste wurde nicht erstellt.");
}

QString Listerwache::gescheitertMeldung(const Kindprozess& prozess, const QString& liste) {
    if (prozess.code() == 0)
        return QStringLiteral("\"ErstelleDateiliste\" hat keine Hauptdateiliste hinterlassen! Die "
                              "Datei ") +
               liste + QStringLiteral(" fehlt.");
    QString text = QStringLiteral("\"ErstelleDateiliste\" ist mit dem Fehler ") +
                   QString::number(prozess.code()) +
                   QStringLiteral(" beendet worden. Die Hauptdateiliste wurde nicht erstellt.");
    if (!prozess.fehlerausgabe().isEmpty())
        text += QLatin1Char('\n') + prozess.fehlerausgabe();
    return text;
}

QString Listerwache::startFehlerMeldung(const QString& programm) {
    return QStringLiteral("Das Programm ") + programm +
           QStringLiteral(" kann nicht gestartet werden!");
}

Listerwache::Zustand Listerwache::tick(const Blick& blick) {
    switch (blick.prozess) {
    case Kindprozess::Stand::Fehler:
        return Zustand::Gescheitert;
    case Kindprozess::Stand::Erfolg:
        gesehen_ = fertig_ = true;
        return blick.listeDa ? Zustand::Fertig : Zustand::Gescheitert;
    case Kindprozess::Stand::Unbekannt:
    case Kindprozess::Stand::Laeuft:
        break;
    }
    if (blick.fenster) {
        gesehen_ = true;
    } else if (gesehen_) {
        if (!fertig_)
            zaehler_ = 0;
        fertig_ = true;
    } else if (++zaehler_ >= Grenze) {
        return Zustand::Aufgegeben;
    }
    if (!gesehen_ || !fertig_)
        return Zustand::Wartet;
    // The window has gone. A lister this program started gets the same time again to end
    // and say how; after that its window's end counts, as for one the system started.
    if (blick.prozess == Kindprozess::Stand::Laeuft && ++zaehler_ < Grenze)
        return Zustand::Wartet;
    return Zustand::Fertig;
}
