#include "app/Anzeigetexte.h"

#include <QLocale>

namespace Anzeigetexte {

qint64 vergangeneSekunden(qint64 startTicksMs, qint64 jetztTicksMs) {
    return jetztTicksMs / 1000 - startTicksMs / 1000;
}

QString zaehlerZeile(qint64 anzahlDateien, const QString& zeit) {
    return QStringLiteral("Anzahl Dateien:     ") + QLocale().toString(anzahlDateien) +
           QStringLiteral("     Zeit: ") + zeit;
}

QString geduldPunkte(int zaehler) {
    if (zaehler < 1 || zaehler > 5)
        return QString();
    QString punkte = QStringLiteral("°");
    for (int i = 1; i < zaehler; ++i)
        punkte += QStringLiteral(" °");
    return punkte;
}

} // namespace Anzeigetexte
