#pragma once

#include "datenbank/Programmordner.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

class Notifier;
class Pump;
class TBrowserstart;

// Writes one page of hit records as an HTML file in "Datenbank\Temp", and opens the first
// page in the browser. Every text from outside (paths, contexts, the search text, the
// database name) goes in as text: & < > " become character references before the page's
// own markup is added.
class TErgebnisseite {
public:
    TErgebnisseite(const Programmordner& ordner, TBrowserstart& browser, Notifier& notifier,
                   Pump& pump);

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
    // Set when a page could not be written; the user has been told which.
    bool Schreibfehler = false;

    // Writes the page of the page counter; hit number 0 writes the not-found page.
    // Returns the file written, empty when none was.
    QString SchreibHTMLDocNeu(const QString& suchtext, int trefferzahl);
    // Opens the first page in the browser.
    void ersteSeiteZeigen();

    // The lines of the page as SchreibHTMLDocNeu writes them.
    QStringList seitenzeilen(const QString& suchtext, int trefferzahl) const;
    // "Datenbank\Temp\Kelvora_Ergebnis.htm" for page 1, "...Kelvora_Ergebnis<k>.htm" after.
    static QString dateiname(int seite);
    // The setting line for the two check boxes.
    static QString einstellungszeile(bool grossKlein, bool ganzeWoerter);
    // The address of a file on this system: the native file:// URL where the drive is
    // mapped, otherwise "file:///" and the path with forward slashes, percent-encoded.
    static QString dateiadresse(const QString& windowsPfad);
    // The file:// address of a native path.
    static QString lokaleAdresse(const QString& nativ);
    // The text with & < > " written as character references.
    static QString html(QStringView text);
    // The text as HTML with the last occurrence of the search text in bold (compared after
    // lower-casing both unless case counts).
    static QString hervorgehoben(QStringView text, QStringView suchtext, bool grossKlein);

private:
    // One line of the page: a hit record becomes the link and its context.
    QString zeile(const QString& zeile, const QString& suchtext) const;
    // The address of the file a record names.
    QString adresse(const QString& pfad) const;
    QString naechsteSeiteZeile() const;
    // The native file of a page in "Datenbank\Temp"; the folder is looked up once, as a page
    // is linked and written before it exists.
    QString seiteNativ(const QString& datei) const;

    Programmordner ordner_;
    TBrowserstart& browser_;
    Notifier& notifier_;
    Pump& pump_;
    mutable QString tempNativ_;
};
