#include "searchwin/Suchfeld.h"

#include "platform/Files.h"
#include "platform/Notifier.h"
#include "platform/Shell.h"
#include "search/Zeichenkette.h"

namespace {

const QString infoTitel = QStringLiteral("Info");

bool istPfadeingabe(const QString& getrimmt) {
    return getrimmt.startsWith(QLatin1Char('#')) && getrimmt.mid(2, 2) == QLatin1String(":\\");
}

} // namespace

Suchfeld::Suchfeld(Notifier& notifier, Shell& shell, const Programmordner& ordner)
    : notifier_(notifier), shell_(shell), ordner_(ordner) {}

Suchfeld::Zustand Suchfeld::TntEdit2Change(const QString& text, Pfadregel regel) {
    Zustand z;
    QString feld = text;
    bool geoeffnet = false;
    // Every write to the field runs the change again on the new text; the loop stands for
    // that, so the steps below always see the text the field finally holds.
    for (;;) {
        const QString links = Zeichenkette::trimLinks(feld);
        if (links != feld) {
            feld = links;
            continue;
        }
        const QString getrimmt = Zeichenkette::trim(feld);
        z.phrase = getrimmt.contains(QLatin1Char(' ')) || getrimmt.contains(QLatin1Char('\t'));
        if (regel == Pfadregel::Anwenden && istPfadeingabe(getrimmt)) {
            const Pfadausgang ausgang = pfadregel(getrimmt.mid(1));
            if (ausgang.art == Pfadausgang::NichtGefunden) {
                // The window closes; nothing more is made of this text.
                z.fensterSchliessen = true;
                break;
            }
            geoeffnet = ausgang.art == Pfadausgang::Geoeffnet;
            feld = geoeffnet ? QString() : ausgang.pfad;
            continue;
        }
        const QString bereinigt = ohneMarkup(getrimmt);
        if (bereinigt != getrimmt) {
            feld = bereinigt;
            continue;
        }
        break;
    }
    z.feldtext = feld;
    z.dateiGeoeffnet = geoeffnet;
    z.suchbereit = !Zeichenkette::trim(feld).isEmpty();
    z.suchtextLabel = z.suchbereit ? QStringLiteral("Suchtext: ") + feld
                                   : QStringLiteral("Es wurde kein Text eingegeben!");
    return z;
}

Suchfeld::Pfadausgang Suchfeld::pfadregel(QString p) const {
    if (!hatDateiendung(p))
        notifier_.information(
            p + QStringLiteral("\r\n hat keine Dateiendung.\r\n") +
                QStringLiteral("Überprüfen Sie ob im Viewer der \"Pfad+Dateiname+Endung\" in einer "
                               "Zeile steht. Wenn der Eintrag umgebrochen ist (ein Teil steht eine "
                               "Zeile darunter), dann verbreitern Sie das Fenster bis er in einer "
                               "Zeile steht."),
            infoTitel);
    if (!Files::existiert(p)) {
        p = DateiAufLaufwerkSuchen(p.mid(1));
        if (!Files::existiert(p)) {
            notifier_.information(p + QStringLiteral("\r\nwurde nicht gefunden."), infoTitel);
            return {Pfadausgang::NichtGefunden, p};
        }
    }
    if (notifier_.frage(QStringLiteral("Bei dem Suchtext handelt es sich um einen Pfad zu einer "
                                       "Datei.\r\nMöchten Sie die Datei mit dem zugehörigen "
                                       "externen Programm öffnen?"))) {
        shell_.oeffnen(p);
        return {Pfadausgang::Geoeffnet, p};
    }
    return {Pfadausgang::Abgelehnt, p};
}

QString Suchfeld::DateiAufLaufwerkSuchen(const QString& q) const {
    const QString eigenes = ordner_.pfad().left(1) + q;
    if (Files::existiert(eigenes))
        return eigenes;
    QString gefunden;
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        if (c == u'C')
            continue;
        const QString kandidat = QChar(c) + q;
        if (Files::existiert(kandidat))
            gefunden = kandidat;
    }
    if (!gefunden.isEmpty())
        return gefunden;
    return ordner_.pfad() + q.mid(2);
}

QString Suchfeld::ohneMarkup(const QString& getrimmt) {
    QString t = getrimmt;
    if (t.startsWith(QLatin1String("/><")))
        t.remove(0, 3);
    if (t.startsWith(QLatin1Char('<')))
        t.remove(0, 1);
    qsizetype i = t.indexOf(QLatin1Char('>'));
    if (i >= 0)
        t.truncate(i);
    i = t.indexOf(QLatin1Char('<'));
    if (i >= 0)
        t.truncate(i);
    i = t.indexOf(QLatin1Char('/'));
    if (i >= 0 && i == t.size() - 1)
        t = Zeichenkette::trim(t.left(i));
    return t;
}

bool Suchfeld::hatDateiendung(const QString& pfad) {
    for (qsizetype i = pfad.size() - 1; i >= 0; --i) {
        const QChar c = pfad.at(i);
        if (c == QLatin1Char('.'))
            return true;
        if (c == QLatin1Char('\\') || c == QLatin1Char(':'))
            return false;
    }
    return false;
}
