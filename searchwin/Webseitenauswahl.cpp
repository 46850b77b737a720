#include "searchwin/Webseitenauswahl.h"

#include "platform/Files.h"
#include "platform/SettingsStore.h"
#include "searchwin/Adressliste.h"

namespace {
const QString themaWert = QStringLiteral("Themen-Webseite");
const QString adresseWert = QStringLiteral("Ausgewaehlte_Webseite");
} // namespace

Webseitenauswahl::Webseitenauswahl(SettingsStore& einstellungen, const Programmordner& ordner)
    : einstellungen_(einstellungen), ordner_(ordner) {}

int Webseitenauswahl::index(const QString& wert, int vorgabe, qsizetype anzahl) {
    bool ok = false;
    const int i = wert.toInt(&ok);
    const int gewuenscht = ok ? i : vorgabe;
    // A list cannot select what it does not hold; it then has no selection.
    return gewuenscht >= 0 && gewuenscht < anzahl ? gewuenscht : -1;
}

Webseitenauswahl::Stand Webseitenauswahl::fuellen() {
    const QString datei = ordner_.datei(Adressliste::dateiname());
    if (!Files::existiert(datei))
        return Stand{};
    const QStringList themen = Adressliste(Profildatei::laden(datei)).themen();
    const QString gemerkteAdresse = einstellungen_.LeseRegKey(adresseWert);
    const int thema = index(einstellungen_.LeseRegKey(themaWert), -1, themen.size());
    Stand s = TntComboBox1Click(themen, thema);
    s.adresse = index(gemerkteAdresse, 0, s.adressen.size());
    return s;
}

Webseitenauswahl::Stand Webseitenauswahl::TntComboBox1Click(const QStringList& themen, int thema) {
    Stand s;
    s.dateiVorhanden = true;
    s.themen = themen;
    s.thema = thema >= 0 && thema < themen.size() ? thema : -1;
    const QString name = s.thema >= 0 ? themen.at(s.thema) : QString();
    s.adressen =
        Adressliste(Profildatei::laden(ordner_.datei(Adressliste::dateiname()))).adressen(name);
    s.adresse = s.adressen.isEmpty() ? -1 : 0;
    merken(s.thema, s.adresse);
    return s;
}

void Webseitenauswahl::TntListBox1Click(int thema, int adresse) {
    merken(thema, adresse);
}

void Webseitenauswahl::merken(int thema, int adresse) {
    einstellungen_.SchreibeRegKey(themaWert, QString::number(thema));
    einstellungen_.SchreibeRegKey(adresseWert, QString::number(adresse));
}
