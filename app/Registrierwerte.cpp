#include "app/Registrierwerte.h"

#include "platform/SettingsStore.h"

#include <array>
#include <utility>

namespace Registrierwerte {

bool erststartWerteSchreiben(SettingsStore& einstellungen) {
    if (!einstellungen.LeseRegKey(QStringLiteral("Ausgewaehlte_Datenbank")).isEmpty())
        return false;
    static const std::array<std::pair<const char*, const char*>, 12> werte = {{
        {"Ausgewaehlte_Datenbank", "-1"},
        {"Themen-Webseite", "0"},
        {"Ausgewaehlte_Webseite", "0"},
        {"Farbe", "$000090FF"},
        {"HinweistextFarbe", "clBlack"},
        {"Hoehe", "506"},
        {"Weite", "900"},
        {"SHoehe", "500"},
        {"SWeite", "900"},
        {"Browser", "standard"},
        {"Suchwort_in_Zwischenablage_kopieren", "1"},
        {"Kurzhinweis_imViewer_anzeigen", "1"},
    }};
    for (const auto& [name, wert] : werte)
        einstellungen.SchreibeRegKey(QString::fromLatin1(name), QString::fromLatin1(wert));
    return true;
}

int standardBreite(int bildschirmBreite) {
    return bildschirmBreite < 1025 ? bildschirmBreite : 900;
}

int ganzzahl(const QString& text, int standard) {
    bool ok = false;
    const int wert = text.trimmed().toInt(&ok);
    return ok ? wert : standard;
}

Fenstergroessen groessenLesen(const SettingsStore& einstellungen, int standardBreite) {
    Fenstergroessen g;
    g.hoehe = ganzzahl(einstellungen.LeseRegKey(QStringLiteral("Hoehe")), 506);
    g.weite = ganzzahl(einstellungen.LeseRegKey(QStringLiteral("Weite")), standardBreite);
    g.suchHoehe = ganzzahl(einstellungen.LeseRegKey(QStringLiteral("SHoehe")), 500);
    g.suchWeite = ganzzahl(einstellungen.LeseRegKey(QStringLiteral("SWeite")), standardBreite);
    return g;
}

int auswahlIndex(const QString& gespeichert, int anzahlEintraege) {
    const int index = ganzzahl(gespeichert.isEmpty() ? QStringLiteral("0") : gespeichert, 0);
    if (index == anzahlEintraege || index < 0 || index > anzahlEintraege)
        return 0;
    return index;
}

} // namespace Registrierwerte
