#include "search/Suchlauf.h"

#include "datenbank/Datenbankwechsel.h"
#include "platform/Ansi.h"
#include "platform/Files.h"
#include "platform/Notifier.h"
#include "platform/TextFiles.h"
#include "search/StreamSearch.h"
#include "search/Zeichenkette.h"

#include <QFile>
#include <QRegularExpression>

TSuchlauf::TSuchlauf(const Umgebung& umgebung)
    : u_(umgebung),
      browser_(umgebung.dienste.einstellungen, umgebung.dienste.shell, umgebung.dienste.notifier),
      seite_(umgebung.ordner, browser_, umgebung.dienste.notifier, umgebung.dienste.pump),
      suche_(
          {umgebung.ordner, umgebung.dienste.notifier, umgebung.dienste.pump, umgebung.fenster}) {}

QString TSuchlauf::datenbankordner(const Programmordner& ordner, const QString& name) {
    QString dat = ordner.datenbank(name + QStringLiteral(".dat"));
    if (!Files::existiert(dat)) {
        for (char16_t l = u'A'; l <= u'Z'; ++l) {
            QString versuch = dat;
            versuch[0] = QChar(l);
            if (Files::existiert(versuch)) {
                dat = versuch;
                break;
            }
        }
    }
    QByteArray kopf = Files::lesen(dat);
    for (qsizetype i = 0; i < kopf.size(); ++i)
        if (kopf.at(i) == '\r' || kopf.at(i) == '\n') {
            kopf.truncate(i);
            break;
        }
    const QByteArray marke = "PFAD_UND_ENDUNGEN=";
    const qsizetype m = kopf.indexOf(marke);
    if (m >= 0)
        kopf.remove(0, m + marke.size());
    return Zeichenkette::trim(Ansi::utf8Tolerant(kopf));
}

QString TSuchlauf::zwischenablagetext(const QString& suchtext, bool phrase, bool dateiGeoeffnet) {
    if (phrase)
        return Zeichenkette::trim(suchtext);
    QString t = suchtext;
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    if (blank > 0)
        t.truncate(blank);
    t = Zeichenkette::trim(t);
    if (dateiGeoeffnet && t.startsWith(QLatin1Char('#')))
        t.remove(0, 1);
    return t;
}

bool TSuchlauf::istErgebnisseite(const QString& name) {
    static const QRegularExpression muster(QStringLiteral("^Kelvora_Ergebnis\\d*\\.htm$"));
    return muster.match(name).hasMatch();
}

void TSuchlauf::alteSeitenLoeschen(const QStringList& alteSeiten) const {
    for (const QString& name : alteSeiten) {
        const QString datei = u_.ordner.temp(name);
        // Whatever stands under a page's name goes, a link as well as a file.
        if (!seiten_.contains(datei))
            QFile::remove(Files::nativ(datei));
    }
}

void TSuchlauf::melde(const QString& text) {
    if (status)
        status(text);
}

void TSuchlauf::abbrechen() {
    abgebrochen_ = true;
    suche_.Gefunden = false;
}

bool TSuchlauf::OKBtnClick() {
    TSuchfensterZustand& f = u_.fenster;
    suche_.TrefferListe.clear();
    suche_.Nativpfade.clear();
    seiten_.clear();
    fehlgeschlagen_ = false;
    seite_.Schreibfehler = false;
    const QString suchtext = Zeichenkette::trim(f.TntEdit2);
    if (suchtext.size() == 1) {
        u_.dienste.notifier.information(einZeichenMeldung());
        return false;
    }
    // Nothing to search: the main window reports the empty text, no page is written.
    if (suchtext.isEmpty())
        return false;

    // The result pages of the last run stay until this run has written its own: writing over
    // a file costs the file system far less than deleting it and creating it anew. Those not
    // written over go at the end.
    const QStringList alteSeiten = u_.ordner.tempLeeren(istErgebnisseite);
    // No index run replaces the database while its document and title positions are read.
    const Dateisperre lesend = Datenbankwechsel(u_.ordner, Datenbankname).lesen(u_.dienste.pump);
    f.NaechsterSuchtext.clear();
    const QString ordner = datenbankordner(u_.ordner, Datenbankname);
    suche_.Ersatzlaufwerk = ordner.left(1);
    f.Dateimarke = QLatin1Char('#') + ordner.left(1) + QStringLiteral(":\\");

    melde(QStringLiteral("Suche läuft..."));
    nichtsGefunden_ = true;
    f.SucheLaeuft = true;
    seite_.Seitenzaehler = 1;
    seite_.TntRichEdit1.clear();
    suche_.Trefferzaehler = 0;
    suche_.setDatenbank(Datenbankname);
    suche_.pfadaufloesung().neuerLauf();
    suche_.GeladeneVariante = GeladeneVariante;
    suche_.VariantenFlag.fill(true);
    suche_.FensterAktiv = fensterAktiv;

    for (Dokumentvariante v : Dokumentvarianten::alle) {
        const QString datei = u_.ordner.datenbank(Datenbankname + Dokumentvarianten::dokument(v));
        if (abgebrochen_ || !Files::existiert(datei))
            continue;
        suche_.VariantenFlag[Dokumentvarianten::index(v)] = true;
        if (v == Dokumentvariante::Utf8) {
            f.chkUnicode = false;
            f.chkUnicodeBE = false;
        } else if (v == Dokumentvariante::Unicode) {
            f.chkUnicode = true;
            f.chkUnicodeBE = false;
        }
        switch (v) {
        case Dokumentvariante::Ansi:
            suche_.SucheImAnsiDokument(datei);
            break;
        case Dokumentvariante::Utf8:
            suche_.SucheImUtf8Dokument(datei);
            break;
        default:
            suche_.SucheImUnicodeDokument(datei);
            break;
        }
    }
    if (abgebrochen_) {
        alteSeitenLoeschen(alteSeiten);
        f.SucheLaeuft = false;
        return false;
    }

    seitenSchreiben(f.TntEdit2);
    if (seite_.Schreibfehler) {
        // A run whose pages are not all there failed: none of them is left to be taken for
        // its result, and the browser stays shut.
        fehlgeschlagen_ = true;
        for (const QString& datei : std::as_const(seiten_))
            Files::loeschen(datei);
        seiten_.clear();
        alteSeitenLoeschen(alteSeiten);
        f.SucheLaeuft = false;
        return false;
    }
    alteSeitenLoeschen(alteSeiten);
    if (!seiten_.isEmpty())
        seite_.ersteSeiteZeigen();
    f.SucheLaeuft = false;
    if (f.TntEdit2.endsWith(QChar(0xFFFD)))
        f.TntEdit2.chop(1);
    if (SuchtextInClipbrd && zwischenablage)
        zwischenablage(zwischenablagetext(f.TntEdit2, PhraseCheckBox, DateiGeoeffnet));
    return true;
}

void TSuchlauf::seiteSchreiben(const QString& suchtext, qsizetype von, qsizetype bis, bool weitere,
                               int trefferzahl) {
    TSuchfensterZustand& f = u_.fenster;
    seite_.TntRichEdit1.clear();
    for (qsizetype i = von; i < bis; ++i) {
        // Through the hidden memo, as the result list is filled in the window: line breaks
        // come back as CR LF.
        const QString satz = Ansi::ausByteForm(suche_.TrefferListe.at(i));
        f.TntMemo1 = TextFiles::zeilen(satz);
        seite_.TntRichEdit1.append(
            f.TntMemo1.size() == 1 ? f.TntMemo1.first() : f.TntMemo1.join(QStringLiteral("\r\n")));
    }
    seite_.WeitereSeiten = weitere;
    const QString datei = seite_.SchreibHTMLDocNeu(suchtext, trefferzahl);
    if (!datei.isEmpty())
        seiten_.append(datei);
    seite_.Seitenzaehler = seite_.Seitenzaehler == 0 ? 2 : seite_.Seitenzaehler + 1;
}

void TSuchlauf::seitenSchreiben(const QString& suchtext) {
    seite_.GrossKleinBeachten = u_.fenster.GrossKleinBeachten;
    seite_.NurGanzeWoerterCheckBox = u_.fenster.NurGanzeWoerter;
    seite_.DateiGeoeffnet = DateiGeoeffnet;
    seite_.Datenbankname = Datenbankname;
    seite_.beschaeftigtEnde = beschaeftigtEnde;
    seite_.Nativpfade = suche_.Nativpfade;

    const qsizetype anzahl = suche_.TrefferListe.size();
    const qsizetype volle = anzahl / TrefferProSeite;
    const qsizetype rest = anzahl % TrefferProSeite;
    for (qsizetype k = 0; k < volle && !seite_.Schreibfehler; ++k)
        seiteSchreiben(suchtext, k * TrefferProSeite, (k + 1) * TrefferProSeite,
                       k + 1 < volle || rest > 0, seite_.Seitenzaehler * TrefferProSeite);
    if (rest > 0 && !seite_.Schreibfehler)
        seiteSchreiben(suchtext, volle * TrefferProSeite, anzahl, false,
                       int(seite_.Seitenzaehler * TrefferProSeite - (TrefferProSeite - rest)));
    if (anzahl > 0) {
        nichtsGefunden_ = false;
    } else {
        seite_.TntRichEdit1.clear();
        seite_.WeitereSeiten = false;
        const QString datei = seite_.SchreibHTMLDocNeu(suchtext, 0);
        if (!datei.isEmpty())
            seiten_.append(datei);
    }
}
