#include "search/Ergebnisseite.h"

#include "platform/Ansi.h"
#include "platform/DriveMap.h"
#include "platform/Files.h"
#include "platform/Notifier.h"
#include "platform/Pump.h"
#include "platform/TextFiles.h"
#include "search/Browserstart.h"
#include "search/Zeichenkette.h"

#include <QFile>
#include <QUrl>

namespace {

const QString trenner = QStringLiteral("##text##");
// The end of every hit record: markup of the page, not text.
const QString zeilenende = QStringLiteral("<br>");

char16_t klein(char16_t c) {
    return c < 128 ? (c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c)
                   : char16_t(QChar(c).toLower().unicode());
}

// 0-based position of the last occurrence, -1 when there is none.
qsizetype letzteStelle(QStringView in, QStringView text, bool grossKlein) {
    if (text.isEmpty() || text.size() > in.size())
        return -1;
    if (grossKlein)
        return in.lastIndexOf(text);
    for (qsizetype i = in.size() - text.size(); i >= 0; --i) {
        qsizetype j = 0;
        while (j < text.size() && klein(in[i + j].unicode()) == klein(text[j].unicode()))
            ++j;
        if (j == text.size())
            return i;
    }
    return -1;
}

void htmlAnhaengen(QString& out, QStringView text) {
    qsizetype von = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'&' && c != u'<' && c != u'>' && c != u'"')
            continue;
        out += text.mid(von, i - von);
        out += c == u'&'   ? QLatin1String("&amp;")
               : c == u'<' ? QLatin1String("&lt;")
               : c == u'>' ? QLatin1String("&gt;")
                           : QLatin1String("&quot;");
        von = i + 1;
    }
    out += text.mid(von);
}

void hervorhebenAnhaengen(QString& out, QStringView text, QStringView suchtext, bool grossKlein) {
    const qsizetype q = letzteStelle(text, suchtext, grossKlein);
    if (q < 0) {
        htmlAnhaengen(out, text);
        return;
    }
    htmlAnhaengen(out, text.left(q));
    out += QLatin1String("<b>");
    htmlAnhaengen(out, text.mid(q, suchtext.size()));
    out += QLatin1String("</b>");
    htmlAnhaengen(out, text.mid(q + suchtext.size()));
}

} // namespace

TErgebnisseite::TErgebnisseite(const Programmordner& ordner, TBrowserstart& browser,
                               Notifier& notifier, Pump& pump)
    : ordner_(ordner), browser_(browser), notifier_(notifier), pump_(pump) {}

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

QString TErgebnisseite::lokaleAdresse(const QString& nativ) {
    // The characters a path keeps in a URL; every other one is percent-encoded in UTF-8, as
    // QUrl does, only without taking the whole address apart again.
    if (!nativ.startsWith(QLatin1Char('/')) || nativ.startsWith(QLatin1String("//")))
        return QUrl::fromLocalFile(nativ).toString(QUrl::FullyEncoded);
    return QStringLiteral("file://") +
           QString::fromLatin1(QUrl::toPercentEncoding(nativ, "!$&'()*+,;=:@/[]"));
}

QString TErgebnisseite::dateiadresse(const QString& windowsPfad) {
    const QString nativ = DriveMap::global().nativ(windowsPfad);
    if (!nativ.isEmpty())
        return lokaleAdresse(nativ);
    QString p = windowsPfad;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QStringLiteral("file:///") + QString::fromLatin1(QUrl::toPercentEncoding(p, "/:"));
}

QString TErgebnisseite::html(QStringView text) {
    QString out;
    out.reserve(text.size());
    htmlAnhaengen(out, text);
    return out;
}

QString TErgebnisseite::hervorgehoben(QStringView text, QStringView suchtext, bool grossKlein) {
    QString out;
    out.reserve(text.size() + 7);
    hervorhebenAnhaengen(out, text, suchtext, grossKlein);
    return out;
}

QString TErgebnisseite::zeile(const QString& zeile, const QString& suchtext) const {
    const qsizetype t = zeile.indexOf(trenner);
    const QStringView pfad = t >= 0 ? QStringView(zeile).left(t) : QStringView();
    const QStringView kontext =
        t >= 0 ? QStringView(zeile).mid(t + trenner.size()) : QStringView(zeile).mid(7);
    QString out;
    out.reserve(2 * zeile.size() + 160);
    // The record's own end stays markup, whatever the text before it holds.
    auto mitEnde = [&](QStringView text) {
        const bool ende = text.endsWith(zeilenende);
        hervorhebenAnhaengen(out, ende ? text.chopped(zeilenende.size()) : text, suchtext,
                             GrossKleinBeachten);
        if (ende)
            out += zeilenende;
    };
    if (zeile.size() <= 4 || Zeichenkette::trim(pfad.toString()).isEmpty() || kontext.isEmpty()) {
        mitEnde(zeile);
        return out;
    }
    // The visible text keeps the Windows form, spaces unescaped; the link itself must
    // open the file on this system.
    QString text = QStringLiteral("file:///") + pfad.toString();
    text.replace(QLatin1Char('\\'), QLatin1Char('/'));
    out += QLatin1String("<font color=\"#000000\">in: <a href=\"");
    htmlAnhaengen(out, adresse(pfad.toString()));
    out += QLatin1String("\" target=\"_blank\">");
    htmlAnhaengen(out, text);
    out += QLatin1String("</a><br><font color=\"#000080\">");
    mitEnde(kontext);
    out += QLatin1String("<br><br>");
    return out;
}

QString TErgebnisseite::adresse(const QString& pfad) const {
    const QString nativ = Nativpfade.value(pfad);
    return nativ.isEmpty() ? dateiadresse(pfad) : lokaleAdresse(nativ);
}

QString TErgebnisseite::seiteNativ(const QString& datei) const {
    if (tempNativ_.isEmpty())
        tempNativ_ = DriveMap::global().nativ(ordner_.temp());
    if (tempNativ_.isEmpty())
        return QString();
    return tempNativ_ + datei.mid(datei.lastIndexOf(QLatin1Char('\\')) + 1);
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
           html(nativ.isEmpty() ? dateiadresse(ordner_.datei(naechste)) : lokaleAdresse(nativ)) +
           QStringLiteral("\" target=\"_blank\"><span style=\"font-family:alrial;color:black;"
                          "text-decoration:none;\">Zur nächsten Steite hier klicken</span>"
                          "</a><br><br><br>");
}

QStringList TErgebnisseite::seitenzeilen(const QString& suchtext, int trefferzahl) const {
    // Each record trimmed, as one line or, holding line breaks, as several.
    QStringList memo;
    memo.reserve(TntRichEdit1.size());
    for (const QString& z : TntRichEdit1) {
        pump_.verarbeiten();
        const QString t = Zeichenkette::trim(z);
        if (t.contains(QLatin1Char('\r')) || t.contains(QLatin1Char('\n')))
            memo += TextFiles::zeilen(t + QStringLiteral("\r\n"));
        else
            memo.append(t);
    }
    const QString s = Zeichenkette::trim(suchtext);
    for (QString& z : memo) {
        pump_.verarbeiten();
        z = zeile(z, s);
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
        QStringLiteral("Datenbankname: \"") + html(Datenbankname) + QStringLiteral("\"<br>") +
            einstellung + QStringLiteral("<br>"),
        QStringLiteral("<br>Suchbegriff: <font color=\"#cc0000\">\"<u>") + html(suchtext) +
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
    const QString nativ = seiteNativ(datei);
    // The pages are throwaway: the next run writes them anew, so no durable save.
    const bool geschrieben =
        WriteToStreamFluechtig(seitenzeilen(suchtext, trefferzahl).join(QStringLiteral("\r\n")),
                               nativ.isEmpty() ? datei : nativ, TextFiles::Utf8);
    if (beschaeftigtEnde)
        beschaeftigtEnde();
    if (!geschrieben) {
        // What part of the page got out would pass for a result.
        QFile::remove(nativ.isEmpty() ? Files::nativ(datei) : nativ);
        Schreibfehler = true;
        notifier_.fehler(QStringLiteral("Die Ergebnisseite ") + datei +
                         QStringLiteral(" kann nicht geschrieben werden."));
        return QString();
    }
    if (Seitenzaehler == 1)
        Seitenzaehler = 0;
    return datei;
}

void TErgebnisseite::ersteSeiteZeigen() {
    browser_.StarteInternetBrowser(
        ordner_.datei(QStringLiteral("Datenbank\\Temp\\kelvora_ergebnis.htm")));
}
