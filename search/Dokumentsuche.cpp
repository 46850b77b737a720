#include "search/Dokumentsuche.h"

#include "platform/Ansi.h"
#include "platform/Files.h"
#include "platform/Notifier.h"
#include "platform/Pump.h"
#include "search/StreamSearch.h"
#include "search/Zeichenkette.h"
#include "viewer/ViewerDokument.h"

namespace {

// The two kinds of context: bytes of the 8-bit modes and UTF-16 text of the Unicode mode,
// each with its own lower-case conversion.
struct Bytes {
    using Text = QByteArray;
    static Text zeile(const TViewerDokument& v) { return v.SelTextAnsi(); }
    static Text klein(const Text& t) { return Ansi::klein(t); }
};

struct Wide {
    using Text = QString;
    static Text zeile(const TViewerDokument& v) { return v.SelTextW(); }
    static Text klein(const Text& t) { return Ansi::kleinWide(t); }
};

// 1-based position of the text, 0 when it is missing.
template <typename Art>
qsizetype position(const typename Art::Text& in, const typename Art::Text& text, bool gross) {
    if (gross)
        return in.indexOf(text) + 1;
    return Art::klein(in).indexOf(Art::klein(text)) + 1;
}

// The line around the hit, widened by the following lines when short, then cut so that the
// hit stands near the start.
template <typename Art>
typename Art::Text kontext(TViewerDokument& viewer, qint64 start, qint64 laenge,
                           const typename Art::Text& text, bool gross, bool nurMitText) {
    using Text = typename Art::Text;
    viewer.SetSelection(start, laenge);
    viewer.SelectLineAtPos(start);
    Text k = Art::zeile(viewer);
    if (nurMitText && position<Art>(k, text, gross) == 0)
        k = Text();
    // The "+ 2" steps over the line break; in UTF-16 both it and the line count twice.
    const int breite = viewer.CharSize();
    auto anhaengen = [&] {
        viewer.SelectLineAtPos(start + (qint64(k.size()) + 2) * breite);
        k += ' ';
        k += Art::zeile(viewer);
    };
    if (k.size() < 150)
        anhaengen();
    if (k.size() < 250)
        anhaengen();
    // A late hit keeps 40 characters before it, so that it starts at the 41st.
    qsizetype p = position<Art>(k, text, gross);
    if (p > 100)
        k.remove(0, p - 41);
    p = position<Art>(k, text, gross);
    if (k.size() > 350 && p < 350 - text.size())
        k.truncate(349);
    p = k.indexOf(text) + 1;
    if (k.size() > 800) {
        if (p - 150 > 0)
            k.remove(0, p - 150);
        k.truncate(400);
    }
    return k;
}

bool enthaeltUmlaut(const QString& s) {
    for (const QChar c : s)
        if (QStringLiteral("äÄöÖüÜß").contains(c))
            return true;
    return false;
}

} // namespace

TDokumentsuche::TDokumentsuche(const Umgebung& umgebung)
    : u_(umgebung), pfade_(umgebung.ordner, umgebung.pump) {}

void TDokumentsuche::setDatenbank(const QString& name) {
    pfade_.setDatenbank(name);
}

QString TDokumentsuche::suchtext(Modus modus) const {
    const QString& t = u_.fenster.TntEdit2;
    switch (modus) {
    case Modus::Ansi:
        return enthaeltUmlaut(t) ? Ansi::nachUnicode(Ansi::ausUnicode(t)) : Ansi::zuByteForm(t);
    case Modus::Utf8:
        return Ansi::zuByteForm(t);
    case Modus::Unicode:
        break;
    }
    return t;
}

bool TDokumentsuche::finde(Modus modus, bool erster) {
    TSuchfensterZustand& f = u_.fenster;
    const QString text = suchtext(modus);
    bool treffer = false;
    if (FensterAktiv)
        FensterAktiv(false);
    if (erster) {
        const QString nativ = Files::nativ(f.Dokumentname);
        if (nativ.isEmpty() || !u_.Search.setFileName(nativ)) {
            if (FensterAktiv)
                FensterAktiv(true);
            u_.notifier.fehler(f.Dokumentname + QStringLiteral(" kann nicht geöffnet werden."),
                               QStringLiteral("Error"));
            Gefunden = false;
            return false;
        }
        quint8 kodierung = 0;
        if (modus == Modus::Unicode && f.chkUnicode)
            kodierung = f.chkUnicodeBE ? 72 : 71;
        quint8 optionen = 0;
        if (f.GrossKleinBeachten)
            optionen |= TStreamSearch::GrossKlein;
        if (f.NurGanzeWoerter)
            optionen |= TStreamSearch::GanzeWoerter;
        treffer = u_.Search.FindFirst(text, kodierung, optionen, 0);
    } else {
        treffer = u_.Search.FindNext(false, f);
    }
    if (FensterAktiv)
        FensterAktiv(true);
    Gefunden = treffer;
    if (!treffer)
        return false;
    u_.Viewer2.SetSelection(u_.Search.FoundStart(), u_.Search.FoundLength());
    const bool titelsuche = !f.Dateimarke.isEmpty() && f.NaechsterSuchtext.startsWith(f.Dateimarke);
    if (!titelsuche)
        trefferAufnehmen(modus);
    return true;
}

QString TDokumentsuche::pfadFuer(Modus modus, qint64 treffer) {
    QString pfad;
    switch (modus) {
    case Modus::Ansi:
        pfade_.GetPfadAnsi(pfad, treffer);
        break;
    case Modus::Utf8:
        pfade_.GetPfadUtf8(pfad, treffer);
        break;
    case Modus::Unicode:
        pfade_.GetPfadUnicode(pfad, treffer);
        break;
    }
    return pfad;
}

QString TDokumentsuche::pfadPruefen(const QString& pfad) const {
    // A repair that gives the path already tried needs no second look at the disk.
    QString versucht;
    auto da = [&versucht](const QString& p) {
        if (p == versucht)
            return false;
        versucht = p;
        return Files::existiert(Ansi::ausByteForm(p));
    };
    if (da(pfad))
        return pfad;
    QString p = pfad;
    if (p.isEmpty())
        p = Ersatzlaufwerk;
    else
        p.replace(0, 1, Ersatzlaufwerk);
    if (da(p))
        return p;
    const QString verlegt = p;
    const qsizetype wurzel = p.indexOf(QStringLiteral(":\\"));
    if (wurzel >= 0)
        p.remove(0, wurzel + 2);
    // The rest is in byte form, so the program folder joins it in byte form too.
    p.prepend(Ansi::zuByteForm(u_.ordner.pfad()));
    if (da(p))
        return p;
    return QStringLiteral("Existiert nicht! ") + verlegt;
}

void TDokumentsuche::trefferAufnehmen(Modus modus) {
    const TSuchfensterZustand& f = u_.fenster;
    const qint64 start = u_.Search.FoundStart();
    const qint64 laenge = u_.Search.FoundLength();
    const QString gefunden = pfadFuer(modus, start);
    QString k;
    if (modus == Modus::Unicode) {
        k = Ansi::zuByteForm(
            kontext<Wide>(u_.Viewer2, start, laenge, suchtext(modus), f.GrossKleinBeachten, true));
    } else {
        k = Ansi::nachUnicode(kontext<Bytes>(u_.Viewer2, start, laenge,
                                             Ansi::ausUnicode(suchtext(modus)),
                                             f.GrossKleinBeachten, false));
    }
    k = Zeichenkette::trimLinks(k);
    if (GeladeneVariante == modus && !k.isEmpty() && !gefunden.isEmpty())
        VariantenFlag[modus] = false;
    ++Trefferzaehler;
    TrefferListe.append(pfadPruefen(gefunden) + QStringLiteral("##text##") + k +
                        QStringLiteral("<br>"));
}

void TDokumentsuche::durchsuche(Modus modus, const QString& dokument) {
    TSuchfensterZustand& f = u_.fenster;
    f.Dokumentname = dokument;
    u_.Viewer2.Open(Files::nativ(dokument));
    f.SucheLaeuft = true;
    f.TntMemo1.clear();
    // Left over from a previous variant the marker would keep the first hit unrecorded.
    f.NaechsterSuchtext.clear();
    finde(modus, true);
    while (Gefunden) {
        f.TntMemo1.clear();
        f.NaechsterSuchtext = f.Dateimarke;
        finde(modus, false);
        if (!Gefunden)
            break;
        u_.Viewer2.SetPosition(u_.Search.FoundStart());
        f.NaechsterSuchtext = suchtext(modus);
        finde(modus, false);
    }
}
