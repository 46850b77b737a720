#include "index/Hauptliste.h"

#include "lister/Dateilister.h"

#include "platform/Ansi.h"
#include "platform/Pump.h"
#include "platform/TextFiles.h"

#include <QRegularExpression>

namespace Hauptliste {

namespace {

// Index just past the folder part: after the last "\" or ":".
qsizetype ordnerEnde(const QString& zeile) {
    return qMax(zeile.lastIndexOf(QLatin1Char('\\')), zeile.lastIndexOf(QLatin1Char(':'))) + 1;
}

QString endung(const QString& name) {
    const qsizetype punkt = name.lastIndexOf(QLatin1Char('.'));
    return punkt < 0 ? QString() : name.mid(punkt);
}

} // namespace

QString dateiname(QChar laufwerk) {
    return QStringLiteral("Datenbank\\") + Dateilister::listenName(laufwerk);
}

QStringList endungsplaetze(const QString& feld) {
    static const QRegularExpression trenner(QStringLiteral("[*.]"));
    QStringList plaetze;
    for (const QString& wort : feld.trimmed().split(trenner)) {
        if (plaetze.size() == 5)
            break;
        if (wort.trimmed().isEmpty())
            continue;
        plaetze << QLatin1Char('.') + wort.trimmed().toLower();
    }
    while (plaetze.size() < 5)
        plaetze << QStringLiteral(".");
    return plaetze;
}

QString kopfzeile(const QString& ordnerText, const QStringList& plaetze) {
    QString zeile = QStringLiteral("PFAD_UND_ENDUNGEN= ") + Ansi::zuByteForm(ordnerText);
    for (const QString& p : plaetze)
        zeile += QLatin1Char(' ') + (p.size() > 1 ? QLatin1Char('*') + p : QString());
    return zeile;
}

QStringList filtern(const QStringList& zeilen, const QString& ordnerText,
                    const QStringList& plaetze, Pump& pump) {
    QStringList pfade;
    QString ordner;
    for (const QString& zeile : zeilen) {
        QString name;
        if (zeile.startsWith(QLatin1String("\" "))) {
            name = zeile.mid(2);
        } else {
            const qsizetype ende = ordnerEnde(zeile);
            ordner = zeile.left(ende);
            name = zeile.mid(ende);
        }
        const QString e = QLatin1Char('*') + endung(name).toLower();
        for (const QString& p : plaetze)
            if (p.size() > 1 && e == QLatin1Char('*') + p && ordner.contains(ordnerText))
                pfade << ordner + name;
        pump.verarbeiten();
    }
    return pfade;
}

QString datText(const QString& ordnerText, const QStringList& plaetze, const QStringList& pfade) {
    QStringList zeilen{kopfzeile(ordnerText, plaetze)};
    for (const QString& p : pfade)
        zeilen << Ansi::zuByteForm(p);
    return TextFiles::text(zeilen);
}

} // namespace Hauptliste
