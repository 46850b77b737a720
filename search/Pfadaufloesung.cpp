#include "search/Pfadaufloesung.h"

TPfadaufloesung::TPfadaufloesung(const Programmordner& ordner) : ordner_(ordner) {}

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

const TTitelTabelle& TPfadaufloesung::tabelle(Variante variante) {
    if (!geladen_[variante]) {
        tabellen_[variante].ladenAusDatei(titeldatei(variante));
        geladen_[variante] = true;
    }
    return tabellen_[variante];
}
