#include "search/Mustersuche.h"

#include "platform/Ansi.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace {

// Random texts over few letters, so that places that pass the sieve abound, against Qt's own
// search in copies folded on both sides, from every start position, also those in the last
// few units that the wide compares cannot cover.
template <typename Muster, typename Einheit, typename T, typename Falten>
void wieJedeStelle(const T& alphabet, int runden, int laenge, Falten falten) {
    QRandomGenerator z(7);
    const auto zufallstext = [&](int n) {
        T t;
        for (int i = 0; i < n; ++i)
            t += alphabet.at(z.bounded(int(alphabet.size())));
        return t;
    };
    const auto hex = [](const T& t) {
        return QByteArray(reinterpret_cast<const char*>(t.constData()),
                          t.size() * qsizetype(sizeof(Einheit)))
            .toHex()
            .toStdString();
    };
    for (int runde = 0; runde < runden; ++runde) {
        const T in = zufallstext(int(z.bounded(laenge))), text = zufallstext(1 + int(z.bounded(4)));
        for (const bool gross : {false, true}) {
            const T a = gross ? in : falten(in), b = gross ? text : falten(text);
            const Muster muster(text, gross);
            const auto* s = reinterpret_cast<const Einheit*>(in.constData());
            for (qsizetype ab = 0; ab <= in.size(); ++ab)
                ASSERT_EQ(muster.finde(s, in.size(), ab), a.indexOf(b, ab))
                    << hex(in) << " / " << hex(text) << " ab " << ab
                    << (gross ? " gross" : " klein");
        }
    }
}

} // namespace

// A, Ä and Š with their partners, also ß and × which have none.
TEST(Mustersuche, BytesWieDerVergleichJederStelle) {
    wieJedeStelle<Mustersuche::Bytemuster, unsigned char>(
        QByteArray("aAbB \xE4\xC4\x8A\x9A\xDF\xD7."), 300, 120, &Ansi::klein);
}

TEST(Mustersuche, Utf16WieDerVergleichJederStelle) {
    wieJedeStelle<Mustersuche::Widemuster, char16_t>(QStringLiteral("aAÄäΣσς ß"), 200, 60,
                                                     [](const QString& t) { return t.toLower(); });
}

// Backwards the last place; the UTF-8 bytes of Ä (C3 84) and ä (C3 A4) are no case pair.
TEST(Mustersuche, RueckwaertsUndUtf8Bytes) {
    const QByteArray in = "abcabcABC";
    const auto* s = reinterpret_cast<const unsigned char*>(in.constData());
    EXPECT_EQ(Mustersuche::Bytemuster("abc", false).findeRueckwaerts(s, in.size(), 8), 6);
    EXPECT_EQ(Mustersuche::Bytemuster("abc", true).findeRueckwaerts(s, in.size(), 8), 3);
    EXPECT_EQ(Mustersuche::Bytemuster("abc", true).findeRueckwaerts(s, in.size(), 2), 0);
    const QByteArray utf8 = "\xC3\x84rger";
    EXPECT_EQ(Mustersuche::Bytemuster("\xC3\xA4rger", false)
                  .finde(reinterpret_cast<const unsigned char*>(utf8.constData()), utf8.size(), 0),
              -1);
}

TEST(Mustersuche, Trennzeichen) {
    for (char16_t c = 0; c < 300; ++c) {
        const bool wortzeichen = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                                 (c >= 'a' && c <= 'z') || c == '_' || c >= 128;
        EXPECT_EQ(Mustersuche::istTrenner(c), !wortzeichen) << int(c);
    }
}
