#include "cli/SortBefehl.h"

#include "datenbank/DatenbankKatalog.h"
#include "cli/KonsolenNotifier.h"
#include "index/SortierteListen.h"
#include "platform/Platform.h"

#include <QDir>

#include <optional>

namespace {

std::optional<SortierteListen::Modus> modusAus(const QString& wort) {
    if (wort == QLatin1String("woerter"))
        return SortierteListen::Modus::Woerter;
    if (wort == QLatin1String("saetze"))
        return SortierteListen::Modus::Saetze;
    if (wort == QLatin1String("beide"))
        return SortierteListen::Modus::Beide;
    return std::nullopt;
}

} // namespace

SortBefehl::SortBefehl(SettingsStore& einstellungen, const Befehle::Konsole& konsole,
                       const QString& ordnerArgument)
    : einstellungen_(einstellungen), konsole_(konsole), ordnerArgument_(ordnerArgument) {}

QString SortBefehl::aufruf() {
    return QStringLiteral("Aufruf: kelvora sort NAME [--modus woerter|saetze|beide]");
}

int SortBefehl::fehler(const QString& meldung) {
    konsole_.fehler << meldung << Qt::endl;
    return 1;
}

int SortBefehl::ausfuehren(QStringList argumente) {
    SortierteListen::Modus modus = SortierteListen::Modus::Woerter;
    const int m = argumente.indexOf(QStringLiteral("--modus"));
    if (m >= 0) {
        const std::optional<SortierteListen::Modus> gewaehlt = modusAus(argumente.value(m + 1));
        if (!gewaehlt)
            return fehler(QStringLiteral("Unbekannter Modus \"") + argumente.value(m + 1) +
                          QStringLiteral("\": erlaubt sind woerter, saetze und beide."));
        modus = *gewaehlt;
        argumente.remove(m, 2);
    }
    if (argumente.size() != 1 || argumente.first().startsWith(QLatin1String("--")))
        return fehler(aufruf());
    const QString name = argumente.first();

    KonsolenNotifier notifier(konsole_.fehler, konsole_.ein, false, true);
    DriveMap::global().konfigurieren(einstellungen_);
    const QString nativ =
        ordnerArgument_.isEmpty() ? QDir::currentPath() : QDir(ordnerArgument_).absolutePath();
    if (!QDir(nativ).exists())
        return fehler(QStringLiteral("Der Programmordner existiert nicht: ") + ordnerArgument_);
    const Programmordner ordner(DriveMap::global().windows(nativ));
    ordner.ordnerAnlegen(notifier);
    if (!DatenbankKatalog(ordner).existiert(name))
        return fehler(QStringLiteral("Die Datenbank \"") + name +
                      QStringLiteral("\" existiert nicht!"));

    SortierteListen listen(ordner, notifier, Pump::still());
    listen.setModus(modus);
    SortierteListen::Rueckmeldung r;
    r.status = [this](const QString& text) {
        if (text != QLatin1String("Fertig"))
            konsole_.aus << text << Qt::endl;
    };
    r.geschrieben = [this, &ordner](const QString& pfad) {
        konsole_.aus << QStringLiteral("geschrieben: ") << pfad.mid(ordner.pfad().size())
                     << Qt::endl;
    };
    listen.setRueckmeldung(r);
    return listen.SortierteListenErstellen(name).isEmpty() ? 1 : 0;
}
