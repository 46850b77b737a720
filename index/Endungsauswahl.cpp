#include "index/Endungsauswahl.h"

#include "platform/Files.h"
#include "platform/TextFiles.h"

namespace Endungsauswahl {

QString datei(const Programmordner& ordner) {
    return ordner.datei(QStringLiteral("AuswahlEndungen.txt"));
}

QStringList vorgaben() {
    return {QStringLiteral("*.csv"), QStringLiteral("*.txt")};
}

QStringList neue(const QStringList& plaetze, const QStringList& auswahl) {
    QStringList bekannt;
    for (const QString& a : auswahl)
        bekannt << a.trimmed().toLower();
    QStringList out;
    for (const QString& platz : plaetze) {
        // An empty slot is just ".".
        if (platz.trimmed().size() <= 1)
            continue;
        const QString muster = QLatin1Char('*') + platz;
        if (!bekannt.contains(muster.toLower())) {
            bekannt << muster.toLower();
            out << muster;
        }
    }
    return out;
}

Ergaenzung ergaenzen(const Programmordner& ordner, const QStringList& plaetze) {
    const QString pfad = datei(ordner);
    const QStringList zeilen =
        Files::existiert(pfad) ? TextFiles::zeilen(ReadTextFile(pfad)) : QStringList();
    Ergaenzung e;
    e.neu = neue(plaetze, vorgaben() + zeilen);
    if (!e.neu.isEmpty())
        e.ok = WriteToStream(TextFiles::text(zeilen + e.neu), pfad, TextFiles::Utf8);
    return e;
}

} // namespace Endungsauswahl
