#include "datenbank/Programmdateien.h"

#include "platform/Files.h"
#include "platform/Notifier.h"
#include "platform/Shell.h"

#include <QDir>
#include <QFileInfo>

namespace {

struct Ort {
    QString pfad;
    bool nativ;
};

Programmdateien::Suche suchen(const std::vector<Ort>& orte, bool ausfuehrbar) {
    Programmdateien::Suche s;
    for (const Ort& o : orte) {
        const QString nativ = o.nativ ? o.pfad : Files::nativ(o.pfad);
        s.orte << (nativ.isEmpty() ? o.pfad : nativ);
        if (!s.gefunden.isEmpty() || nativ.isEmpty())
            continue;
        const QFileInfo info(nativ);
        if (info.isFile() && (!ausfuehrbar || info.isExecutable()))
            s.gefunden = o.pfad;
    }
    return s;
}

// The installed place, relative to the folder of the installed programs; the build
// passes in where the installation puts each file.
QString installiert(const QString& programmVerzeichnis, const char* relativ, const QString& name) {
    return QDir::cleanPath(programmVerzeichnis + QLatin1Char('/') + QString::fromUtf8(relativ) +
                           QLatin1Char('/') + name);
}

} // namespace

const QString& Programmdateien::listerName() {
    static const QString name = QStringLiteral("ErstelleDateiliste");
    return name;
}

const QString& Programmdateien::hilfeName() {
    static const QString name = QStringLiteral("Hilfe_Kelvora_PDF.pdf");
    return name;
}

Programmdateien::Suche Programmdateien::lister(const Programmordner& ordner,
                                               const QString& steuerordner,
                                               const QString& programmVerzeichnis) {
    std::vector<Ort> orte;
    if (!steuerordner.isEmpty())
        orte.push_back({steuerordner + listerName(), false});
    orte.push_back({ordner.datei(listerName()), false});
    if (!programmVerzeichnis.isEmpty()) {
        orte.push_back({QDir(programmVerzeichnis).filePath(listerName()), true});
        orte.push_back(
            {installiert(programmVerzeichnis, KELVORA_LISTER_RELATIV, listerName()), true});
    }
    return suchen(orte, true);
}

Programmdateien::Suche Programmdateien::hilfe(const Programmordner& ordner,
                                              const QString& programmVerzeichnis) {
    std::vector<Ort> orte{{ordner.datei(hilfeName()), false}};
    if (!programmVerzeichnis.isEmpty()) {
        orte.push_back({QDir(programmVerzeichnis).filePath(hilfeName()), true});
        orte.push_back(
            {installiert(programmVerzeichnis, KELVORA_HILFE_RELATIV, hilfeName()), true});
    }
    return suchen(orte, false);
}

void Programmdateien::hilfeOeffnen(const Programmordner& ordner, const QString& programmVerzeichnis,
                                   Shell& shell, Notifier& notifier) {
    const Suche s = hilfe(ordner, programmVerzeichnis);
    if (s.gefunden.isEmpty()) {
        notifier.information(nichtGefundenMeldung(
            QStringLiteral("Die Hilfe \"") + hilfeName() + QLatin1Char('"'), s.orte));
        return;
    }
    const QString nativ = Files::nativ(s.gefunden);
    const QString meldung =
        QStringLiteral("Die Hilfe kann nicht angezeigt werden, weil kein Programm für "
                       "PDF-Dateien gestartet werden konnte. Sie liegt hier:\n") +
        (nativ.isEmpty() ? s.gefunden : nativ);
    if (!shell.oeffnen(s.gefunden, [&notifier, meldung] { notifier.warnung(meldung); }))
        notifier.warnung(meldung);
}

QString Programmdateien::nichtGefundenMeldung(const QString& was, const QStringList& orte) {
    return was + QStringLiteral(" ist nicht vorhanden! Gesucht wurde in:\n") +
           orte.join(QLatin1Char('\n'));
}
