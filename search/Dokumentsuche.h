#pragma once

#include "datenbank/Dokumentvariante.h"
#include "datenbank/Programmordner.h"
#include "search/Dokumentleser.h"
#include "search/Pfadaufloesung.h"

#include <QElapsedTimer>
#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class Notifier;
class Pump;
struct TSuchfensterZustand;

// Finds the search text in one database document and turns the first hit of every file
// into a hit record: path + "##text##" + context + "<br>", in UTF-8 byte form.
//
// The document is read once, front to back, in large windows: after a hit the scan jumps to
// the next file's header, the context is cut from the window in memory, and the file is
// resolved through the title positions read once per run. Results are those of the block
// search of the stream search with the viewer's line rules, byte for byte.
class TDokumentsuche {
public:
    using Modus = Dokumentvariante;

    struct Umgebung {
        Programmordner ordner;
        Notifier& notifier;
        Pump& pump;
        // The search window's fields: check boxes, search field, file marker, run flag.
        TSuchfensterZustand& fenster;
    };

    explicit TDokumentsuche(const Umgebung& umgebung);

    // The database whose title positions resolve the hits.
    void setDatenbank(const QString& name);

    // The run loops: every file gives at most its first hit.
    void SucheImAnsiDokument(const QString& dokument) { durchsuche(Modus::Ansi, dokument); }
    void SucheImUtf8Dokument(const QString& dokument) { durchsuche(Modus::Utf8, dokument); }
    void SucheImUnicodeDokument(const QString& dokument) { durchsuche(Modus::Unicode, dokument); }

    // The search text as the mode searches it, one character per byte in the 8-bit modes.
    QString suchtext(Modus modus) const;
    // A path (UTF-8 byte form) checked for a file: the drive letter replaced by
    // Ersatzlaufwerk, then the part after ":\" below the program folder, and else
    // "Existiert nicht! " and the first repair. A path found is kept in Nativpfade.
    QString pfadPruefen(const QString& pfad);

    // Drive letter of the database folder, put in front of paths that no longer exist.
    QString Ersatzlaufwerk;
    // Set while a run goes on; clearing it (cancel) ends the run at the next look around.
    bool Gefunden = false;
    int Trefferzaehler = 0;
    QStringList TrefferListe;
    // The native file of every record path that exists (decoded path -> native path), so
    // that the result pages need not look again.
    QHash<QString, QString> Nativpfade;
    // The variant shown in the search window. A variant's flag (Dokumentvarianten::index) is
    // cleared when a hit with context and path is recorded while it is shown.
    Dokumentvariante GeladeneVariante = Dokumentvariante::Keine;
    std::array<bool, 3> VariantenFlag{};

    // Disables (false) and enables (true) the search window: it is disabled while the scan
    // runs and enabled whenever pending window messages are processed.
    std::function<void(bool)> FensterAktiv;
    // Milliseconds between two looks at the window's messages during a run.
    qint64 Umschauabstand = 25;
    // Documents from this size on are searched in stretches side by side, one per processor
    // (two to four).
    qint64 ParallelAb = qint64(16) << 20;

    TPfadaufloesung& pfadaufloesung() { return pfade_; }

private:
    // A hit with what its record needs: the path of its file in byte form and decoded, the
    // native file when one is there as written, and the context.
    struct Fund {
        QString gefunden;
        QString pfad;
        QString nativ;
        QString kontext;
    };
    template <typename Art> struct Suchauftrag;
    template <typename Art> class Teilsuche;

    template <typename Art> void durchsucheMit(Modus modus, const QString& text);
    // The finds of each stretch, in document order; empty when the document is to be
    // searched in one piece.
    template <typename Art> QList<QList<Fund>> parallelSuchen(const Suchauftrag<Art>& auftrag);
    // The native file of a Windows path when one is there as written (one look at the
    // disk), else empty. Safe on any thread.
    static QString alsGeschrieben(const QString& pfad);
    // The pattern of a text, its sieve fitted to the document's bytes.
    template <typename Art>
    typename Art::Muster vorbereiten(const typename Art::Text& text, bool gross);
    void durchsuche(Modus modus, const QString& dokument);
    // Processes pending window messages now and then; false when the run was cancelled.
    bool umschauen();
    void fensterAktiv(bool an);
    // The path check for one path: the file exists (one look at the disk when the path is
    // written as it stands).
    bool existiert(const QString& pfad);

    Umgebung u_;
    TPfadaufloesung pfade_;
    TDokumentleser leser_;
    QElapsedTimer uhr_;
};
