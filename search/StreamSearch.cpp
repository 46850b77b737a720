#include "search/StreamSearch.h"

#include "platform/Ansi.h"
#include "search/Mustersuche.h"

#include <QFile>

#include <cstring>
#include <limits>

namespace {

// Where a candidate stands in the block loop decides how a missing neighbour counts.
struct Blocklage {
    bool erster;  // first block: the near end borders the searched range
    bool letzter; // last block: the far end borders the stream
    bool rueckwaerts;
};

// Judges the neighbours of the candidate at i (length len) in a block of n units; a
// neighbour outside the block counts as a delimiter only where the loop cannot judge
// the candidate in another block.
template <typename Einheit>
bool ganzesWort(const Einheit* s, qsizetype n, qsizetype i, qsizetype len, const Blocklage& l) {
    const bool amAnfang = i == 0;
    const bool amEnde = i + len == n;
    if (amAnfang) {
        const bool frei = l.rueckwaerts ? l.letzter : l.erster;
        if (!frei)
            return false;
    } else if (!Mustersuche::istTrenner(static_cast<char16_t>(s[i - 1]))) {
        return false;
    }
    if (amEnde) {
        const bool frei = l.rueckwaerts ? l.erster : l.letzter;
        if (!frei)
            return false;
    } else if (!Mustersuche::istTrenner(static_cast<char16_t>(s[i + len]))) {
        return false;
    }
    return true;
}

// The first (forward) or last (backward) place in the block where the text stands and,
// with whole words, its neighbours allow it.
template <typename Einheit, typename Muster>
qsizetype sucheImBlock(const Einheit* s, qsizetype n, const Muster& muster, bool ganz,
                       const Blocklage& lage) {
    const qsizetype m = muster.laenge();
    if (m == 0 || m > n)
        return -1;
    if (!lage.rueckwaerts) {
        for (qsizetype i = muster.finde(s, n, 0); i >= 0; i = muster.finde(s, n, i + 1))
            if (!ganz || ganzesWort(s, n, i, m, lage))
                return i;
        return -1;
    }
    for (qsizetype i = muster.findeRueckwaerts(s, n, n - m); i >= 0;
         i = muster.findeRueckwaerts(s, n, i - 1))
        if (!ganz || ganzesWort(s, n, i, m, lage))
            return i;
    return -1;
}

} // namespace

TStreamSearch::TStreamSearch(QObject* parent) : QObject(parent) {}

TStreamSearch::~TStreamSearch() {
    schliesse();
}

int TStreamSearch::Zeichenbreite(quint8 encoding) {
    return encoding == 71 || encoding == 72 ? 2 : 1;
}

void TStreamSearch::schliesse() {
    if (m_eigenerStream) {
        m_eigenerStream->close();
        m_eigenerStream.reset();
        m_stream = nullptr;
    }
}

void TStreamSearch::setzeZurueck() {
    m_text.clear();
    m_encoding = 0;
    m_options = 0;
}

bool TStreamSearch::setFileName(const QString& name) {
    schliesse();
    m_stream = nullptr;
    m_fehler.clear();
    if (name.isEmpty())
        return true;
    setzeZurueck();
    m_dateiname = name;
    auto datei = std::make_unique<QFile>(name);
    if (!datei->open(QIODevice::ReadOnly)) {
        m_fehler = datei->errorString();
        return false;
    }
    m_stream = datei.get();
    m_eigenerStream = std::move(datei);
    return true;
}

void TStreamSearch::setStream(QIODevice* stream) {
    schliesse();
    setzeZurueck();
    m_dateiname.clear();
    m_stream = stream;
}

bool TStreamSearch::FindFirst(const QString& text, quint8 encoding, quint8 options, qint64 start) {
    m_text = text;
    m_encoding = encoding;
    m_options = options;
    if ((options & Rueckwaerts) && start == 0)
        start = std::numeric_limits<qint64>::max();
    return suche(start, options);
}

bool TStreamSearch::FindNext(bool backward, const TSuchfensterZustand& fenster) {
    if (fenster.SucheLaeuft)
        m_text = fenster.NaechsterSuchtext;
    quint8 options = 0;
    if (fenster.GrossKleinBeachten)
        options |= GrossKlein;
    const bool titelSuche =
        !fenster.Dateimarke.isEmpty() && fenster.NaechsterSuchtext.startsWith(fenster.Dateimarke);
    if (fenster.NurGanzeWoerter && !titelSuche)
        options |= GanzeWoerter;
    if (backward)
        options |= Rueckwaerts;
    const int breite = Zeichenbreite(m_encoding);
    // Forward: one character past the last hit, so that overlapping hits are found.
    // Backward: the block reaches one character past the start, so the start must lie two
    // characters before the last hit's end to leave that hit out.
    qint64 start = backward ? m_foundStart + (m_text.size() - 2) * breite : m_foundStart + breite;
    if (m_foundStart < 0)
        start = backward ? std::numeric_limits<qint64>::max() : 0;
    return suche(start, options);
}

bool TStreamSearch::suche(qint64 start, quint8 options) {
    m_foundStart = -1;
    m_foundLength = 0;
    if (!m_stream || m_text.isEmpty())
        return false;
    const bool rueckwaerts = options & Rueckwaerts;
    const bool klein = !(options & GrossKlein);
    const bool ganz = options & GanzeWoerter;
    m_breite = Zeichenbreite(m_encoding);
    const qint64 w = m_breite;
    m_suchStart = start;
    m_streamGroesse = m_stream->size();
    if (!rueckwaerts && start > m_streamGroesse)
        return false;

    // Width 1 compares 1252 bytes, width 2 UTF-16 units, each with its own folding.
    Mustersuche::Bytemuster musterA;
    Mustersuche::Widemuster musterW;
    qsizetype textLaenge;
    if (w == 1) {
        musterA = Mustersuche::Bytemuster(Ansi::ausUnicode(m_text), !klein);
        textLaenge = musterA.laenge();
    } else {
        musterW = Mustersuche::Widemuster(m_text, !klein);
        textLaenge = musterW.laenge();
    }
    const qint64 vorschub = Blockgroesse - (textLaenge + 1) * w;
    if (textLaenge * w > Blockgroesse)
        return false;

    const qint64 letzteGueltige = std::max<qint64>(0, m_streamGroesse / w * w - w);
    qint64 pos = start >= 0 ? start / w * w : -((-start + w - 1) / w * w);
    if (pos > letzteGueltige) {
        if (!rueckwaerts)
            return false;
        pos = letzteGueltige;
    }
    if (pos < 0) {
        if (rueckwaerts)
            return false;
        pos = 0;
    }
    bool weiter = true;
    if (OnProgress) {
        OnProgress(pos, m_streamGroesse, weiter);
        if (!weiter)
            return false;
    }

    m_puffer.resize(Blockgroesse);
    bool erster = true;
    QString wide;
    for (;;) {
        qint64 blockStart;
        qint64 laenge;
        if (!rueckwaerts) {
            blockStart = pos;
            laenge = Blockgroesse;
        } else {
            blockStart = std::max<qint64>(0, pos - (Blockgroesse - w));
            laenge = std::min<qint64>(Blockgroesse, pos + w - blockStart);
        }
        qint64 n = 0;
        if (m_stream->seek(blockStart))
            n = std::max<qint64>(0, m_stream->read(m_puffer.data(), laenge));
        // Only the part the read left is cleared: the same buffer as one zeroed first.
        std::memset(m_puffer.data() + n, 0, static_cast<size_t>(Blockgroesse - n));
        const Blocklage lage{erster, n < Blockgroesse, rueckwaerts};
        qsizetype treffer;
        if (w == 1) {
            treffer = sucheImBlock(reinterpret_cast<const unsigned char*>(m_puffer.constData()), n,
                                   musterA, ganz, lage);
        } else {
            const qsizetype einheiten = n / 2;
            wide.resize(einheiten);
            char16_t* d = reinterpret_cast<char16_t*>(wide.data());
            const auto* b = reinterpret_cast<const unsigned char*>(m_puffer.constData());
            for (qsizetype i = 0; i < einheiten; ++i)
                d[i] = m_encoding == 72 ? char16_t((b[2 * i] << 8) | b[2 * i + 1])
                                        : char16_t(b[2 * i] | (b[2 * i + 1] << 8));
            treffer = sucheImBlock(static_cast<const char16_t*>(d), einheiten, musterW, ganz, lage);
        }
        if (treffer >= 0) {
            m_foundStart = blockStart + treffer * w;
            m_foundLength = textLaenge * w;
            return true;
        }
        if (OnProgress) {
            OnProgress(pos, m_streamGroesse, weiter);
            if (!weiter)
                return false;
        }
        if (n < Blockgroesse || vorschub <= 0)
            return false;
        const qint64 schritt = n - (textLaenge + 1) * w;
        pos = rueckwaerts ? pos - schritt : pos + schritt;
        pos = pos >= 0 ? pos / w * w : -((-pos + w - 1) / w * w);
        if (pos < 0 || pos > letzteGueltige)
            return false;
        erster = false;
    }
}
