#include "search/Ergebnisseite.h"

#include "platform/Ansi.h"
#include "platform/DriveMap.h"
#include "platform/Pump.h"
#include "platform/TextFiles.h"
#include "search/Browserstart.h"
#include "search/Zeichenkette.h"

#include <QUrl>

namespace {

const QString trenner = QStringLiteral("##text##");

// 1-based position of the last occurrence, 0 when there is none.
qsizetype letztePosition(const QString& zeile, const QString& text, bool grossKlein) {
    if (text.isEmpty())
        return 0;
    const qsizetype i = grossKlein ? zeile.lastIndexOf(text)
                                   : Ansi::kleinWide(zeile).lastIndexOf(Ansi::kleinWide(text));
    return i + 1;
}

} // namespace

TErgebnisseite::TErgebnisseite(const Programmordner& ordner, TBrowserstart& browser, Pump& pump)
    : ordner_(ordner), browser_(browser), pump_(pump) {}

QString TErgebnisseite::dateiname(int seite) {
    if (seite <= 1)
        return QStringLiteral("Datenbank\\Temp\\Kelvora_Ergebnis.htm");
    return QStringLiteral("Datenbank\\Temp\\Kelvora_Ergebnis") + QString::number(seite) +
           QStringLiteral(".htm");
}

QString TErgebnisseite::einstellungszeile(bool grossKlein, bool ganzeWoerter) {
    if (grossKlein && ganzeWoerter)
        return QStringLiteral("Sucheinstellung: Gross/Kleinschreibung <u>beachten</u> und nur "
                              "<u>ganze</u> Wörter.");
    if (grossKlein)
        return QStringLiteral("Sucheinstellung: Gross/Kleinschreibung <u>beachten</u> und "
                              "Suchtext <u>auch als Teil</u> in einem Wort/Satz finden.");
    if (ganzeWoerter)
        return QStringLiteral("Sucheinstellung: Gross/klein <u>egal</u> und <u>nur</u> ganze "
                              "Wörter.");
    return QStringLiteral("Sucheinstellung: Gross/klein <u>egal</u> und Suchtext <u>auch als "
                          "Teil</u> in einem Wort/Satz finden.");
}

QString TErgebnisseite::dateiadresse(const QString& windowsPfad) {
    const QString nativ = DriveMap::global().nativ(windowsPfad);
    if (!nativ.isEmpty())
        return QUrl::fromLocalFile(nativ).toString(QUrl::FullyEncoded);
    QString p = windowsPfad;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QStringLiteral("file:///") + p;
}

QString TErgebnisseite::trefferzeile(const QString& zeile) const {
    const qsizetype t = zeile.indexOf(trenner);
    const QString pfad = t >= 0 ? zeile.left(t) : QString();
    const QString kontext = t >= 0 ? zeile.mid(t + trenner.size()) : zeile.mid(7);
    if (Zeichenkette::trim(pfad).isEmpty() || kontext.isEmpty())
        return zeile;
    // The visible text keeps the Windows form, spaces unescaped; the link itself must
    // open the file on this system.
    QString text = pfad;
    text.replace(QLatin1Char('\\'), QLatin1Char('/'));
    text.prepend(QStringLiteral("file:///"));
    return QStringLiteral("<font color=\"#000000\">in: <a href=\"") + adresse(pfad) +
           QStringLiteral("\" target=\"_blank\">") + text +
           QStringLiteral("</a><br><font color=\"#000080\">") + kontext +
           QStringLiteral("<br><br>");
}

QString TErgebnisseite::adresse(const QString& pfad) const {
    const QString nativ = Nativpfade.value(pfad);
    return nativ.isEmpty() ? dateiadresse(pfad)
                           : QUrl::fromLocalFile(nativ).toString(QUrl::FullyEncoded);
}

QString TErgebnisseite::hervorheben(QString zeile, const QString& suchtext) const {
    const qsizetype a = zeile.indexOf(QStringLiteral("</a>")) + 1;
    const qsizetype q = letztePosition(zeile, suchtext, GrossKleinBeachten);
    if (q > 0 && a < q) {
        zeile.insert(q - 1, QStringLiteral("<b>"));
        const qsizetype r = letztePosition(zeile, suchtext, GrossKleinBeachten);
        zeile.insert(r - 1 + suchtext.size(), QStringLiteral("</b>"));
    }
    return zeile;
}

QString TErgebnisseite::naechsteSeiteZeile() const {
    const QString naechste = Seitenzaehler <= 1 ? dateiname(2) : dateiname(Seitenzaehler + 1);
    if (tempNativ_.isEmpty())
        tempNativ_ = DriveMap::global().nativ(ordner_.temp());
    const QString nativ =
        tempNativ_.isEmpty()
            ? QString()
            : tempNativ_ + naechste.mid(naechste.lastIndexOf(QLatin1Char('\\')) + 1);
    return QStringLiteral("<font color=\"#000000\"><a href=\"") +
           (nativ.isEmpty() ? dateiadresse(ordner_.datei(naechste))
                            : QUrl::fromLocalFile(nativ).toString(QUrl::FullyEncoded)) +
           QStringLiteral("\" target=\"_blank\"><span style=\"font-family:alrial;color:black;"
                          "text-decoration:none;\">Zur nächsten Steite hier klicken</span>"
                          "</a><br><br><br>");
}

QStringList TErgebnisseite::seitenzeilen(const QString& suchtext, int trefferzahl) const {
    QString text;
    for (const QString& z : TntRichEdit1) {
        pump_.verarbeiten();
        text += Zeichenkette::trim(z) + QStringLiteral("\r\n");
    }
    QStringList memo = TextFiles::zeilen(text);
    const QString s = Zeichenkette::trim(suchtext);
    for (QString& z : memo) {
        pump_.verarbeiten();
        if (z.size() > 4)
            z = trefferzeile(z);
    }
    for (QString& z : memo) {
        pump_.verarbeiten();
        z = hervorheben(z, s);
    }
    if (WeitereSeiten)
        memo.append(naechsteSeiteZeile());

    const QString einstellung = einstellungszeile(GrossKleinBeachten, NurGanzeWoerterCheckBox);
    const QString n = QString::number(trefferzahl);
    QString x;
    if (memo.isEmpty())
        x = QStringLiteral("\"> wurde NICHT gefunden:<br>");
    else if (trefferzahl == 1)
        x = QStringLiteral("\"> wurde in ") + n +
            QStringLiteral(" Datei gefunden.<br>Es wird nur die erste Fundstelle in der Datei "
                           "hier aufgelistet:<br>");
    else
        x = (WeitereSeiten ? QStringLiteral("\"> wurde bisher in ")
                           : QStringLiteral("\"> wurde in ")) +
            n +
            QStringLiteral(" Dateien gefunden.<br>Es wird jeweils nur die erste Fundstelle in "
                           "der Datei hier aufgelistet:<br>");

    QStringList seite{
        QStringLiteral("<html>"),
        QStringLiteral("<Head>"),
        QStringLiteral("<Title> Kelvora-PDF Suchergebnis </Title>"),
        QStringLiteral("<META http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"),
        QStringLiteral("</Head>"),
        QStringLiteral("<body bgcolor=\"#FFFFFF\" text=\"#000000\" link=\"#669900\" "
                       "Vlink=\"#999999\" Alink=\"#999999\" > <font face=\"verdana, arial, "
                       "helvetica\">"),
        QStringLiteral("Datenbankname: \"") + Datenbankname + QStringLiteral("\"<br>") +
            einstellung + QStringLiteral("<br>"),
        QStringLiteral("<br>Suchbegriff: <font color=\"#cc0000\">\"<u>") + suchtext +
            QStringLiteral("\"</u><font color=\"#000000") + x,
        QString(einstellung.size() / 2, QLatin1Char('_')) + QStringLiteral("<br><br>"),
    };
    seite += memo;
    seite << QStringLiteral("</font>") << QStringLiteral("</body>") << QStringLiteral("</html>");
    return seite;
}

QString TErgebnisseite::SchreibHTMLDocNeu(const QString& suchtext, int trefferzahl) {
    if (DateiGeoeffnet) {
        if (beschaeftigtEnde)
            beschaeftigtEnde();
        return QString();
    }
    const QString datei = ordner_.datei(dateiname(Seitenzaehler));
    // The pages are throwaway: the next run deletes them, so no durable save.
    WriteToStreamFluechtig(seitenzeilen(suchtext, trefferzahl).join(QStringLiteral("\r\n")), datei,
                           TextFiles::Utf8);
    if (beschaeftigtEnde)
        beschaeftigtEnde();
    if (Seitenzaehler == 1) {
        browser_.StarteInternetBrowser(
            ordner_.datei(QStringLiteral("Datenbank\\Temp\\kelvora_ergebnis.htm")));
        Seitenzaehler = 0;
    }
    return datei;
}
