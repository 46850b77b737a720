#include "app/Virenscannerwache.h"

Virenscannerwache::Schritt Virenscannerwache::tick(bool scannerLaeuft, const QString& status,
                                                   const QString& titel, bool aktualisierung) {
    const QString laufText = aktualisierung ? QStringLiteral("Datenbank wird aktualisiert.")
                                            : QStringLiteral("Datenbank wird neu erstellt.");
    Schritt s;
    // Without a scanner there is nothing to wait for: the watch ends and leaves the title
    // to the run, taking back its notice when it had shown one.
    if (!scannerLaeuft) {
        s.anhalten = true;
        if (zaehler_ >= 2) {
            s.titel = QString();
            if (!status.contains(QLatin1String("Fertig mit der Indizierung")))
                s.status = laufText;
        }
        zaehler_ = 0;
        return s;
    }
    QString neuerTitel = titel;
    ++zaehler_;
    if (zaehler_ >= 5 || status.contains(QLatin1String("Fertig mit der Indizierung."))) {
        s.anhalten = true;
        zaehler_ = 0;
        neuerTitel.clear();
        s.titel = neuerTitel;
        if (!status.contains(QLatin1String("Fertig mit der Indizierung")))
            s.status = laufText;
    }
    if (zaehler_ >= 2 && !neuerTitel.isEmpty() && !neuerTitel.contains(QLatin1String("-Datei:"))) {
        s.titel = QStringLiteral("Bitte Geduld! Windows Defender überprüft gerade Kelvora.");
        s.status =
            laufText + QStringLiteral(" Bitte Geduld! Windows Defender überprüft gerade Kelvora.");
    }
    return s;
}
