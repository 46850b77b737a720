#include "index/Indexlauf.h"

#include "datenbank/Arbeitsordner.h"
#include "datenbank/DatenbankKatalog.h"
#include "datenbank/Datenbankwechsel.h"
#include "datenbank/Dokumentvariante.h"
#include "index/Eingabepruefung.h"
#include "index/Endungsauswahl.h"
#include "index/Hauptliste.h"
#include "index/Laufzeit.h"
#include "index/Listerwache.h"
#include "index/PdfTextExtraktion.h"
#include "lister/Dateilister.h"
#include "platform/Platform.h"

#include <QFileInfo>

Indexlauf::Indexlauf(const Programmordner& ordner, Notifier& notifier, Pump& pump)
    : ordner_(ordner), notifier_(notifier), pump_(pump) {
    uhr_.start();
}

void Indexlauf::melden(const QString& status) {
    if (status_)
        status_(status);
}

QString Indexlauf::zeit() const {
    return laufzeit_ ? laufzeit_() : laufzeitText(uhr_.elapsed() / 1000);
}

bool Indexlauf::sperren(const QString& name) {
    if (sperre_.gehalten() && sperre_.name() == name)
        return true;
    const Datenbanksperre::Ergebnis e = sperre_.nehmen(ordner_, name);
    if (e == Datenbanksperre::Ergebnis::Genommen)
        return true;
    notifier_.warnung(Datenbanksperre::indexMeldung(e, ordner_, name));
    return false;
}

QStringList Indexlauf::auswahlEndungenErgaenzen(const Auftrag& a) {
    const Endungsauswahl::Ergaenzung e =
        Endungsauswahl::ergaenzen(ordner_, Hauptliste::endungsplaetze(a.endungen));
    if (!e.ok)
        notifier_.warnung(QStringLiteral("Die Datei ") + Endungsauswahl::datei(ordner_) +
                          QStringLiteral(" kann nicht geschrieben werden!"));
    return e.neu;
}

QString Indexlauf::keineDateiMeldung(const QString& ordnerText, const QStringList& plaetze) {
    QStringList muster;
    for (const QString& p : plaetze)
        if (p.size() > 1)
            muster << QLatin1Char('*') + p;
    return QStringLiteral("Für den Ordner \"") + ordnerText +
           (muster.size() == 1 ? QStringLiteral("\" und die Endung \"")
                               : QStringLiteral("\" und die Endungen \"")) +
           muster.join(QLatin1Char(' ')) +
           QStringLiteral("\" wurde keine Datei gefunden. Es wurde nichts indiziert.\n"
                          "Bitte prüfen Sie die Schreibweise des Ordners (auch Groß- und "
                          "Kleinschreibung), den Laufwerksbuchstaben und die Endungen. Fehlen "
                          "nur neue Dateien, lassen Sie die Hauptdateiliste neu erstellen.");
}

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

bool Indexlauf::schreiben(const QString& text, const QString& pfad, int codePage) {
    if (WriteToStream(text, pfad, codePage))
        return true;
    notifier_.fehler(PdfTextExtraktion::schreibfehlerMeldung(pfad));
    return false;
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
    melden(update ? QStringLiteral("Datenbank wird aktualisiert.")
                  : QStringLiteral("Datenbank wird neu erstellt."));
    return true;
}

Indexlauf::Ergebnis Indexlauf::ausfuehren(const Auftrag& a) {
    if (!pruefen(a) || !sperren(a.name))
        return {};
    auswahlEndungenErgaenzen(a);
    if ((a.neueListe || !Files::existiert(hauptliste(a))) && !listeErstellen(a))
        return {};
    return nachListe(a);
}

Indexlauf::Ergebnis Indexlauf::nachListe(const Auftrag& a) {
    Ergebnis r;
    if (!sperren(a.name))
        return r;
    const QString name = a.name;
    const QString liste = hauptliste(a);
    const bool listeDa = Files::existiert(liste);
    if (!listeDa) {
        notifier_.fehler(QStringLiteral("Die Datei ") + liste + QStringLiteral(" fehlt!"));
        // A database that does not exist yet has nothing on disk to report on.
        if (!DatenbankKatalog(ordner_).existiert(name))
            return r;
    }
    Datenbankwechsel wechsel(ordner_, name);
    wechsel.wiederherstellen(pump_);
    const std::unique_ptr<Arbeitsordner> job =
        Arbeitsordner::anlegen(ordner_, QStringLiteral("Index"));
    if (!job) {
        notifier_.fehler(QStringLiteral("Der Arbeitsordner in ") + ordner_.temp() +
                         QStringLiteral(" kann nicht angelegt werden! Die Indizierung ist "
                                        "gescheitert, die bisherige Datenbank bleibt "
                                        "unverändert."));
        return r;
    }
    QStringList ausnahmen;
    const QString ausnahmeDatei = ordner_.datei(QStringLiteral("AusnahmeIndizierung.txt"));
    if (Files::existiert(ausnahmeDatei))
        for (const QString& z : TextFiles::zeilen(ReadTextFile(ausnahmeDatei)))
            if (!z.trimmed().isEmpty())
                ausnahmen << z.trimmed();

    const QStringList plaetze = Hauptliste::endungsplaetze(a.endungen);
    PdfTextExtraktion::Ausstattung ausstattung;
    ausstattung.arbeitsordner = job->pfad();
    ausstattung.konverter = konverter_;
    const auto extraktionMit = [&](const PdfTextExtraktion::Ausstattung& a) {
        return std::make_unique<PdfTextExtraktion>(
            PdfTextExtraktion::Umgebung{ordner_, notifier_, pump_, abbruch_, fortschritt_}, name,
            plaetze, ausnahmen, a);
    };
    const QString log = job->datei(name + QStringLiteral(".log"));
    if (!listeDa) {
        // Nothing is converted. The document on disk keeps the title positions written with
        // it; the statistics of this run still go to the log.
        r.log = extraktionMit(ausstattung)->statistik(r.dateien, zeit());
        if (schreiben(TextFiles::text(r.log), log, TextFiles::Utf16Le) &&
            !wechsel.festschreiben({{log, QStringLiteral(".log")}}, pump_))
            notifier_.fehler(PdfTextExtraktion::schreibfehlerMeldung(wechsel.fehlerdatei()));
        return r;
    }

    const QStringList pfade =
        Hauptliste::filtern(TextFiles::zeilen(ReadTextFile(liste)), a.ordner, plaetze, pump_);
    r.dateien = pfade.size();
    if (listeGelesen_)
        listeGelesen_(r.dateien);
    pump_.pause(300);
    // A folder that yields nothing is a mistake in the order; the database stays as it is.
    if (pfade.isEmpty()) {
        r.keineDatei = true;
        notifier_.warnung(keineDateiMeldung(a.ordner, plaetze));
        return r;
    }
    const QString datText = Hauptliste::datText(a.ordner, plaetze, pfade);
    const QString dat = job->datei(name + QStringLiteral(".dat"));
    if (!schreiben(datText, dat, TextFiles::Utf8))
        return r;
    if (texterkennung_ && !a.ohneTexterkennung)
        ausstattung.nachbearbeitung =
            Texterkennung(erkennungsprogramme_).alsNachbearbeitung(texterkennungMelden_);
    const std::unique_ptr<PdfTextExtraktion> extraktion = extraktionMit(ausstattung);
    if (!extraktion->ErstelleDiePDFtextDokumente(TextFiles::zeilen(datText)))
        return r;
    melden(QStringLiteral("TitelPositionen werden erstellt"));
    pump_.pause(100);
    const QString titelEndung = Dokumentvarianten::titelpositionen(Dokumentvariante::Utf8);
    const QString titel = job->datei(name + titelEndung);
    if (!schreiben(TextFiles::text(extraktion->aufbau().titelzeilen()), titel, TextFiles::Utf8))
        return r;
    r.konvertiert = extraktion->konvertiert();
    r.ausCache = extraktion->ausCache();
    r.log = extraktion->statistik(r.dateien, zeit());
    if (!schreiben(TextFiles::text(r.log), log, TextFiles::Utf16Le))
        return r;
    const bool fertig = wechsel.festschreiben(
        {{extraktion->aufbau().dokument(), Dokumentvarianten::dokument(Dokumentvariante::Utf8)},
         {titel, titelEndung},
         {log, QStringLiteral(".log")},
         {dat, QStringLiteral(".dat")}},
        pump_, [this] {
            if (fortschritt_)
                fortschritt_(QStringLiteral("Warte auf das Ende einer laufenden Suche ..."));
        });
    if (!fertig) {
        notifier_.fehler(PdfTextExtraktion::schreibfehlerMeldung(wechsel.fehlerdatei()));
        return r;
    }
    r.ok = true;
    return r;
}
