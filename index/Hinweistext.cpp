#include "index/Hinweistext.h"

#include <QLocale>
#include <QStringList>
#include <QTimeZone>

namespace Hinweistext {

QString hauptliste(QChar laufwerk, const QDateTime& erstellt) {
    // The time zone's standard offset, without daylight saving, as the list's date is shown.
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QDateTime utc = erstellt.toUTC();
    const QDateTime lokal = utc.addSecs(zone.standardTimeOffset(utc));
    const QDateTime ohneZone(lokal.date(), lokal.time());
    const QString datum = QLocale().toString(ohneZone, QLocale::ShortFormat);
    const QStringList zeilen = {
        QString(),
        QStringLiteral("Die \"Haupt_Dateinamen_Liste_Laufwerk_") + laufwerk +
            QStringLiteral(".txt\" ist schon vorhanden."),
        QString(),
        QStringLiteral("\tSie wurde am: ") + datum + QStringLiteral(" erstellt."),
        QString(),
        QStringLiteral("\t\tSoll sie neu erstellt werden?"),
        QStringLiteral("\t\t--------------------------------------"),
        QString(),
        QStringLiteral("  Das geht relativ schnell. Für 300.000 Dateien etwa 25 Sekunden."),
        QString(),
        QStringLiteral("             Test-PC:  Prozessor: Intel Core i5-7400 4 x 3.00 GHz"),
        QString(),
        QStringLiteral("Die Geschwindigkeit ist abhängig von der Leistungsfähigkeit des PC.")};
    return zeilen.join(QStringLiteral("\r\n"));
}

QString administratorHinweis() {
    return QStringLiteral(
        "Wenn Sie auf Laufwerk \"C:\\\" oder speziell in den Ordner \"C:\\Windows\", "
        "\"C:\\Program Files\" etc. \r\n"
        "Dateien indizieren möchten, ist es besser wenn Sie Kelvora mit "
        "Administratorberechtigung starten.\r\n"
        "(Rechte Maustaste auf \"Kelvora-pdf.exe\" und im Kontextmenü auf \"Als "
        "Administrator ausführen\" klicken.\r\n\r\n"
        "                                       Sonst werden die Dateien nicht "
        "indiziert.");
}

} // namespace Hinweistext
