#pragma once

#include "datenbank/Programmordner.h"
#include "searchwin/Dokumentvariante.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class Notifier;
class Pump;

// The search in the shown document: the first click after a new text collects every hit
// of the whole file, each click shows the next one, and after the last the search starts
// over at the first.
class Weitersuche {
public:
    struct Anzeige {
        // Selects the byte range in the viewer, scrolled into view and redrawn; returns
        // the text ViewerMemo holds after that redraw.
        std::function<QString(qint64 start, qint64 laenge)> imViewerAuswaehlen;
        // Selects in ViewerMemo and gives it the focus.
        std::function<void(qsizetype start, qsizetype laenge)> imMemoMarkieren;
    };

    struct Umgebung {
        Programmordner ordner;
        QString datenbank;
        Dokumentvariante geladen = Dokumentvariante::Keine;
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
    // Where the word starts in the memo text, both lower-cased as the variant lower-cases
    // them, preferring the occurrence from the previous step's position on when that lies
    // further on in the memo; 0 when the word is not there.
    static qsizetype memoposition(const QString& memotext, const QString& text, Dokumentvariante v,
                                  qint64 letzte);

    const QList<qint64>& FundListe() const { return FundListe_; }
    const QString& suchtext() const { return suchtext_; }

    // Survives new searches and loads.
    qint64 LetzteMemoPosition = 0;

private:
    QList<qint64> FundListe_;
    QString suchtext_;
};
