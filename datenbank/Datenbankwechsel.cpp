#include "datenbank/Datenbankwechsel.h"

#include "datenbank/Dokumentvariante.h"
#include "platform/Files.h"
#include "platform/Pump.h"
#include "platform/TextFiles.h"

#include <QThread>

Datenbankwechsel::Datenbankwechsel(const Programmordner& ordner, const QString& name)
    : ordner_(ordner), name_(name) {}

const QStringList& Datenbankwechsel::endungen() {
    static const QStringList e = {Dokumentvarianten::dokument(Dokumentvariante::Utf8),
                                  Dokumentvarianten::titelpositionen(Dokumentvariante::Utf8),
                                  QStringLiteral(".log"), QStringLiteral(".dat")};
    return e;
}

QString Datenbankwechsel::marke() const {
    return ordner_.datenbank(name_ + QStringLiteral(".wechsel"));
}

QString Datenbankwechsel::ziel(const QString& endung) const {
    return ordner_.datenbank(name_ + endung);
}

bool Datenbankwechsel::sperren(Dateisperre& sperre, Dateisperre::Art art, Pump& pump,
                               const std::function<void()>& warten) const {
    const QString ordner = ordner_.datenbank(QString());
    bool gemeldet = false;
    while (!sperre.nehmen(ordner, art)) {
        if (!sperre.belegt())
            return false;
        if (!gemeldet && warten)
            warten();
        gemeldet = true;
        pump.verarbeiten();
        QThread::msleep(10);
    }
    return true;
}

void Datenbankwechsel::aufraeumen() {
    const QString ordner = ordner_.datenbank(QString());
    if (Files::existiert(marke())) {
        const QStringList genannt = TextFiles::zeilen(ReadTextFile(marke()));
        bool alle = true;
        for (const QString& e : endungen())
            if (genannt.contains(e) && Files::existiert(neu(e)))
                alle = Files::ersetzen(neu(e), ziel(e)) && alle;
        Files::ordnerSichern(ordner);
        // A rename that failed is tried again by the next one; until then the marker stays.
        if (!alle)
            return;
        Files::loeschen(marke());
        Files::ordnerSichern(ordner);
    }
    for (const QString& e : endungen())
        if (Files::existiert(neu(e)))
            Files::loeschen(neu(e));
}

void Datenbankwechsel::wiederherstellen(Pump& pump) {
    Dateisperre sperre;
    if (sperren(sperre, Dateisperre::Art::Exklusiv, pump))
        aufraeumen();
}

bool Datenbankwechsel::reste() const {
    if (Files::existiert(marke()))
        return true;
    for (const QString& e : endungen())
        if (Files::existiert(neu(e)))
            return true;
    return false;
}

Dateisperre Datenbankwechsel::lesen(Pump& pump) {
    Dateisperre sperre;
    if (!sperren(sperre, Dateisperre::Art::Geteilt, pump) || !reste())
        return sperre;
    sperre.freigeben();
    wiederherstellen(pump);
    sperren(sperre, Dateisperre::Art::Geteilt, pump);
    return sperre;
}

bool Datenbankwechsel::festschreiben(const QList<NeueDatei>& dateien, Pump& pump,
                                     const std::function<void()>& warten) {
    fehlerdatei_.clear();
    const QString ordner = ordner_.datenbank(QString());
    Dateisperre sperre;
    if (!sperren(sperre, Dateisperre::Art::Exklusiv, pump, warten)) {
        fehlerdatei_ = ordner;
        return false;
    }
    aufraeumen();
    QStringList bereit;
    const auto zurueck = [&](const QString& datei) {
        fehlerdatei_ = datei;
        Files::loeschen(marke());
        for (const QString& e : bereit)
            Files::loeschen(neu(e));
        return false;
    };
    for (const NeueDatei& d : dateien) {
        if (!endungen().contains(d.endung) || !Files::ersetzen(d.quelle, neu(d.endung)))
            return zurueck(neu(d.endung));
        bereit << d.endung;
    }
    if (!Files::ordnerSichern(ordner) ||
        !WriteToStream(TextFiles::text(bereit), marke(), TextFiles::Utf8) ||
        !Files::ordnerSichern(ordner))
        return zurueck(marke());
    // From here the new database counts; what fails now the next one finishes.
    aufraeumen();
    return true;
}
