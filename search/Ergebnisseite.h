#pragma once

#include "datenbank/Programmordner.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

class Pump;
class TBrowserstart;

// Writes one page of hit records as an HTML file in "Datenbank\Temp" and opens the first
// page in the browser.
class TErgebnisseite {
public:
    TErgebnisseite(const Programmordner& ordner, TBrowserstart& browser, Pump& pump);

    // The page's hit records, decoded, one per entry (the result list of the main window).
    QStringList TntRichEdit1;
    // 1 before the first page; set to 0 once the first page is written.
    int Seitenzaehler = 1;
    bool WeitereSeiten = false;
    bool GrossKleinBeachten = false;
    bool NurGanzeWoerterCheckBox = false;
    // The search text named a file that was opened instead of searched: no page.
    bool DateiGeoeffnet = false;
    QString Datenbankname;
    // Clears the busy label and stops the busy timer of the main window.
    std::function<void()> beschaeftigtEnde;
    // The native files of the record paths the search found on disk (decoded path ->
    // native path); a link to any other path looks at the disk itself.
    QHash<QString, QString> Nativpfade;

    // Writes the page of the page counter; hit number 0 writes the not-found page.
    // Returns the file written, empty when none was.
    QString SchreibHTMLDocNeu(const QString& suchtext, int trefferzahl);

    // The lines of the page as SchreibHTMLDocNeu writes them.
    QStringList seitenzeilen(const QString& suchtext, int trefferzahl) const;
    // "Datenbank\Temp\Kelvora_Ergebnis.htm" for page 1, "...Kelvora_Ergebnis<k>.htm" after.
    static QString dateiname(int seite);
    // The setting line for the two check boxes.
    static QString einstellungszeile(bool grossKlein, bool ganzeWoerter);
    // The address of a file on this system: the native file:// URL where the drive is
    // mapped, otherwise "file:///" and the path with forward slashes.
    static QString dateiadresse(const QString& windowsPfad);

private:
    QString trefferzeile(const QString& zeile) const;
    // The address of the file a record names.
    QString adresse(const QString& pfad) const;
    QString hervorheben(QString zeile, const QString& suchtext) const;
    QString naechsteSeiteZeile() const;

    Programmordner ordner_;
    TBrowserstart& browser_;
    Pump& pump_;
    // The native "Datenbank\Temp" folder, looked up once: the next page is not written yet
    // when its link is.
    mutable QString tempNativ_;
};
