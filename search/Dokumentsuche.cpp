#include "search/Dokumentsuche.h"

#include "platform/Ansi.h"
#include "platform/DriveMap.h"
#include "platform/Files.h"
#include "platform/Notifier.h"
#include "platform/Pump.h"
#include "search/Mustersuche.h"
#include "search/StreamSearch.h"
#include "search/Zeichenkette.h"

#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace {

// The viewer's longest line in characters: a line is looked for at most this far each way.
constexpr qint64 Zeilengrenze = 2048;
// Characters around a hit that its context can reach: the line at the hit, then up to two
// more lines found at most 251 characters after it, each looked for at most a line limit
// each way.
constexpr qint64 KontextVorher = Zeilengrenze;
constexpr qint64 KontextNachher = Zeilengrenze + 252;

// The two kinds of document: bytes of 8-bit text and UTF-16 little-endian units, each with
// its kind of text, pattern and lower-case conversion.
struct Bytes {
    using Einheit = unsigned char;
    using Text = QByteArray;
    using Muster = Mustersuche::Bytemuster;
    static constexpr qint64 breite = 1;
    static Text klein(const Text& t) { return Ansi::klein(t); }
    static char16_t wert(char c) { return static_cast<unsigned char>(c); }
    static char16_t falte(char c) { return Ansi::kleinTabelle()[static_cast<unsigned char>(c)]; }
    static Text ausSuchtext(const QString& s) { return Ansi::ausUnicode(s); }
};

struct Wide {
    using Einheit = char16_t;
    using Text = QString;
    using Muster = Mustersuche::Widemuster;
    static constexpr qint64 breite = 2;
    static Text klein(const Text& t) { return Ansi::kleinWide(t); }
    static char16_t wert(QChar c) { return c.unicode(); }
    static char16_t falte(QChar c) { return c.toLower().unicode(); }
    static Text ausSuchtext(const QString& s) { return s; }
};

// The units of a stretch of the document, read through the reader: at least those from von
// to mindestens, and as many more before ende as the reader's window holds (n: how many
// in all).
template <typename Art> class Einheiten;

template <> class Einheiten<Bytes> {
public:
    const unsigned char* holen(TDokumentleser& leser, qint64 von, qint64 mindestens, qint64 ende,
                               qsizetype& n) {
        const unsigned char* b = leser.bereich(von, mindestens);
        n = b ? qsizetype(std::min(ende, leser.fensterEnde()) - von) : 0;
        return b;
    }
};

template <> class Einheiten<Wide> {
public:
    const char16_t* holen(TDokumentleser& leser, qint64 von, qint64 mindestens, qint64 ende,
                          qsizetype& n) {
        const unsigned char* b = leser.bereich(von, mindestens);
        n = b ? qsizetype((std::min(ende, leser.fensterEnde()) - von) / 2) : 0;
        if (!b)
            return nullptr;
        puffer_.resize(size_t(n));
        for (size_t i = 0; i < puffer_.size(); ++i)
            puffer_[i] = char16_t(b[2 * i] | (b[2 * i + 1] << 8));
        return puffer_.data();
    }

private:
    std::vector<char16_t> puffer_;
};

// The text viewer's line rules over a stretch of the document in memory: a line runs from
// the character after the line break before a place to the line break after it, looked
// for at most 2,048 characters each way; a place outside the document reads as 0.
template <typename Art> class Zeilen {
public:
    using E = typename Art::Einheit;
    static constexpr qint64 w = Art::breite;

    Zeilen(const E* daten, qint64 von, qint64 groesse) : d_(daten), von_(von), groesse_(groesse) {}

    // The whole line that holds pos, as the viewer selects it and gives it back.
    typename Art::Text zeileBei(qint64 pos) const {
        pos = std::clamp<qint64>(pos, 0, groesse_);
        const qint64 anfang = aufZeichen(zeilenAnfang(pos));
        const qint64 laenge = std::min(aufZeichen(zeilenEnde(pos) - anfang), groesse_ - anfang + w);
        const qint64 n = std::min(laenge, groesse_ - anfang) / w;
        typename Art::Text out(n, Qt::Uninitialized);
        auto* o = out.data();
        for (qint64 i = 0; i < n; ++i)
            o[i] = typename Art::Text::value_type(einheit(anfang + i * w));
        return out;
    }

private:
    static qint64 aufZeichen(qint64 pos) { return w == 2 ? pos & ~qint64(1) : pos; }
    static bool umbruch(char16_t c) { return c == 13 || c == 10; }
    char16_t einheit(qint64 pos) const { return d_[(pos - von_) / w]; }
    char16_t zeichen(qint64 pos) const { return pos < 0 || pos + w > groesse_ ? 0 : einheit(pos); }
    qint64 zeilenEnde(qint64 pos) const {
        pos = aufZeichen(std::max<qint64>(0, pos));
        for (int n = 0; pos + w <= groesse_ && n < Zeilengrenze && !umbruch(zeichen(pos)); ++n)
            pos += w;
        return pos;
    }
    qint64 zeilenAnfang(qint64 pos) const {
        pos = aufZeichen(std::min(pos, groesse_));
        for (int n = 0; pos > 0 && n < Zeilengrenze && !umbruch(zeichen(pos - w)); ++n)
            pos -= w;
        return std::max<qint64>(0, pos);
    }

    const E* d_;
    qint64 von_;
    qint64 groesse_;
};

// 1-based position of the text, 0 when it is missing; without regard to case both sides are
// compared lower-cased (the text given so already).
template <typename Art>
qsizetype position(const typename Art::Text& in, const typename Art::Text& text,
                   const typename Art::Text& textKlein, bool gross) {
    if (gross)
        return in.indexOf(text) + 1;
    const qsizetype m = textKlein.size();
    if (m == 0)
        return 1;
    for (qsizetype i = 0; i + m <= in.size(); ++i) {
        qsizetype j = 0;
        while (j < m && Art::falte(in[i + j]) == Art::wert(textKlein[j]))
            ++j;
        if (j == m)
            return i + 1;
    }
    return 0;
}

// The line around the hit, widened by the following lines when short, then cut so that the
// hit stands near the start.
template <typename Art>
typename Art::Text kontext(const Zeilen<Art>& zeilen, qint64 start, const typename Art::Text& text,
                           bool gross, bool nurMitText) {
    using Text = typename Art::Text;
    const Text textKlein = gross ? Text() : Art::klein(text);
    Text k = zeilen.zeileBei(start);
    if (nurMitText && position<Art>(k, text, textKlein, gross) == 0)
        k = Text();
    // The "+ 2" steps over the line break; in UTF-16 both it and the line count twice.
    auto anhaengen = [&] {
        const Text zeile = zeilen.zeileBei(start + (qint64(k.size()) + 2) * Art::breite);
        k += ' ';
        k += zeile;
    };
    if (k.size() < 150)
        anhaengen();
    if (k.size() < 250)
        anhaengen();
    // A late hit keeps 40 characters before it, so that it starts at the 41st.
    qsizetype p = position<Art>(k, text, textKlein, gross);
    if (p > 100)
        k.remove(0, p - 41);
    p = position<Art>(k, text, textKlein, gross);
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

TDokumentsuche::TDokumentsuche(const Umgebung& umgebung) : u_(umgebung), pfade_(umgebung.ordner) {}

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

void TDokumentsuche::fensterAktiv(bool an) {
    if (FensterAktiv)
        FensterAktiv(an);
}

bool TDokumentsuche::umschauen() {
    if (uhr_.elapsed() >= Umschauabstand) {
        fensterAktiv(true);
        u_.pump.verarbeiten();
        fensterAktiv(false);
        uhr_.start();
    }
    return Gefunden;
}

bool TDokumentsuche::existiert(const QString& pfad) {
    const QString direkt = DriveMap::global().nativDirekt(pfad);
    if (direkt.isEmpty())
        return false;
    const QFileInfo info(direkt);
    QString gefunden = info.isFile() ? direkt : QString();
    // Not there as written: Windows would find it in another letter case.
    if (gefunden.isEmpty() && !info.exists()) {
        const QString nativ = Files::nativ(pfad);
        if (nativ != direkt && QFileInfo(nativ).isFile())
            gefunden = nativ;
    }
    if (gefunden.isEmpty())
        return false;
    Nativpfade.insert(pfad, gefunden);
    return true;
}

QString TDokumentsuche::pfadPruefen(const QString& pfad) {
    // A repair that gives the path already tried needs no second look at the disk.
    QString versucht;
    auto da = [this, &versucht](const QString& p) {
        if (p == versucht)
            return false;
        versucht = p;
        return existiert(Ansi::ausByteForm(p));
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

void TDokumentsuche::durchsuche(Modus modus, const QString& dokument) {
    TSuchfensterZustand& f = u_.fenster;
    f.Dokumentname = dokument;
    f.SucheLaeuft = true;
    f.TntMemo1.clear();
    f.NaechsterSuchtext.clear();
    Gefunden = false;
    const QString nativ = Files::nativ(dokument);
    if (nativ.isEmpty() || !leser_.oeffnen(nativ)) {
        u_.notifier.fehler(dokument + QStringLiteral(" kann nicht geöffnet werden."),
                           QStringLiteral("Error"));
        return;
    }
    Gefunden = true;
    uhr_.start();
    fensterAktiv(false);
    if (modus == Modus::Unicode)
        durchsucheMit<Wide>(modus, suchtext(modus));
    else
        durchsucheMit<Bytes>(modus, suchtext(modus));
    fensterAktiv(true);
    leser_.schliessen();
    Gefunden = false;
}

template <typename Art>
typename Art::Muster TDokumentsuche::vorbereiten(const typename Art::Text& text, bool gross) {
    if constexpr (Art::breite == 2) {
        return typename Art::Muster(text, gross);
    } else {
        // A probe of four stretches spread over the document.
        constexpr qint64 Stueck = 16384;
        QByteArray probe;
        const qint64 groesse = leser_.groesse();
        for (int i = 0; i < 4; ++i) {
            const qint64 von = groesse / 4 * i;
            const qint64 bis = std::min(groesse, von + Stueck);
            if (const unsigned char* s = von < bis ? leser_.bereich(von, bis) : nullptr)
                probe.append(reinterpret_cast<const char*>(s), bis - von);
        }
        return typename Art::Muster(text, gross, &probe);
    }
}

template <typename Art> void TDokumentsuche::durchsucheMit(Modus modus, const QString& suchtext) {
    using E = typename Art::Einheit;
    constexpr qint64 w = Art::breite;
    const TSuchfensterZustand& f = u_.fenster;
    const bool gross = f.GrossKleinBeachten;
    const typename Art::Text text = Art::ausSuchtext(suchtext);
    const typename Art::Muster muster = vorbereiten<Art>(text, gross);
    const typename Art::Muster marke = vorbereiten<Art>(Art::ausSuchtext(f.Dateimarke), gross);
    // A search text that begins with the file marker is taken for the header search after
    // its first hit: later hits are passed over and whole words do not apply to them.
    const bool titelsuche = !f.Dateimarke.isEmpty() && suchtext.startsWith(f.Dateimarke);
    const TTitelTabelle& koepfe = pfade_.tabelle(modus);
    bool koepfeStimmen = !koepfe.leer();
    const qint64 groesse = leser_.groesse();
    const qint64 ende = groesse / w * w;
    Einheiten<Art> einheiten;

    // The first place at or after ab where the pattern stands; with whole words a place at
    // ab counts as free on the left and the end of the document as free on the right.
    auto finde = [&](const typename Art::Muster& m, qint64 ab, bool ganz) -> qint64 {
        const qint64 laenge = m.laenge();
        if (laenge == 0 || ab > groesse)
            return -1;
        const qint64 anfang = ab / w * w;
        // Texts longer than a block of the stream search are never found.
        if (anfang > ende - w || laenge * w > TStreamSearch::Blockgroesse)
            return -1;
        for (qint64 pos = anfang;;) {
            const qint64 von = ganz && pos > 0 ? pos - w : pos;
            // Enough for one place and its right neighbour; the window gives what it holds.
            if ((ende - pos) / w < laenge)
                return -1;
            const qint64 mindestens = std::min(ende, pos + (laenge + 1) * w);
            qsizetype n = 0;
            const E* s = einheiten.holen(leser_, von, mindestens, ende, n);
            if (!s)
                return -1;
            const qint64 bis = von + n * w;
            qsizetype naechste = n - laenge + 1;
            for (qsizetype i = m.finde(s, n, (pos - von) / w); i >= 0; i = m.finde(s, n, i + 1)) {
                const qint64 stelle = von + i * w;
                if (!ganz)
                    return stelle;
                if (i + laenge == n && bis < ende) {
                    // The right neighbour lies in the next window.
                    naechste = i;
                    break;
                }
                const bool links = stelle == anfang || Mustersuche::istTrenner(s[i - 1]);
                const bool rechts = i + laenge == n || Mustersuche::istTrenner(s[i + laenge]);
                if (links && rechts)
                    return stelle;
            }
            if (bis >= ende || !umschauen())
                return -1;
            pos = von + naechste * w;
        }
    };
    // Where the next file's record begins after the hit: the next header of the title
    // positions, as long as it carries the "#" of a header; otherwise the next file marker.
    auto naechsteDatei = [&](qint64 treffer) -> qint64 {
        if (koepfeStimmen) {
            const qint64 kopf = koepfe.naechsterKopf(treffer + w);
            if (kopf < 0 || kopf > ende - w)
                return -1;
            qsizetype n = 0;
            const E* s = einheiten.holen(leser_, kopf, kopf + w, kopf + w, n);
            if (s && s[0] == u'#')
                return kopf;
            koepfeStimmen = false;
        }
        return finde(marke, treffer + w, false);
    };

    const bool ganz = f.NurGanzeWoerter;
    qint64 treffer = finde(muster, 0, ganz);
    for (bool erster = true; treffer >= 0 && Gefunden; erster = false) {
        if (erster || !titelsuche) {
            const qint64 von = std::max<qint64>(0, treffer - KontextVorher * w);
            const qint64 bis = std::min(ende, treffer + KontextNachher * w);
            qsizetype n = 0;
            const E* s = einheiten.holen(leser_, von, bis, bis, n);
            if (!s)
                break;
            const QString gefunden = pfade_.aufloesen(modus, treffer);
            QString k;
            if constexpr (w == 2)
                k = Ansi::zuByteForm(
                    kontext<Art>(Zeilen<Art>(s, von, groesse), treffer, text, gross, true));
            else
                k = Ansi::nachUnicode(
                    kontext<Art>(Zeilen<Art>(s, von, groesse), treffer, text, gross, false));
            k = Zeichenkette::trimLinks(k);
            if (GeladeneVariante == modus && !k.isEmpty() && !gefunden.isEmpty())
                VariantenFlag[modus] = false;
            ++Trefferzaehler;
            TrefferListe.append(pfadPruefen(gefunden) + QStringLiteral("##text##") + k +
                                QStringLiteral("<br>"));
        }
        if (!umschauen())
            break;
        const qint64 kopf = naechsteDatei(treffer);
        if (kopf < 0)
            break;
        treffer = finde(muster, kopf + w, ganz && !titelsuche);
    }
    if (leser_.Lesefehler())
        u_.notifier.fehler(f.Dokumentname + QStringLiteral(" kann nicht gelesen werden."),
                           QStringLiteral("Error"));
}
