#include "index/Indexlauf.h"

#include "datenbank/DatenbankKatalog.h"
#include "index/Eingabepruefung.h"
#include "index/Hauptliste.h"
#include "index/Laufzeit.h"
#include "index/Listerwache.h"
#include "index/PdfTextExtraktion.h"
#include "index/Titelpositionen.h"
#include "lister/Dateilister.h"
#include "platform/Platform.h"
#include "viewer/ViewerDokument.h"

#include <QElapsedTimer>
#include <QFileInfo>

Indexlauf::Indexlauf(const Programmordner& ordner, Notifier& notifier, Pump& pump)
    : ordner_(ordner), notifier_(notifier), pump_(pump) {}

Programmdateien::Suche Indexlauf::listerSuchen(const Programmordner& ordner,
                                               const QString& steuerordner,
                                               const QString& programmVerzeichnis) {
    return Programmdateien::lister(ordner, steuerordner, programmVerzeichnis);
}

QString Indexlauf::listerFehltMeldung(const Programmdateien::Suche& suche) {
    return Programmdateien::nichtGefundenMeldung(Programmdateien::listerName(), suche.orte);
}

bool Indexlauf::listeErstellen(const Auftrag& a) {
    if (lister_.gefunden.isEmpty()) {
        notifier_.fehler(listerFehltMeldung(lister_));
        return false;
    }
    const QChar laufwerk = a.ordner.at(0);
    if (fortschritt_)
        fortschritt_(Dateilister::fenstertitel(laufwerk));
    Kindprozess prozess;
    if (!prozess.starten(lister_.gefunden, {QStringLiteral("open ") + laufwerk}, listerBasis())) {
        notifier_.fehler(Listerwache::startFehlerMeldung(lister_.gefunden));
        return false;
    }
    // The same watch as the main window's: the window may come and go, the process's end
    // decides; without a window after a minute the lister has failed.
    Listerwache wache;
    const QString liste = hauptliste(a);
    for (;;) {
        prozess.warten(Listerwache::Takt);
        pump_.verarbeiten();
        const bool fenster =
            WindowRegistry::findfenster(Dateilister::fenstertitel(laufwerk)).has_value();
        switch (wache.tick({fenster, prozess.stand(), Files::existiert(liste)})) {
        case Listerwache::Zustand::Wartet:
            continue;
        case Listerwache::Zustand::Fertig:
            return true;
        case Listerwache::Zustand::Aufgegeben:
            notifier_.fehler(Listerwache::abbruchStatus());
            return false;
        case Listerwache::Zustand::Gescheitert:
            notifier_.fehler(Listerwache::gescheitertMeldung(prozess, liste));
            return false;
        }
    }
}

void Indexlauf::titelpositionenErstellen(const QString& name) {
    if (titelpositionen_) {
        titelpositionen_(name);
        return;
    }
    TStreamSearch search;
    TViewerDokument viewer;
    TSuchfensterZustand fenster;
    Titelpositionen({ordner_, notifier_, pump_, search, viewer, fenster, {}}).Button4Click(name);
}

QString Indexlauf::listerBasis() const {
    return steuerordner_.isEmpty() ? ordner_.pfad() : steuerordner_;
}

QString Indexlauf::hauptliste(const Auftrag& a) const {
    return listerBasis() + Hauptliste::dateiname(a.ordner.at(0));
}

bool Indexlauf::pruefen(const Auftrag& a) {
    if (Eingabepruefung::nameBereinigen(a.name) != a.name) {
        notifier_.information(Eingabepruefung::ungueltigeZeichenMeldung());
        return false;
    }
    const QString laufwerk = Eingabepruefung::laufwerkMeldung(a.ordner, DriveMap::global());
    if (!laufwerk.isEmpty()) {
        notifier_.information(laufwerk);
        return false;
    }
    // An existing database is indexed anew, as "DB erneut indizieren" does.
    const bool update = DatenbankKatalog(ordner_).existiert(a.name);
    const QStringList meldungen =
        Eingabepruefung::okMeldungen(a.name, a.ordner, a.endungen, {}, !update);
    for (const QString& m : meldungen)
        notifier_.information(m);
    if (!meldungen.isEmpty())
        return false;
    if (fortschritt_)
        fortschritt_(update ? QStringLiteral("Datenbank wird aktualisiert.")
                            : QStringLiteral("Datenbank wird neu erstellt."));
    return true;
}

Indexlauf::Ergebnis Indexlauf::ausfuehren(const Auftrag& a) {
    if (!pruefen(a))
        return {};
    if ((a.neueListe || !Files::existiert(hauptliste(a))) && !listeErstellen(a))
        return {};
    return nachListe(a);
}

Indexlauf::Ergebnis Indexlauf::nachListe(const Auftrag& a) {
    Ergebnis r;
    QElapsedTimer uhr;
    uhr.start();
    const QString name = a.name;
    const QString liste = hauptliste(a);
    if (!Files::existiert(liste)) {
        notifier_.fehler(QStringLiteral("Die Datei ") + liste + QStringLiteral(" fehlt!"));
        return r;
    }
    QStringList ausnahmen;
    const QString ausnahmeDatei = ordner_.datei(QStringLiteral("AusnahmeIndizierung.txt"));
    if (Files::existiert(ausnahmeDatei))
        for (const QString& z : TextFiles::zeilen(ReadTextFile(ausnahmeDatei)))
            if (!z.trimmed().isEmpty())
                ausnahmen << z.trimmed();

    const QStringList plaetze = Hauptliste::endungsplaetze(a.endungen);
    const QStringList pfade =
        Hauptliste::filtern(TextFiles::zeilen(ReadTextFile(liste)), a.ordner, plaetze, pump_);
    r.dateien = pfade.size();
    if (!WriteToStream(Hauptliste::datText(a.ordner, plaetze, pfade),
                       ordner_.datenbank(name + QStringLiteral(".dat")), TextFiles::Utf8)) {
        notifier_.fehler(QStringLiteral("Die Datei ") +
                         ordner_.datenbank(name + QStringLiteral(".dat")) +
                         QStringLiteral(" kann nicht geschrieben werden!"));
        return r;
    }

    PdfTextExtraktion extraktion({ordner_, notifier_, pump_, abbruch_, fortschritt_}, name, plaetze,
                                 ausnahmen);
    extraktion.ErstelleDiePDFtextDokumente();
    extraktion.abschliessen();
    if (fortschritt_)
        fortschritt_(QStringLiteral("TitelPositionen werden erstellt"));
    pump_.pause(100);
    titelpositionenErstellen(name);
    r.konvertiert = extraktion.konvertiert();
    r.log = extraktion.statistik(r.dateien, laufzeitText(uhr.elapsed() / 1000));
    ordner_.tempLeeren();
    r.ok = true;
    return r;
}
