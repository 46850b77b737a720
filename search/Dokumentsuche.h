#pragma once

#include "datenbank/Programmordner.h"
#include "search/Pfadaufloesung.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class Notifier;
class Pump;
class TStreamSearch;
class TViewerDokument;
struct TSuchfensterZustand;

// Finds the search text in one database document and turns the first hit of every file
// into a hit record: path + "##text##" + context + "<br>", in UTF-8 byte form.
class TDokumentsuche {
public:
    using Modus = TPfadaufloesung::Variante;

    struct Umgebung {
        Programmordner ordner;
        Notifier& notifier;
        Pump& pump;
        // The search window's stream search, its hidden second viewer and its fields.
        TStreamSearch& Search;
        TViewerDokument& Viewer2;
        TSuchfensterZustand& fenster;
    };

    explicit TDokumentsuche(const Umgebung& umgebung);

    // The database whose title positions resolve the hits.
    void setDatenbank(const QString& name);

    // One find step; the first opens the document of the document-name field and starts
    // at offset 0, the others go on with FindNext. True on a hit.
    bool FindAnsi(bool erster) { return finde(Modus::Ansi, erster); }
    bool FindUtf8(bool erster) { return finde(Modus::Utf8, erster); }
    bool FindUnicode(bool erster) { return finde(Modus::Unicode, erster); }

    // The run loops: the search text and the file marker in turn, so that every file
    // gives at most its first hit.
    void SucheImAnsiDokument(const QString& dokument) { durchsuche(Modus::Ansi, dokument); }
    void SucheImUtf8Dokument(const QString& dokument) { durchsuche(Modus::Utf8, dokument); }
    void SucheImUnicodeDokument(const QString& dokument) { durchsuche(Modus::Unicode, dokument); }

    // The search text as the mode searches it, one character per byte in the 8-bit modes.
    QString suchtext(Modus modus) const;
    // A path (UTF-8 byte form) checked for a file: the drive letter replaced by
    // Ersatzlaufwerk, then the part after ":\" below the program folder, and else
    // "Existiert nicht! " and the first repair.
    QString pfadPruefen(const QString& pfad) const;

    // Drive letter of the database folder, put in front of paths that no longer exist.
    QString Ersatzlaufwerk;
    bool Gefunden = false;
    int Trefferzaehler = 0;
    QStringList TrefferListe;
    // The variant shown in the search window (-1: none). A variant's flag is cleared when a
    // hit with context and path is recorded while it is shown.
    int GeladeneVariante = -1;
    std::array<bool, 3> VariantenFlag{};

    // Disables (false) and enables (true) the search window around each stream search.
    std::function<void(bool)> FensterAktiv;

    TPfadaufloesung& pfadaufloesung() { return pfade_; }

private:
    bool finde(Modus modus, bool erster);
    void durchsuche(Modus modus, const QString& dokument);
    void trefferAufnehmen(Modus modus);
    QString pfadFuer(Modus modus, qint64 treffer);

    Umgebung u_;
    TPfadaufloesung pfade_;
};
