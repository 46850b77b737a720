#include "search/Pfadaufloesung.h"

#include "platform/Pump.h"

TPfadaufloesung::TPfadaufloesung(const Programmordner& ordner, Pump& pump)
    : ordner_(ordner), pump_(pump) {}

void TPfadaufloesung::setDatenbank(const QString& name) {
    if (name != name_)
        neuerLauf();
    name_ = name;
}

void TPfadaufloesung::neuerLauf() {
    geladen_.fill(false);
    for (TTitelTabelle& t : tabellen_)
        t.laden({});
}

QString TPfadaufloesung::titeldatei(Variante variante) const {
    static const char* const endungen[] = {"_Ansi_TitelPositionen.txt", "_Utf8_TitelPositionen.txt",
                                           "_Unicode_TitelPositionen.txt"};
    return ordner_.datenbank(name_ + QLatin1String(endungen[variante]));
}

QString TPfadaufloesung::aufloesen(Variante variante, qint64 treffer) {
    pump_.verarbeiten();
    if (!geladen_[variante]) {
        tabellen_[variante].ladenAusDatei(titeldatei(variante));
        geladen_[variante] = true;
        pump_.verarbeiten();
    }
    return tabellen_[variante].pfad(treffer);
}
