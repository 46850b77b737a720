#include "cli/Befehle.h"

#include "cli/KonsolenNotifier.h"
#include "cli/SortBefehl.h"
#include "cli/SuchBefehl.h"
#include "datenbank/DatenbankKatalog.h"
#include "datenbank/Datenbanksperre.h"
#include "index/Indexlauf.h"
#include "index/Texterkennung.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// Removes a flag from the arguments; true when it was there.
bool schalter(QStringList& argumente, const QString& name) {
    return argumente.removeAll(name) > 0;
}

} // namespace

Befehle::Befehle(SettingsStore& einstellungen, const Konsole& konsole)
    : einstellungen_(einstellungen), konsole_(konsole) {}

QString Befehle::hilfe() {
    return QStringLiteral(
        "Aufruf: kelvora [--dir PROGRAMMORDNER] BEFEHL ...\n"
        "\n"
        "Befehle:\n"
        "  list                  zeigt die Datenbanken\n"
        "  index NAME ORDNER [--endungen \"*.pdf *.txt\"] [--neue-liste] [--ohne-texterkennung]\n"
        "                        erstellt die Datenbank NAME aus ORDNER (Windows-Form wie\n"
        "                        H:\\Akten oder ein Linux-Pfad); --neue-liste erstellt die\n"
        "                        Hauptdateiliste des Laufwerks neu; --ohne-texterkennung\n"
        "                        indiziert gescannte Seiten ohne Texterkennung\n"
        "  search NAME TEXT [--gross] [--ganze-woerter] [--browser]\n"
        "                        sucht TEXT und schreibt die Ergebnisseiten\n"
        "  sort NAME [--modus woerter|saetze|beide]  sortierte Wort- und Phrasenlisten\n"
        "  delete NAME [--ja]    löscht eine Datenbank mit allen ihren Dateien\n"
        "  schliessen            schließt das laufende Kelvora-PDF-Fenster (mit Rückfrage)\n"
        "\n"
        "Ohne --dir ist der Programmordner der aktuelle Ordner.\n");
}

int Befehle::fehler(const QString& meldung) {
    konsole_.fehler << meldung << Qt::endl;
    return 1;
}

int Befehle::ausfuehren(QStringList argumente) {
    const int dir = argumente.indexOf(QStringLiteral("--dir"));
    if (dir >= 0) {
        if (dir + 1 >= argumente.size())
            return fehler(QStringLiteral("Nach --dir fehlt der Programmordner."));
        ordnerArgument_ = argumente.at(dir + 1);
        argumente.remove(dir, 2);
    }
    if (argumente.isEmpty() || argumente.first() == QLatin1String("--help") ||
        argumente.first() == QLatin1String("-h")) {
        konsole_.aus << hilfe();
        return argumente.isEmpty() ? 1 : 0;
    }
    const QString befehl = argumente.takeFirst();
    if (befehl == QLatin1String("list"))
        return liste(argumente);
    if (befehl == QLatin1String("index"))
        return indizieren(argumente);
    if (befehl == QLatin1String("search"))
        return SuchBefehl(einstellungen_, konsole_, ordnerArgument_).ausfuehren(argumente);
    if (befehl == QLatin1String("sort"))
        return SortBefehl(einstellungen_, konsole_, ordnerArgument_).ausfuehren(argumente);
    if (befehl == QLatin1String("delete"))
        return loeschen(argumente);
    if (befehl == QLatin1String("schliessen"))
        return schliessen(argumente);
    return fehler(QStringLiteral("Unbekannter Befehl: ") + befehl + QStringLiteral("\n\n") +
                  hilfe());
}

namespace {

struct Umgebung {
    Programmordner ordner;
    bool ok = true;
};

Umgebung vorbereiten(SettingsStore& einstellungen, const QString& ordnerArgument,
                     Notifier& notifier) {
    DriveMap::global().konfigurieren(einstellungen);
    const QString nativ =
        ordnerArgument.isEmpty() ? QDir::currentPath() : QDir(ordnerArgument).absolutePath();
    Umgebung u;
    u.ordner = Programmordner(DriveMap::global().windows(nativ));
    u.ok = QDir(nativ).exists();
    if (u.ok)
        u.ordner.ordnerAnlegen(notifier);
    return u;
}

} // namespace

int Befehle::liste(const QStringList& argumente) {
    if (!argumente.isEmpty())
        return fehler(QStringLiteral("Unerwartetes Argument: ") + argumente.first());
    KonsolenNotifier notifier(konsole_.fehler, konsole_.ein, false, false);
    const Umgebung u = vorbereiten(einstellungen_, ordnerArgument_, notifier);
    if (!u.ok)
        return fehler(QStringLiteral("Der Programmordner existiert nicht: ") + ordnerArgument_);
    const QStringList namen = DatenbankKatalog(u.ordner).namen();
    for (const QString& name : namen)
        konsole_.aus << name << Qt::endl;
    if (namen.isEmpty())
        konsole_.fehler << QStringLiteral("Es existiert noch keine Datenbank in ")
                        << u.ordner.datenbank(QString()) << Qt::endl;
    return 0;
}

int Befehle::loeschen(const QStringList& argumenteEin) {
    QStringList argumente = argumenteEin;
    const bool ja = schalter(argumente, QStringLiteral("--ja"));
    if (argumente.size() != 1)
        return fehler(QStringLiteral("Aufruf: kelvora delete NAME [--ja]"));
    const QString name = argumente.first();
    // Without a terminal nobody can be asked; --ja answers for the user at a terminal.
    KonsolenNotifier notifier(konsole_.fehler, konsole_.ein, konsole_.interaktiv && !ja, true);
    const Umgebung u = vorbereiten(einstellungen_, ordnerArgument_, notifier);
    if (!u.ok)
        return fehler(QStringLiteral("Der Programmordner existiert nicht: ") + ordnerArgument_);
    const DatenbankKatalog katalog(u.ordner);
    if (!katalog.namen().contains(name))
        return fehler(QStringLiteral("Die Datenbank \"") + name +
                      QStringLiteral("\" existiert nicht!"));
    Datenbanksperre sperre;
    const Datenbanksperre::Ergebnis gesperrt = sperre.nehmen(u.ordner, name);
    if (gesperrt != Datenbanksperre::Ergebnis::Genommen)
        return fehler(Datenbanksperre::loeschMeldung(gesperrt, u.ordner, name));
    if (!notifier.frage(QStringLiteral("Möchten Sie die Datenbank \"") + name +
                        QStringLiteral("\" wirklich löschen?"))) {
        konsole_.aus << QStringLiteral("Die Datenbank wurde nicht gelöscht.") << Qt::endl;
        return 0;
    }
    for (const QString& datei : katalog.loeschen(name))
        konsole_.aus << QStringLiteral("gelöscht: ") << datei << Qt::endl;
    if (katalog.existiert(name))
        return fehler(QStringLiteral("Die Datenbank \"") + name +
                      QStringLiteral("\" konnte nicht vollständig gelöscht werden."));
    return 0;
}

int Befehle::schliessen(const QStringList& argumente) {
    if (!argumente.isEmpty())
        return fehler(QStringLiteral("Unerwartetes Argument: ") + argumente.first());
    int gesendet = 0;
    for (const WindowRegistry::Fenster& f : WindowRegistry::alle())
        if (f.klasse == QLatin1String("TMainForm_Kelvora_PDF") &&
            Fensternachricht::senden(static_cast<pid_t>(f.pid), 99))
            ++gesendet;
    if (gesendet == 0)
        return fehler(QStringLiteral("Es läuft kein Kelvora-PDF-Fenster."));
    return 0;
}

int Befehle::indizieren(const QStringList& argumenteEin) {
    QStringList argumente = argumenteEin;
    Indexlauf::Auftrag auftrag;
    auftrag.neueListe = schalter(argumente, QStringLiteral("--neue-liste"));
    auftrag.ohneTexterkennung = schalter(argumente, QStringLiteral("--ohne-texterkennung"));
    const int e = argumente.indexOf(QStringLiteral("--endungen"));
    if (e >= 0) {
        if (e + 1 >= argumente.size())
            return fehler(QStringLiteral("Nach --endungen fehlen die Endungen, z. B. \"*.pdf\"."));
        auftrag.endungen = argumente.at(e + 1);
        argumente.remove(e, 2);
    }
    if (argumente.size() != 2)
        return fehler(QStringLiteral("Aufruf: kelvora index NAME ORDNER [--endungen \"*.pdf\"] "
                                     "[--neue-liste] [--ohne-texterkennung]"));
    KonsolenNotifier notifier(konsole_.fehler, konsole_.ein, false, true);
    const Umgebung u = vorbereiten(einstellungen_, ordnerArgument_, notifier);
    if (!u.ok)
        return fehler(QStringLiteral("Der Programmordner existiert nicht: ") + ordnerArgument_);
    auftrag.name = argumente.at(0);
    auftrag.ordner = argumente.at(1);
    if (auftrag.ordner.startsWith(QLatin1Char('/'))) {
        auftrag.ordner = DriveMap::global().windows(auftrag.ordner);
        if (auftrag.ordner.isEmpty())
            return fehler(QStringLiteral("Für den Ordner ") + argumente.at(1) +
                          QStringLiteral(" ist kein Laufwerksbuchstabe eingerichtet."));
    }
    if (auftrag.ordner.size() == 2 && auftrag.ordner.at(1) == QLatin1Char(':'))
        auftrag.ordner += QLatin1Char('\\');
    Indexlauf lauf(u.ordner, notifier, Pump::still());
    QString steuer = einstellungen_.LeseRegKey(QStringLiteral("Kelvora_Control"));
    if (!u.ordner.steuerordnerWirksam(steuer))
        steuer.clear();
    lauf.setSteuerordner(steuer);
    lauf.setKonverter(Konvertereinstellungen::lesen(einstellungen_));
    lauf.setTexterkennung(Texterkennung::gespeichert(einstellungen_));
    lauf.setLister(
        Indexlauf::listerSuchen(u.ordner, steuer, QCoreApplication::applicationDirPath()));
    const auto zeigen = [this](const QString& zeile) { konsole_.aus << zeile << Qt::endl; };
    lauf.setFortschritt(zeigen);
    lauf.setStatus(zeigen);
    const Indexlauf::Ergebnis r = lauf.ausfuehren(auftrag);
    if (!r.ok)
        return 1;
    for (const QString& zeile : r.log)
        konsole_.aus << zeile << Qt::endl;
    return 0;
}
