#include "index/Indexlauf.h"

#include "datenbank/Arbeitsordner.h"
#include "datenbank/DatenbankKatalog.h"
#include "datenbank/Datenbankwechsel.h"
#include "index/Eingabepruefung.h"
#include "index/Hauptliste.h"
#include "index/Laufzeit.h"
#include "index/PdfTextExtraktion.h"
#include "platform/Platform.h"

#include <QElapsedTimer>
#include <QFileInfo>

Indexlauf::Indexlauf(const Programmordner& ordner, Notifier& notifier, Pump& pump)
    : ordner_(ordner), notifier_(notifier), pump_(pump) {}

QString Indexlauf::listerSuchen(const Programmordner& ordner, const QString& steuerordner,
                                const QString& programmVerzeichnis) {
    const QString name = QStringLiteral("ErstelleDateiliste");
    if (!steuerordner.isEmpty() && Files::existiert(steuerordner + name))
        return steuerordner + name;
    if (Files::existiert(ordner.datei(name)))
        return ordner.datei(name);
    const QString daneben = programmVerzeichnis + QStringLiteral("/ErstelleDateiliste");
    return QFileInfo(daneben).isExecutable() ? daneben : QString();
}

bool Indexlauf::listeErstellen(QChar laufwerk) {
    if (lister_.isEmpty()) {
        notifier_.fehler(QStringLiteral("ErstelleDateiliste ist nicht vorhanden!"));
        return false;
    }
    if (fortschritt_)
        fortschritt_(QStringLiteral("Erstelle Dateiliste - von Laufwerk ") + laufwerk);
    const auto e = ProcessRunner::ausfuehren(lister_, {QStringLiteral("open ") + laufwerk}, pump_,
                                             listerBasis());
    if (!e.gestartet || e.code != 0) {
        notifier_.fehler(QStringLiteral("\"ErstelleDateiliste\" ist mit dem Fehler ") +
                         QString::number(e.code) + QStringLiteral(" beendet worden."));
        return false;
    }
    return true;
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
    if (fortschritt_)
        fortschritt_(update ? QStringLiteral("Datenbank wird aktualisiert.")
                            : QStringLiteral("Datenbank wird neu erstellt."));
    return true;
}

Indexlauf::Ergebnis Indexlauf::ausfuehren(const Auftrag& a) {
    if (!pruefen(a))
        return {};
    if ((a.neueListe || !Files::existiert(hauptliste(a))) &&
        !listeErstellen(a.ordner.at(0).toUpper()))
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
    const QStringList pfade =
        Hauptliste::filtern(TextFiles::zeilen(ReadTextFile(liste)), a.ordner, plaetze, pump_);
    r.dateien = pfade.size();
    const QString datText = Hauptliste::datText(a.ordner, plaetze, pfade);
    const QString dat = job->datei(name + QStringLiteral(".dat"));
    if (!schreiben(datText, dat, TextFiles::Utf8))
        return r;

    PdfTextExtraktion::Ausstattung ausstattung;
    ausstattung.arbeitsordner = job->pfad();
    ausstattung.konverter = konverter_;
    ausstattung.nachbearbeitung = nachbearbeitung_;
    PdfTextExtraktion extraktion({ordner_, notifier_, pump_, abbruch_, fortschritt_}, name, plaetze,
                                 ausnahmen, ausstattung);
    if (!extraktion.ErstelleDiePDFtextDokumente(TextFiles::zeilen(datText)))
        return r;
    if (fortschritt_)
        fortschritt_(QStringLiteral("TitelPositionen werden erstellt"));
    pump_.pause(100);
    const QString titel = job->datei(name + QStringLiteral("_Utf8_TitelPositionen.txt"));
    if (!schreiben(TextFiles::text(extraktion.aufbau().titelzeilen()), titel, TextFiles::Utf8))
        return r;
    r.konvertiert = extraktion.konvertiert();
    r.ausCache = extraktion.ausCache();
    r.log = extraktion.statistik(r.dateien, laufzeitText(uhr.elapsed() / 1000));
    const QString log = job->datei(name + QStringLiteral(".log"));
    if (!schreiben(TextFiles::text(r.log), log, TextFiles::Utf16Le))
        return r;
    const bool fertig = wechsel.festschreiben(
        {{extraktion.aufbau().dokument(), QStringLiteral("_UTF8Dokument.txt")},
         {titel, QStringLiteral("_Utf8_TitelPositionen.txt")},
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
    ordner_.tempLeeren();
    r.ok = true;
    return r;
}
