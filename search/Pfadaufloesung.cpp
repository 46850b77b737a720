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

const TTitelTabelle& TPfadaufloesung::tabelle(Dokumentvariante v) {
    const int i = Dokumentvarianten::index(v);
    if (!geladen_[i]) {
        tabellen_[i].ladenAusDatei(
            ordner_.datenbank(name_ + Dokumentvarianten::titelpositionen(v)));
        geladen_[i] = true;
    }
    return tabellen_[i];
}
