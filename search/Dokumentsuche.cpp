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
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
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

} // namespace

// What every stretch of a search shares; only read while the stretches run.
template <typename Art> struct TDokumentsuche::Suchauftrag {
    const typename Art::Muster& muster;
    const typename Art::Muster& marke;
    const typename Art::Text& text;
    const TTitelTabelle& koepfe;
    bool gross;
    bool ganz;
    bool titelsuche;
    qint64 groesse;
};

// The search of one stretch of the document: the first hit of every file in it, found with
// the block search's rules and the viewer's lines, the file of each looked for on disk.
template <typename Art> class TDokumentsuche::Teilsuche {
public:
    using E = typename Art::Einheit;
    static constexpr qint64 w = Art::breite;

    Teilsuche(const Suchauftrag<Art>& a, TDokumentleser& leser, std::function<bool()> weiter)
        : a_(a), leser_(leser), weiter_(std::move(weiter)), ende_(a.groesse / w * w),
          koepfeStimmen_(!a.koepfe.leer()) {}

    // From anfang to the next header at or after schluss (-1: to the end of the document).
    void laufen(qint64 anfang, qint64 schluss) {
        schluss_ = schluss < 0 ? ende_ : schluss;
        allein_ = schluss < 0 && anfang == 0;
        qint64 treffer = finde(a_.muster, anfang, a_.ganz);
        for (bool erster = true; treffer >= 0; erster = false) {
            if (erster || !a_.titelsuche) {
                if (!aufnehmen(treffer))
                    break;
            }
            if (!weiter_())
                break;
            const qint64 kopf = naechsteDatei(treffer);
            if (kopf < 0)
                break;
            treffer = finde(a_.muster, kopf + w, a_.ganz && !a_.titelsuche);
        }
    }
    bool lesefehler() const { return leser_.Lesefehler(); }

    QList<Fund> funde;
    // The title positions named a header where the document has none.
    bool abweichung = false;

private:
    // The first place at or after ab, and before the end of the stretch, where the pattern
    // stands; with whole words a place at ab counts as free on the left and the end of the
    // document as free on the right.
    qint64 finde(const typename Art::Muster& m, qint64 ab, bool ganz) {
        const qint64 laenge = m.laenge();
        if (laenge == 0 || ab > a_.groesse)
            return -1;
        const qint64 anfang = ab / w * w;
        // Texts longer than a block of the stream search are never found.
        if (anfang > ende_ - w || laenge * w > TStreamSearch::Blockgroesse)
            return -1;
        for (qint64 pos = anfang;;) {
            const qint64 von = ganz && pos > 0 ? pos - w : pos;
            // Enough for one place and its right neighbour; the window gives what it holds.
            if ((ende_ - pos) / w < laenge || pos >= schluss_)
                return -1;
            const qint64 mindestens = std::min(ende_, pos + (laenge + 1) * w);
            qsizetype n = 0;
            const E* s = einheiten_.holen(leser_, von, mindestens, ende_, n);
            if (!s)
                return -1;
            const qint64 bis = von + n * w;
            qsizetype naechste = n - laenge + 1;
            for (qsizetype i = m.finde(s, n, (pos - von) / w); i >= 0; i = m.finde(s, n, i + 1)) {
                const qint64 stelle = von + i * w;
                if (stelle >= schluss_)
                    return -1;
                if (!ganz)
                    return stelle;
                if (i + laenge == n && bis < ende_) {
                    // The right neighbour lies in the next window.
                    naechste = i;
                    break;
                }
                const bool links = stelle == anfang || Mustersuche::istTrenner(s[i - 1]);
                const bool rechts = i + laenge == n || Mustersuche::istTrenner(s[i + laenge]);
                if (links && rechts)
                    return stelle;
            }
            if (bis >= ende_ || !weiter_())
                return -1;
            pos = von + naechste * w;
        }
    }

    // Where the next file's record begins after the hit: the next header of the title
    // positions, as long as it carries the "#" of a header; otherwise, searching the whole
    // document in one piece, the next file marker.
    qint64 naechsteDatei(qint64 treffer) {
        if (koepfeStimmen_) {
            const qint64 kopf = a_.koepfe.naechsterKopf(treffer + w);
            if (kopf < 0 || kopf > ende_ - w || kopf >= schluss_)
                return -1;
            qsizetype n = 0;
            const E* s = einheiten_.holen(leser_, kopf, kopf + w, kopf + w, n);
            if (s && s[0] == u'#')
                return kopf;
            koepfeStimmen_ = false;
            if (!allein_) {
                abweichung = true;
                return -1;
            }
        }
        return finde(a_.marke, treffer + w, false);
    }

    bool aufnehmen(qint64 treffer) {
        const qint64 von = std::max<qint64>(0, treffer - KontextVorher * w);
        const qint64 bis = std::min(ende_, treffer + KontextNachher * w);
        qsizetype n = 0;
        const E* s = einheiten_.holen(leser_, von, bis, bis, n);
        if (!s)
            return false;
        Fund fund;
        fund.gefunden = a_.koepfe.pfad(treffer);
        const Zeilen<Art> zeilen(s, von, a_.groesse);
        if constexpr (w == 2)
            fund.kontext = Ansi::zuByteForm(kontext<Art>(zeilen, treffer, a_.text, a_.gross, true));
        else
            fund.kontext =
                Ansi::nachUnicode(kontext<Art>(zeilen, treffer, a_.text, a_.gross, false));
        fund.kontext = Zeichenkette::trimLinks(fund.kontext);
        fund.pfad = Ansi::ausByteForm(fund.gefunden);
        fund.nativ = alsGeschrieben(fund.pfad);
        funde.append(std::move(fund));
        return true;
    }

    const Suchauftrag<Art>& a_;
    TDokumentleser& leser_;
    std::function<bool()> weiter_;
    Einheiten<Art> einheiten_;
    qint64 ende_;
    qint64 schluss_ = 0;
    bool allein_ = true;
    bool koepfeStimmen_;
};

namespace {

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
    case Modus::Keine:
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

QString TDokumentsuche::alsGeschrieben(const QString& pfad) {
    const QString direkt = DriveMap::global().nativDirekt(pfad);
    return !direkt.isEmpty() && QFileInfo(direkt).isFile() ? direkt : QString();
}

bool TDokumentsuche::existiert(const QString& pfad) {
    QString gefunden = alsGeschrieben(pfad);
    // Not there as written: Windows would find it in another letter case.
    if (gefunden.isEmpty()) {
        const QString nativ = Files::nativ(pfad);
        if (nativ != DriveMap::global().nativDirekt(pfad) && QFileInfo(nativ).isFile())
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
    const TSuchfensterZustand& f = u_.fenster;
    const bool gross = f.GrossKleinBeachten;
    const typename Art::Text text = Art::ausSuchtext(suchtext);
    const typename Art::Muster muster = vorbereiten<Art>(text, gross);
    const typename Art::Muster marke = vorbereiten<Art>(Art::ausSuchtext(f.Dateimarke), gross);
    // A search text that begins with the file marker is taken for the header search after its
    // first hit: later hits are passed over and whole words do not apply to them.
    const bool titelsuche = !f.Dateimarke.isEmpty() && suchtext.startsWith(f.Dateimarke);
    const Suchauftrag<Art> auftrag{
        muster,     marke,           text, pfade_.tabelle(modus), gross, f.NurGanzeWoerter,
        titelsuche, leser_.groesse()};

    QList<QList<Fund>> teile = parallelSuchen(auftrag);
    if (teile.isEmpty()) {
        Teilsuche<Art> ganz(auftrag, leser_, [this] { return umschauen(); });
        ganz.laufen(0, -1);
        teile = {ganz.funde};
        if (leser_.Lesefehler())
            u_.notifier.fehler(f.Dokumentname + QStringLiteral(" kann nicht gelesen werden."),
                               QStringLiteral("Error"));
    }
    for (const QList<Fund>& funde : std::as_const(teile))
        for (const Fund& fund : funde) {
            if (GeladeneVariante == modus && !fund.kontext.isEmpty() && !fund.gefunden.isEmpty())
                VariantenFlag[Dokumentvarianten::index(modus)] = false;
            if (!fund.nativ.isEmpty())
                Nativpfade.insert(fund.pfad, fund.nativ);
            ++Trefferzaehler;
            TrefferListe.append(
                (fund.nativ.isEmpty() ? pfadPruefen(fund.gefunden) : fund.gefunden) +
                QStringLiteral("##text##") + fund.kontext + QStringLiteral("<br>"));
        }
}

template <typename Art>
QList<QList<TDokumentsuche::Fund>> TDokumentsuche::parallelSuchen(const Suchauftrag<Art>& auftrag) {
    // Stretches that begin at a header are searched side by side, each for the first hit of
    // each of its files, when nothing can tie one stretch to the one before: the title
    // positions give the headers, every hit counts, and no hit can begin at a header's "#"
    // or reach across the line break before it.
    using E = typename Art::Einheit;
    constexpr qint64 w = Art::breite;
    const qsizetype teile = std::clamp(QThread::idealThreadCount(), 2, 4);
    if (auftrag.groesse < ParallelAb || auftrag.koepfe.leer() || auftrag.titelsuche ||
        auftrag.text.isEmpty() || Art::wert(auftrag.text.at(0)) == u'#' ||
        auftrag.text.contains('\r') || auftrag.text.contains('\n'))
        return {};
    QList<qint64> grenzen{0};
    Einheiten<Art> einheiten;
    for (qsizetype i = 1; i < teile; ++i) {
        const qint64 kopf = auftrag.koepfe.naechsterKopf(auftrag.groesse / teile * i);
        if (kopf <= grenzen.last() || kopf > auftrag.groesse / w * w - w)
            continue;
        qsizetype n = 0;
        const E* s = einheiten.holen(leser_, kopf - w, kopf + w, kopf + w, n);
        if (s && s[0] == u'\n' && s[1] == u'#')
            grenzen.append(kopf);
    }
    if (grenzen.size() < 2)
        return {};
    grenzen.append(-1);

    // Every stretch reads through a reader of its own, opened on the same file.
    const qsizetype n = grenzen.size() - 1;
    std::vector<std::unique_ptr<TDokumentleser>> leser;
    for (qsizetype i = 1; i < n; ++i) {
        leser.push_back(std::make_unique<TDokumentleser>());
        if (!leser.back()->oeffnen(leser_.dateiname()) ||
            leser.back()->groesse() != leser_.groesse())
            return {};
    }
    std::atomic<bool> halt{false};
    std::vector<std::unique_ptr<Teilsuche<Art>>> suchen;
    suchen.push_back(std::make_unique<Teilsuche<Art>>(auftrag, leser_, [this, &halt] {
        const bool weiter = umschauen();
        if (!weiter)
            halt = true;
        return weiter;
    }));
    for (qsizetype i = 1; i < n; ++i)
        suchen.push_back(std::make_unique<Teilsuche<Art>>(auftrag, *leser[size_t(i - 1)],
                                                          [&halt] { return !halt.load(); }));
    std::mutex sperre;
    std::condition_variable signal;
    qsizetype laufend = n - 1;
    std::vector<std::thread> faeden;
    for (qsizetype i = 1; i < n; ++i)
        faeden.emplace_back([&, i] {
            suchen[size_t(i)]->laufen(grenzen[i], grenzen[i + 1]);
            const std::lock_guard<std::mutex> g(sperre);
            --laufend;
            signal.notify_all();
        });
    suchen[0]->laufen(grenzen[0], grenzen[1]);
    {
        // The window keeps taking its messages while the other stretches finish.
        std::unique_lock<std::mutex> g(sperre);
        while (laufend > 0) {
            signal.wait_for(g, std::chrono::milliseconds(Umschauabstand + 1));
            g.unlock();
            if (!umschauen())
                halt = true;
            g.lock();
        }
    }
    for (std::thread& t : faeden)
        t.join();
    QList<QList<Fund>> out;
    for (const auto& s : suchen) {
        // A header where the title positions say none is: the whole document once more, in
        // one piece, as that case demands.
        if (s->abweichung || s->lesefehler())
            return {};
        out.append(s->funde);
    }
    return out;
}
