#include "searchwin/Lesezeichen.h"

#include "platform/SettingsStore.h"

namespace Lesezeichen {

QString wertname(Dokumentvariante v, const QString& datenbank) {
    return QStringLiteral("Lesezeichen_") + Dokumentvarianten::kurzname(v) + QLatin1Char('_') +
           datenbank;
}

qint64 lesen(const SettingsStore& einstellungen, Dokumentvariante v, const QString& datenbank) {
    if (v == Dokumentvariante::Keine)
        return 0;
    bool ok = false;
    const qint64 wert = einstellungen.LeseRegKey(wertname(v, datenbank)).toLongLong(&ok);
    return ok ? wert : 0;
}

bool anspringen(qint64 lesezeichen, bool LesezeichenErlaubt) {
    return lesezeichen > 0 && LesezeichenErlaubt;
}

bool LesezeichenBtnClick(SettingsStore& einstellungen, Dokumentvariante anzeige,
                         const QString& datenbank, qint64 AnsichtPosition,
                         bool LesezeichenErlaubt) {
    if (!LesezeichenErlaubt || anzeige == Dokumentvariante::Keine)
        return false;
    einstellungen.SchreibeRegKey(wertname(anzeige, datenbank), QString::number(AnsichtPosition));
    return true;
}

} // namespace Lesezeichen
