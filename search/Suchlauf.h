#pragma once

#include "datenbank/Dokumentvariante.h"
#include "datenbank/Programmordner.h"
#include "platform/Dienste.h"
#include "search/Browserstart.h"
#include "search/Dokumentsuche.h"
#include "search/Ergebnisseite.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>

struct TSuchfensterZustand;

// "Lokale Suche": every document variant of the database that exists, ANSI, UTF-8 and
// Unicode in this order, searched into one hit list and written as result pages of 25.
// Disabling and restoring the search window is left to the window.
class TSuchlauf {
public:
    static constexpr int TrefferProSeite = 25;

    struct Umgebung {
        Programmordner ordner;
        Dienste dienste;
        TSuchfensterZustand& fenster;
    };

    explicit TSuchlauf(const Umgebung& umgebung);

    QString Datenbankname;
    // The settings dialog's SuchtextInClipbrdCheckBox and the search field's state.
    bool SuchtextInClipbrd = false;
    bool PhraseCheckBox = false;
    bool DateiGeoeffnet = false;
    // The variant the search window shows.
    Dokumentvariante GeladeneVariante = Dokumentvariante::Keine;

    // The caption of the search window and the main status line.
    std::function<void(const QString&)> status;
    // Puts text on the clipboard.
    std::function<void(const QString&)> zwischenablage;
    // Clears the busy label and stops the busy timer.
    std::function<void()> beschaeftigtEnde;
    // Disables (false) and enables (true) the search window while the stream search runs.
    std::function<void(bool)> fensterAktiv;

    // The handler of "Lokale Suche". False when the search text was refused and nothing
    // was searched, when the run was cancelled and when it failed.
    bool OKBtnClick();

    // Stops the run after the current find step; no page is written then.
    void abbrechen();
    bool Abgebrochen() const { return abgebrochen_; }
    // A result page could not be written: the run failed, the user has been told.
    bool Fehlgeschlagen() const { return fehlgeschlagen_; }

    const QStringList& TrefferListe() const { return suche_.TrefferListe; }
    TDokumentsuche& dokumentsuche() { return suche_; }
    // The pages written by the last run, first page first.
    const QStringList& Seiten() const { return seiten_; }
    bool NichtsGefunden() const { return nichtsGefunden_; }
    // True for a variant in which a hit was recorded while the window showed it; the search
    // word list of a variant is written only then.
    bool TrefferInVariante(Dokumentvariante v) const {
        return !suche_.VariantenFlag[Dokumentvarianten::index(v)];
    }

    // The database folder from the header line of "<name>.dat"; when the file is not at
    // its place the drive letters A to Z are tried in its place.
    static QString datenbankordner(const Programmordner& ordner, const QString& name);
    // What goes to the clipboard after the search.
    static QString zwischenablagetext(const QString& suchtext, bool phrase, bool dateiGeoeffnet);

    static QString einZeichenMeldung() {
        return QStringLiteral("Nur ein Zeichen als Suchtext ist bei der \"Suche\" nicht erlaubt");
    }

private:
    // "Kelvora_Ergebnis.htm", "Kelvora_Ergebnis2.htm", ...
    static bool istErgebnisseite(const QString& name);
    // Deletes the pages of the last run that this run did not write over.
    void alteSeitenLoeschen(const QStringList& alteSeiten) const;
    void seitenSchreiben(const QString& suchtext);
    void seiteSchreiben(const QString& suchtext, qsizetype von, qsizetype bis, bool weitere,
                        int trefferzahl);
    void melde(const QString& text);

    Umgebung u_;
    TBrowserstart browser_;
    TErgebnisseite seite_;
    TDokumentsuche suche_;
    QStringList seiten_;
    bool nichtsGefunden_ = true;
    bool abgebrochen_ = false;
    bool fehlgeschlagen_ = false;
};
