#include "app/Virenscannerwache.h"

Virenscannerwache::Schritt Virenscannerwache::tick(bool scannerLaeuft, const QString& status,
                                                   const QString& titel, bool aktualisierung) {
    const QString laufText = aktualisierung ? QStringLiteral("Datenbank wird aktualisiert.")
                                            : QStringLiteral("Datenbank wird neu erstellt.");
    Schritt s;
    QString neuerTitel = titel;
    if (!scannerLaeuft) {
        neuerTitel = QStringLiteral("-");
        s.titel = neuerTitel;
    } else {
        ++zaehler_;
        if (zaehler_ >= 5 || status.contains(QLatin1String("Fertig mit der Indizierung."))) {
            s.anhalten = true;
            zaehler_ = 0;
            neuerTitel.clear();
            s.titel = neuerTitel;
            if (!status.contains(QLatin1String("Fertig mit der Indizierung")))
                s.status = laufText;
        }
    }
    if (zaehler_ >= 2 && !neuerTitel.isEmpty() && !neuerTitel.contains(QLatin1String("-Datei:"))) {
        s.titel = QStringLiteral("Bitte Geduld! Windows Defender überprüft gerade Kelvora.");
        s.status =
            laufText + QStringLiteral(" Bitte Geduld! Windows Defender überprüft gerade Kelvora.");
    }
    return s;
}
