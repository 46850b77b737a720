#include "cli/SuchBefehl.h"

#include "cli/KonsolenNotifier.h"
#include "datenbank/DatenbankKatalog.h"
#include "platform/Platform.h"
#include "search/StreamSearch.h"
#include "search/Suchknopf.h"
#include "search/Suchlauf.h"

#include <QDir>

#include <memory>

SuchBefehl::SuchBefehl(SettingsStore& einstellungen, const Befehle::Konsole& konsole,
                       const QString& ordnerArgument)
    : einstellungen_(einstellungen), konsole_(konsole), ordnerArgument_(ordnerArgument) {}

int SuchBefehl::fehler(const QString& meldung) {
    konsole_.fehler << meldung << Qt::endl;
    return 1;
}

int SuchBefehl::ausfuehren(QStringList argumente) {
    TSuchfensterZustand fenster;
    fenster.GrossKleinBeachten = argumente.removeAll(QStringLiteral("--gross")) > 0;
    fenster.NurGanzeWoerter = argumente.removeAll(QStringLiteral("--ganze-woerter")) > 0;
    const bool browser = argumente.removeAll(QStringLiteral("--browser")) > 0;
    if (argumente.size() != 2)
        return fehler(aufruf());

    DriveMap::global().konfigurieren(einstellungen_);
    const QString nativ =
        ordnerArgument_.isEmpty() ? QDir::currentPath() : QDir(ordnerArgument_).absolutePath();
    if (!QDir(nativ).exists())
        return fehler(QStringLiteral("Der Programmordner existiert nicht: ") + ordnerArgument_);
    KonsolenNotifier notifier(konsole_.fehler, konsole_.ein, false, true);
    const Programmordner ordner(DriveMap::global().windows(nativ));
    ordner.ordnerAnlegen(notifier);

    const QString name = argumente.at(0);
    if (!DatenbankKatalog(ordner).existiert(name))
        return fehler(QStringLiteral("Die Datenbank \"") + name +
                      QStringLiteral("\" existiert nicht!"));
    fenster.TntEdit2 = argumente.at(1);
    TSuchknopf knopf(notifier, {});
    if (!knopf.nachDemSuchfenster(fenster.TntEdit2))
        return 1;

    // Without --browser the pages are only written.
    std::unique_ptr<Shell> shell =
        browser ? std::make_unique<Shell>() : std::make_unique<ProtokollShell>();
    TSuchlauf lauf({ordner, {einstellungen_, notifier, *shell, Pump::still()}, fenster});
    lauf.Datenbankname = name;
    if (!lauf.OKBtnClick())
        return 1;

    const QString trenner = QStringLiteral("##text##");
    for (const QString& satz : lauf.TrefferListe()) {
        const QString text = Ansi::ausByteForm(satz);
        const qsizetype t = text.indexOf(trenner);
        QString kontext = text.mid(t + trenner.size());
        if (kontext.endsWith(QLatin1String("<br>")))
            kontext.chop(4);
        // Lines go out in large pieces, not one write each.
        konsole_.aus << text.left(t) << QLatin1Char('\t') << kontext << QLatin1Char('\n');
    }
    if (!lauf.Seiten().isEmpty())
        konsole_.aus << QStringLiteral("Ergebnisseite: ") << Files::nativ(lauf.Seiten().first())
                     << QLatin1Char('\n');
    konsole_.aus.flush();
    // Output that did not get out (a full disk behind a redirection) fails the command.
    if (konsole_.aus.status() != QTextStream::Ok)
        return fehler(QStringLiteral("Die Ausgabe der Treffer kann nicht geschrieben werden."));
    // A browser that could not be started is reported before the program ends.
    if (browser)
        shell->oeffnenAbwarten(3000);
    return 0;
}
