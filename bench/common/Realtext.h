#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>

// A database whose document reads like the converter's output of a real collection: German
// and English files of very different sizes, words drawn by their frequency in real prose,
// pages of laid-out lines with margins, columns and form feeds. Five query words are spread
// the way such words spread in real collections: one rare, one in most German files, a
// phrase, a case-sensitive technical term and a short word that is often part of longer
// ones.
namespace Realtext {

struct Auftrag {
    QString name = QStringLiteral("Real");
    QChar laufwerk = QLatin1Char('T');
    qint64 zielBytes = qint64(304) << 20;
    int dateien = 8000;
};

struct Abfrage {
    QString name;
    QString text;
    bool gross = false;
    bool ganzeWoerter = false;
    // Files whose record holds the text under the query's options, counted while the
    // document was written, independently of the program's search.
    int dateienMitTreffer = 0;
};

struct Datenbank {
    QString dokument; // native path of "<name>_UTF8Dokument.txt"
    qint64 bytes = 0;
    int dateien = 0;
    QList<Abfrage> abfragen;
};

// Writes "Datenbank\<name>.dat", the document and its title positions below the native
// program folder, and an empty PDF for every record below "Archiv" (the folder the
// records name as <laufwerk>:\Archiv\...). The same order always gives the same bytes.
Datenbank erzeugen(const QString& programmordner, const Auftrag& auftrag);
// The database an earlier call left in the folder, or a new one.
Datenbank erzeugenOderLaden(const QString& programmordner, const Auftrag& auftrag);

} // namespace Realtext
