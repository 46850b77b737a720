#pragma once

#include "index/Konverterpool.h"

#include <QByteArray>
#include <QList>
#include <QProcessEnvironment>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

class SettingsStore;

// Text recognition of scanned pages. A page that is only a picture comes out of the
// converter without a letter or digit; after the converter has run for a PDF, each such page
// is rendered with pdftoppm (300 dpi, grey, one page at a time) and read by tesseract
// ("deu+eng"). The recognised text takes the empty page's place between the same form feeds
// and in the converter's line ends, so the result reads like the converter's output of a PDF
// with a text layer. Output with text on every page comes back as it is, and no process is
// started for it.
//
// One object serves a whole run. erkennen() changes nothing in the object and touches no
// drive map (all paths are native), so several converter slots may call it at once, each
// from its own thread; the callbacks run in the calling thread.
class Texterkennung {
public:
    struct Programme {
        QString pdftoppm;
        QString tesseract;
        // The ones on PATH; empty where one is missing.
        static Programme suchen();
    };

    struct Auftrag {
        QString pdf;           // native path
        QByteArray ausgabe;    // what the converter wrote for it
        QString arbeitsordner; // native scratch folder of the job; page pictures come and go there
        // Rendering and reading one page together may take this long; then both end.
        std::chrono::milliseconds zeitlimitJeSeite{60000};
        // Polled before each page and every few milliseconds while a program runs; true ends
        // the running program and the recognition.
        std::function<bool()> abbruch;
        // Page number in the PDF and the PDF's page count, before a page is recognised.
        std::function<void(int seite, int seiten)> fortschritt;
    };

    struct Ergebnis {
        // The converter's output with the recognised pages in place; after a cancel, with
        // the pages recognised until then.
        QByteArray text;
        int leereSeiten = 0;     // pages without letters or digits in the converter's output
        int erkannteSeiten = 0;  // of them, pages that now hold text
        int zeitlimitSeiten = 0; // pages given up at the time limit
        int fehlerSeiten = 0;    // pages a program failed on
        bool abgebrochen = false;
        // Every empty page was read to its end: a later run would get the same text again.
        bool vollstaendig() const {
            return !abgebrochen && zeitlimitSeiten == 0 && fehlerSeiten == 0;
        }
    };

    struct Pruefung {
        bool verfuegbar = false;
        // Says in German what is missing; empty when recognition is available.
        QString meldung;
        // What recognises, down to the versions of the programs and the language data: texts
        // recognised under another kennung are recognised anew.
        QByteArray kennung;
    };

    explicit Texterkennung(Programme programme = Programme::suchen());

    Ergebnis erkennen(const Auftrag& auftrag) const;

    // Whether the programs and tesseract's German data are installed (asks
    // "tesseract --list-langs"). A run that wants recognition checks this once and shows the
    // message when it is not available.
    Pruefung pruefen() const;

    // The step the converter pool runs on every converted PDF with an empty page: recognises
    // those pages, each under the converter's time limit, and shows the window title while
    // it works. At the first such PDF of a run it checks whether recognition is available;
    // when not, the run goes on without it, and says so once when asked to.
    Nachbearbeitung alsNachbearbeitung(bool fehlenMelden) const;

    // A warning when pages were given up at the time limit; empty otherwise.
    static QString zeitlimitMeldung(const QString& pfad, int seiten, int sekunden);
    // The log line below the run's statistics.
    static QString protokollzeile(int pdfDateien);

    // Numbers (from 1) of the pages whose text holds no letter or digit. Form feeds end the
    // pages; what follows the last one is a page only when it is not empty.
    static QList<int> leereSeiten(const QByteArray& ausgabe);

    // The window title while a page is being recognised.
    static QString titel(int seite, int seiten, const QString& pfad);

    // The settings value "Texterkennung": "1" on, "0" off; while it is empty, recognition is
    // on when it is available.
    static QString einstellungsname() { return QStringLiteral("Texterkennung"); }
    static bool eingeschaltet(const SettingsStore& einstellungen);
    // What is stored: on, off, or nothing.
    static std::optional<bool> gespeichert(const SettingsStore& einstellungen);
    static void setEingeschaltet(SettingsStore& einstellungen, bool an);

private:
    QByteArray kennung(const QByteArray& sprachliste) const;

    Programme programme_;
    QProcessEnvironment umgebung_;
};
