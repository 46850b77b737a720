#pragma once

#include <QString>
#include <QStringList>

class Pump;

// The master file list of a drive and the ".dat" made from it.
namespace Hauptliste {

// "Datenbank\Haupt_Dateinamen_Liste_Laufwerk_<X>.txt", relative to a base folder.
QString dateiname(QChar laufwerk);

// The five extension slots from the dialog's field, e.g. "*.pdf *.TXT" -> .pdf .txt . . .
QStringList endungsplaetze(const QString& feld);

// First line of a ".dat": header, folder in byte form and the filled slots as "*.ext".
QString kopfzeile(const QString& ordnerText, const QStringList& plaetze);

// The files of the list below the folder text (a case-sensitive substring test on each
// file's folder) whose extension fills a slot; once per matching slot, in list order.
QStringList filtern(const QStringList& zeilen, const QString& ordnerText,
                    const QStringList& plaetze, Pump& pump);

// The whole ".dat" text: header and every path in byte form, each line ended by CR LF.
QString datText(const QString& ordnerText, const QStringList& plaetze, const QStringList& pfade);

} // namespace Hauptliste
