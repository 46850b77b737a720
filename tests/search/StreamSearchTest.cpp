#include "search/StreamSearch.h"

#include "platform/Ansi.h"
#include "tests/common/TestUmgebung.h"

#include <QBuffer>
#include <QRandomGenerator>

#include <cctype>

namespace {

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

constexpr quint8 Ganz = TStreamSearch::GanzeWoerter, Rueck = TStreamSearch::Rueckwaerts,
                 Gross = TStreamSearch::GrossKlein;

QByteArray mit(QByteArray d, qsizetype an, const QByteArray& text) {
    return d.replace(an, text.size(), text);
}

} // namespace

// What the comparison with every place below cannot reach: hits across the 64 KiB block
// border both ways, a whole word at a block's far edge, UTF-16 in both byte orders (71 little,
// 72 big-endian), case in 1252 beyond its letters, start positions and empty texts, backwards
// from a position. A hit spans the text.
TEST(StreamSearch, EinzelneSuchen) {
    const auto ansi = [](const char16_t* t) { return Ansi::ausUnicode(QString::fromUtf16(t)); };
    const QByteArray grenze = mit(QByteArray(200000, 'x'), 65532, " Grenze.");
    const QByteArray kante = mit(QByteArray(70000, ' '), 65533, "abcx");
    QByteArray be;
    for (QChar c : u"Vorwort Änderung"_qs)
        be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    const QString wort = QString(40000, u'.').replace(32766, 4, u"Wort"_qs);
    const QByteArray le(reinterpret_cast<const char*>(wort.utf16()), wort.size() * 2);
    const QByteArray st = ansi(u"ÄÖÜ Straße STRASSE");
    // Columns: data, text, options, encoding, start, expected. The sharp s has no partner. A
    // backward block reaches one character past the start, so a hit must end there.
    const struct {
        QByteArray daten;
        QString text;
        quint8 optionen, kodierung;
        qint64 start, erwartet;
    } faelle[] = {{grenze, "grenze", 0, 0, 0, 65533},
                  {grenze, "Grenze", Rueck | Gross, 0, 0, 65533},
                  {grenze, "Grenze", Ganz, 0, 0, 65533},
                  {grenze, "Grenze", Ganz | Rueck, 0, 0, 65533},
                  {kante, "abc", Ganz, 0, 0, -1},
                  {mit(kante, 65536, " "), "abc", Ganz, 0, 0, 65533},
                  {be, u"änderung"_qs, 0, 72, 0, 16},
                  {be, "wort", Ganz, 72, 0, -1},
                  {be, "Vorwort", Ganz | Rueck, 72, 0, 0},
                  {be, u"änderung"_qs, 0, 71, 0, -1},
                  {le, "wort", Ganz, 71, 0, 65532},
                  {st, "ÄöÜ", 0, 0, 0, 0},
                  {st, "strasse", 0, 0, 0, 11},
                  {st, "STRAßE", 0, 0, 0, 4},
                  {ansi(u"STRASSE Straße"), "ß", 0, 0, 0, 12},
                  {ansi(u"ÄRGER über MÜHE"), "mühe", 0, 0, 0, 11},
                  {"abc", "c", 0, 0, 4, -1},
                  {"abc", "", 0, 0, 0, -1},
                  {"abc", "a", Rueck, 0, -1, -1},
                  {"abc", "a", 0, 0, -5, 0},
                  {"ab ab ab", "ab", Rueck, 0, 4, 3},
                  {"ab ab ab", "ab", Rueck, 0, 3, 0}};
    for (const auto& f : faelle) {
        Puffer p(f.daten);
        EXPECT_EQ(p.finde(f.text, f.optionen, f.start, f.kodierung), f.erwartet)
            << f.daten.left(40).toHex().constData() << " / " << f.text.toStdString() << " / "
            << int(f.optionen) << " ab " << f.start;
        EXPECT_EQ(p.suche.FoundLength(),
                  f.erwartet < 0 ? 0 : f.text.size() * (f.kodierung ? 2 : 1));
    }
}

// Hits may overlap; the options come from the window; while the run is on, the next text
// replaces the saved one and a file mark turns whole words off.
TEST(StreamSearch, FindNext) {
    Puffer a("aaa");
    TSuchfensterZustand fenster;
    EXPECT_EQ(a.finde("aa"), 0);
    ASSERT_TRUE(a.suche.FindNext(false, fenster));
    EXPECT_EQ(a.suche.FoundStart(), 1);
    EXPECT_FALSE(a.suche.FindNext(false, fenster));
    EXPECT_EQ(a.suche.FoundStart(), -1);
    EXPECT_EQ(a.suche.FoundLength(), 0);

    Puffer p("#T:\\a abcd ABC abc");
    EXPECT_EQ(p.finde("abc", Gross), 6);
    fenster.NurGanzeWoerter = true;
    ASSERT_TRUE(p.suche.FindNext(false, fenster));
    EXPECT_EQ(p.suche.FoundStart(), 11); // ABC: case now ignored, whole word
    fenster.GrossKleinBeachten = true;
    ASSERT_TRUE(p.suche.FindNext(false, fenster));
    EXPECT_EQ(p.suche.FoundStart(), 15);
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

// The first hit, or backwards the last, found by trying every place on lower-cased copies; the word
// delimiters are the ASCII codes other than digits, letters and "_". One block, so a neighbour
// outside the data counts as a delimiter.
qint64 naiv(const QByteArray& daten, const QByteArray& text, quint8 optionen) {
    const auto trenner = [&](qsizetype i) {
        return i < 0 || i >= daten.size() ||
               (uchar(daten[i]) < 128 && !std::isalnum(daten[i]) && daten[i] != '_');
    };
    const bool gross = optionen & Gross;
    const QByteArray d = gross ? daten : Ansi::klein(daten), t = gross ? text : Ansi::klein(text);
    qint64 letzte = -1;
    for (qsizetype i = d.indexOf(t); i >= 0; i = d.indexOf(t, i + 1))
        if (!(optionen & Ganz) || (trenner(i - 1) && trenner(i + t.size()))) {
            if (!(optionen & Rueck))
                return i;
            letzte = i;
        }
    return letzte;
}

} // namespace

// Random data over letters in both cases, umlauts and delimiters against trying every place,
// with every combination of case, whole words and direction; near misses abound.
TEST(StreamSearch, GleichtDerSucheAnJederStelle) {
    const QByteArray alphabet = Ansi::ausUnicode(u"aAbBäÄÿŸ x.-_3"_qs);
    QRandomGenerator z(4711);
    const auto zufallstext = [&](int n, int zeichen) {
        QByteArray t;
        for (int i = 0; i < n; ++i)
            t += alphabet[z.bounded(zeichen)];
        return t;
    };
    for (int runde = 0; runde < 3000; ++runde) {
        const QByteArray daten = zufallstext(z.bounded(120), int(alphabet.size()));
        const QByteArray text = zufallstext(1 + z.bounded(4), 6);
        const quint8 optionen = quint8(z.bounded(8));
        ASSERT_EQ(Puffer(daten).finde(Ansi::nachUnicode(text), optionen),
                  naiv(daten, text, optionen))
            << daten.toHex().constData() << " / " << text.toHex().constData() << " / "
            << int(optionen);
    }
}
