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

Listerwache::Zustand Listerwache::tick(bool fensterGefunden) {
    if (fensterGefunden) {
        gesehen_ = true;
    } else if (gesehen_) {
        fertig_ = true;
        zaehler_ = 0;
    } else if (++zaehler_ >= Grenze) {
        return Zustand::Aufgegeben;
    }
    return gesehen_ && fertig_ ? Zustand::Fertig : Zustand::Wartet;
}
