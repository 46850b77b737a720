#include "search/StreamSearch.h"

#include "platform/Ansi.h"
#include "tests/common/TestUmgebung.h"

#include <QBuffer>

namespace {

// A searcher over bytes held in memory.
struct Puffer {
    explicit Puffer(const QByteArray& inhalt) : daten(inhalt), buffer(&daten) {
        buffer.open(QIODevice::ReadOnly);
        suche.setStream(&buffer);
    }
    qint64 finde(const QString& text, quint8 optionen = 0, qint64 start = 0, quint8 kodierung = 0) {
        return suche.FindFirst(text, kodierung, optionen, start) ? suche.FoundStart() : -1;
    }
    QByteArray daten;
    QBuffer buffer;
    TStreamSearch suche;
};

constexpr quint8 Ganz = TStreamSearch::GanzeWoerter;

} // namespace

TEST(StreamSearch, TrefferUeberDerBlockgrenze) {
    QByteArray d(200000, 'x');
    d.replace(65533, 6, "Grenze");
    Puffer p(d);
    EXPECT_EQ(p.finde("grenze"), 65533);
    EXPECT_EQ(p.suche.FoundLength(), 6);
    // The same hit seen from behind.
    EXPECT_EQ(p.finde("Grenze", TStreamSearch::Rueckwaerts | TStreamSearch::GrossKlein), 65533);
    // Whole word across the border: delimiters on both sides.
    d.replace(65532, 1, " ");
    d.replace(65539, 1, ".");
    Puffer q(d);
    EXPECT_EQ(q.finde("Grenze", Ganz), 65533);
    EXPECT_EQ(q.finde("Grenze", Ganz | TStreamSearch::Rueckwaerts), 65533);
}

// Single searches in 8-bit text beside the comparison with every place below: case in 1252
// beyond the letters there, start positions and empty texts, backwards from a position, and
// near misses in the same sixteen bytes.
TEST(StreamSearch, EinzelneSuchen) {
    constexpr quint8 Rueck = TStreamSearch::Rueckwaerts, Gross = TStreamSearch::GrossKlein;
    const auto ansi = [](const char16_t* t) { return Ansi::ausUnicode(QString::fromUtf16(t)); };
    const struct {
        QByteArray daten;
        QString text;
        quint8 optionen;
        qint64 start, erwartet;
    } faelle[] = {
        {"abc abcx", "abc", Ganz | Rueck, 0, 0},
        {ansi(u"ÄÖÜ Straße STRASSE"), "ÄöÜ", 0, 0, 0},
        {ansi(u"ÄÖÜ Straße STRASSE"), "strasse", 0, 0, 11},
        {ansi(u"ÄÖÜ Straße STRASSE"), "STRAßE", 0, 0, 4},
        {ansi(u"ÄÖÜ Straße STRASSE"), "ss", Rueck, 0, 15},
        // The sharp s has no partner: it matches only itself.
        {ansi(u"STRASSE Straße"), "ß", 0, 0, 12},
        // 1252 folds Ä to ä and Ÿ (0x9F) to ÿ (0xFF), also as first and last byte.
        {ansi(u"................ÄRGER über MÜHE und ŸÄ"), "mühe", 0, 0, 27},
        {ansi(u"................ÄRGER über MÜHE und ŸÄ"), "ÿä", 0, 0, 36},
        {ansi(u"................ÄRGER über MÜHE und ŸÄ"), "Ÿ", 0, 0, 36},
        {ansi(u"................ÄRGER über MÜHE und ŸÄ"), "ÿä", Gross, 0, -1},
        {"", "a", 0, 0, -1},
        {"", "a", Rueck, 0, -1},
        {"abc", "c", 0, 4, -1},
        {"abc", "", 0, 0, -1},
        {"abc", "a", Rueck, -1, -1},
        {"abc", "a", 0, -5, 0},
        // Backwards from 0 starts at the end; a backward block reaches one character past
        // the start, so a hit must end there.
        {"ab ab ab", "ab", Rueck, 0, 6},
        {"ab ab ab", "ab", Rueck, 4, 3},
        {"ab ab ab", "ab", Rueck, 3, 0},
        // Same first and last byte one position before the hit, in the same sixteen bytes.
        {"abxd abcd", "ABCD", 0, 0, 5},
        {"aXcaXcabc", "abc", Gross, 0, 6},
        {"aaaaaaaaaaaaaaaaaaaaab", "aab", 0, 0, 19},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Puffer(f.daten).finde(f.text, f.optionen, f.start), f.erwartet)
            << f.daten.toHex().constData() << " / " << f.text.toStdString() << " / "
            << int(f.optionen) << " ab " << f.start;
}

TEST(StreamSearch, UeberlappendeTrefferMitFindNext) {
    Puffer p("aaa");
    EXPECT_EQ(p.finde("aa"), 0);
    TSuchfensterZustand fenster;
    ASSERT_TRUE(p.suche.FindNext(false, fenster));
    EXPECT_EQ(p.suche.FoundStart(), 1);
    EXPECT_FALSE(p.suche.FindNext(false, fenster));
    EXPECT_EQ(p.suche.FoundStart(), -1);
    EXPECT_EQ(p.suche.FoundLength(), 0);
}

TEST(StreamSearch, FindNextNimmtOptionenAusDemFenster) {
    Puffer p("#T:\\a abcd ABC abc");
    EXPECT_EQ(p.finde("abc", TStreamSearch::GrossKlein), 6);
    TSuchfensterZustand fenster;
    fenster.NurGanzeWoerter = true;
    ASSERT_TRUE(p.suche.FindNext(false, fenster));
    EXPECT_EQ(p.suche.FoundStart(), 11); // ABC: case now ignored, whole word
    fenster.GrossKleinBeachten = true;
    ASSERT_TRUE(p.suche.FindNext(false, fenster));
    EXPECT_EQ(p.suche.FoundStart(), 15);
    // While the run is on, the next text replaces the saved one; a file mark turns whole
    // words off.
    EXPECT_EQ(p.finde("abc"), 6);
    fenster.SucheLaeuft = true;
    fenster.Dateimarke = "#T:\\";
    fenster.NaechsterSuchtext = "#T:\\";
    EXPECT_FALSE(p.suche.FindNext(false, fenster));
    fenster.NaechsterSuchtext = "#T:\\a ab"; // would fail as a whole word
    ASSERT_TRUE(p.suche.FindNext(true, fenster));
    EXPECT_EQ(p.suche.FoundStart(), 0);
    EXPECT_EQ(p.suche.FoundLength(), 8);
}

TEST(StreamSearch, GanzesWortAnDerFernenBlockkante) {
    // The word ends exactly at the first block's end, followed by a letter in the next one.
    QByteArray d(70000, ' ');
    d.replace(65533, 4, "abcx");
    EXPECT_EQ(Puffer(d).finde("abc", Ganz), -1);
    d[65536] = ' ';
    EXPECT_EQ(Puffer(d).finde("abc", Ganz), 65533);
}

TEST(StreamSearch, Utf16BigEndian) {
    const QString text = u"Vorwort Änderung"_qs;
    QByteArray be;
    for (QChar c : text) {
        be.append(char(c.unicode() >> 8));
        be.append(char(c.unicode() & 0xFF));
    }
    Puffer p(be);
    EXPECT_EQ(p.finde(u"änderung"_qs, 0, 0, 72), 16);
    EXPECT_EQ(p.suche.FoundLength(), 16);
    EXPECT_EQ(p.finde(u"wort"_qs, Ganz, 0, 72), -1);
    EXPECT_EQ(p.finde(u"Vorwort"_qs, Ganz | TStreamSearch::Rueckwaerts, 0, 72), 0);
    // The same bytes taken as little-endian do not hold the word.
    EXPECT_EQ(p.finde(u"änderung"_qs, 0, 0, 71), -1);
}

TEST(StreamSearch, Utf16LittleEndianUeberDieGrenze) {
    QString text(40000, u'.');
    text.replace(32766, 4, u"Wort"_qs);
    QByteArray le(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    Puffer p(le);
    EXPECT_EQ(p.finde(u"wort"_qs, Ganz, 0, 71), 65532);
    EXPECT_EQ(p.suche.FoundLength(), 8);
}

TEST(StreamSearch, FortschrittKannAbbrechen) {
    Puffer p("abc");
    int aufrufe = 0;
    p.suche.OnProgress = [&](qint64 pos, qint64 max, bool& weiter) {
        ++aufrufe;
        EXPECT_EQ(pos, 0);
        EXPECT_EQ(max, 3);
        weiter = false;
    };
    EXPECT_EQ(p.finde("c"), -1);
    EXPECT_EQ(aufrufe, 1);
}

namespace {

// The word delimiters: codes 0-47, 58-64, 91-94, 96 and 123-127.
bool trenner(unsigned char c) {
    return c <= 47 || (c >= 58 && c <= 64) || (c >= 91 && c <= 94) || c == 96 ||
           (c >= 123 && c <= 127);
}

// The first hit found by trying every position in turn on lower-cased copies; one block,
// so a neighbour outside the data counts as a delimiter.
qint64 naiv(const QByteArray& daten, const QByteArray& text, bool gross, bool ganz) {
    const QByteArray d = gross ? daten : Ansi::klein(daten);
    const QByteArray t = gross ? text : Ansi::klein(text);
    for (qsizetype i = 0; i + t.size() <= d.size(); ++i) {
        if (d.mid(i, t.size()) != t)
            continue;
        if (ganz && ((i > 0 && !trenner(uchar(daten[i - 1]))) ||
                     (i + t.size() < d.size() && !trenner(uchar(daten[i + t.size()])))))
            continue;
        return i;
    }
    return -1;
}

} // namespace

TEST(StreamSearch, GleichtDerSucheAnJederStelle) {
    // Random data over an alphabet of letters in both cases, umlauts and delimiters,
    // against trying every position: with and without case, with and without whole words.
    const QByteArray alphabet = Ansi::ausUnicode(u"aAbBäÄÿŸ x.-_3"_qs);
    quint32 zufall = 4711;
    auto naechste = [&zufall](quint32 bis) {
        zufall = zufall * 1103515245u + 12345u;
        return (zufall >> 8) % bis;
    };
    for (int runde = 0; runde < 3000; ++runde) {
        QByteArray daten, text;
        const int laenge = int(naechste(120));
        for (int i = 0; i < laenge; ++i)
            daten += alphabet[naechste(alphabet.size())];
        const int textLaenge = 1 + int(naechste(4));
        for (int i = 0; i < textLaenge; ++i)
            text += alphabet[naechste(6)];
        const quint8 optionen = quint8(naechste(4));
        const bool gross = optionen & TStreamSearch::GrossKlein;
        const bool ganz = optionen & Ganz;
        Puffer p(daten);
        ASSERT_EQ(p.finde(Ansi::nachUnicode(text), optionen), naiv(daten, text, gross, ganz))
            << daten.toHex().constData() << " / " << text.toHex().constData() << " / "
            << int(optionen);
    }
}
