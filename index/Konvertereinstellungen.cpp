#include "index/Konvertereinstellungen.h"

#include "platform/SettingsStore.h"

#include <QThread>

#include <algorithm>

namespace {

// A positive number, else the default; more converters than this only cost memory.
int positiv(const QString& text, int standard, int hoechstens) {
    bool ok = false;
    const int wert = text.trimmed().toInt(&ok);
    return ok && wert > 0 ? std::min(wert, hoechstens) : standard;
}

} // namespace

Konvertereinstellungen Konvertereinstellungen::standard() {
    return {std::max(1, QThread::idealThreadCount()), 300};
}

Konvertereinstellungen Konvertereinstellungen::lesen(const SettingsStore& einstellungen) {
    const Konvertereinstellungen s = standard();
    return {
        positiv(einstellungen.LeseRegKey(QStringLiteral("Konverter_Prozesse")), s.prozesse, 256),
        positiv(einstellungen.LeseRegKey(QStringLiteral("Zeitlimit_Konverter")),
                s.zeitlimitSekunden, 24 * 3600)};
}
