#pragma once

#include "datenbank/Dokumentvariante.h"
#include "datenbank/Programmordner.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class Notifier;
class Pump;

// The search in the shown document: the first click after a new text collects every hit
// of the whole file, each click shows the next one, and after the last the search starts
// over at the first.
class Weitersuche {
public:
    // The page the viewer shows: each visual line with the file offset it starts at and its
    // characters as the viewer decoded them, each standing for zeichengroesse bytes.
    struct Seite {
        struct Zeile {
            qint64 start = 0;
            QString text;
        };
        QList<Zeile> zeilen;
        int zeichengroesse = 1;
    };

    struct Anzeige {
        // Selects the byte range in the viewer, scrolled into view and redrawn; returns
        // the page the viewer shows after that redraw, which ViewerMemo mirrors.
        std::function<Seite(qint64 start, qint64 laenge)> imViewerAuswaehlen;
        // Selects in ViewerMemo and gives it the focus.
        std::function<void(qsizetype start, qsizetype laenge)> imMemoMarkieren;
    };

    struct Umgebung {
        Programmordner ordner;
        QString datenbank;
        Dokumentvariante geladen = Dokumentvariante::Keine;
        // The variant whose text the viewer shows: how the memo converts its lines.
        Dokumentvariante angezeigt = Dokumentvariante::Keine;
        bool sortierteListeAngezeigt = false;
        Notifier& notifier;
        Pump& pump;
        // The search run's cancel flag, polled by the UTF-16 scan.
        std::function<bool()> abgebrochen;
    };

    // TntEdit1Change: a changed text starts a new search. True when WeiterSuche may be
    // enabled.
    bool TntEdit1Change(const QString& text);

    void WeiterSucheClick(const Umgebung& u, const Anzeige& anzeige);

    // The file searched: the variant's document, or its sorted list while that is shown.
    static QString suchdatei(const Umgebung& u);
    // The key in the form of the variant: ANSI bytes, UTF-8 bytes or UTF-16 LE bytes.
    static QByteArray schluessel(const QString& text, Dokumentvariante v);
    // How many bytes the viewer selects for a hit.
    static qint64 auswahllaenge(const QString& text, Dokumentvariante v);
    // Where the file bytes from von up to bis lie in ViewerMemo's text, which holds the
    // page's lines converted for the variant shown, one per line: start and length in
    // characters. The hit is found by its place on the page, so a word that stands on the
    // page more than once is marked where the hit is. Nothing when von is not on the page.
    struct Memobereich {
        qsizetype start = 0;
        qsizetype laenge = 0;
    };
    static std::optional<Memobereich> memobereich(const Seite& seite, qint64 von, qint64 bis,
                                                  Dokumentvariante angezeigt);

    const QList<qint64>& FundListe() const { return FundListe_; }
    const QString& suchtext() const { return suchtext_; }

private:
    QList<qint64> FundListe_;
    QString suchtext_;
};
