#include "searchwin/Fundstellen.h"
#include "searchwin/Textsuche.h"

#include "platform/Ansi.h"
#include "platform/Pump.h"
#include "tests/common/TestUmgebung.h"

#include <random>

namespace {

qint64 suche(const QByteArray& muster, const QByteArray& daten, qint64 start, bool ohneGross) {
    const auto* m = reinterpret_cast<const unsigned char*>(muster.constData());
    const auto* d = reinterpret_cast<const unsigned char*>(daten.constData());
    return ohneGross ? TextSucheOhneGross(m, muster.size(), d, start, daten.size())
                     : TextSucheMitGross(m, muster.size(), d, start, daten.size());
}

} // namespace

// First the 1252 pairs beyond Latin-1, an empty pattern and a start before the data.
TEST(Textsuche, StimmtMitEinfacherSucheUeberein) {
    EXPECT_EQ(suche("\x9A", "x\x8A", 0, true), 1); // š and Š
    EXPECT_EQ(suche("\xFF", "x\x9F", 0, true), 1); // ÿ and Ÿ
    EXPECT_EQ(suche("b\xE4r", "EIN B\xC4R", 0, false), -1);
    EXPECT_EQ(suche("", "abc", 0, true), -1);
    EXPECT_EQ(suche("abc", "abcabc", -5, true), 0);
    EXPECT_EQ(suche("abc", "abcabc", 4, true), -1);
    std::mt19937 zufall(4711);
    const QByteArray alphabet("aAbB\xE4\xC4 ");
    auto zufallstext = [&](int laenge) {
        QByteArray t(laenge, ' ');
        for (char& c : t)
            c = alphabet.at(static_cast<int>(zufall() % alphabet.size()));
        return t;
    };
    int treffer = 0;
    for (int runde = 0; runde < 3000; ++runde) {
        const QByteArray daten = zufallstext(static_cast<int>(zufall() % 200));
        const QByteArray muster = zufallstext(1 + static_cast<int>(zufall() % 6));
        const qint64 start = static_cast<qint64>(zufall() % 20);
        for (bool ohneGross : {true, false}) {
            const qint64 erwartet = (ohneGross ? Ansi::klein(daten) : daten)
                                        .indexOf(ohneGross ? Ansi::klein(muster) : muster, start);
            ASSERT_EQ(suche(muster, daten, start, ohneGross), erwartet)
                << muster.toHex().toStdString() << " in " << daten.toHex().toStdString();
            treffer += erwartet >= 0;
        }
    }
    EXPECT_TRUE(treffer > 1000 && treffer < 5000) << treffer;
}

using FundstellenTest = Umgebung;

TEST_F(FundstellenTest, AlleTrefferAufsteigendUndUtf16) {
    schreibe("aaa.txt", "aaa");
    schreibe("d.txt", "Test und TEST und test, nicht Tes.");
    schreibe("leer.txt", "");
    const std::tuple<const char*, const char*, bool, QList<qint64>> faelle[] = {
        {"aaa.txt", "aa", true, {0, 1}}, {"d.txt", "Test", true, {0, 9, 18}},
        {"d.txt", "TEST", false, {9}},   {"d.txt", "Test und TEST und test, nicht Tes.!", true, {}},
        {"leer.txt", "a", true, {}},     {"fehlt.txt", "a", true, {}},
    };
    for (const auto& [datei, muster, ohneGross, treffer] : faelle) {
        QList<qint64> liste{99};
        EXPECT_EQ(Fundstellen::AlleFundstellenSuchen(liste, win(datei), muster, ohneGross),
                  !treffer.isEmpty());
        EXPECT_EQ(liste, treffer) << datei << " " << muster;
    }
    // UTF-16: hits only on the character grid; the search stops when asked to.
    // U+6141 U+6200 U+3000 hold the bytes of "ab" one byte off the character grid.
    schreibe("u.txt", utf16le(QString::fromUtf16(u"TEST \u6141\u6200\u3000 ab Test")));
    QList<qint64> liste;
    EXPECT_TRUE(Fundstellen::AlleFundstellenSuchen(liste, win("u.txt"), "test", Pump::still(), {}));
    EXPECT_EQ(liste, (QList<qint64>{2, 2 + 2 * 12}));
    EXPECT_TRUE(Fundstellen::AlleFundstellenSuchen(liste, win("u.txt"), "ab", Pump::still(), {}));
    EXPECT_EQ(liste, QList<qint64>{2 + 2 * 9});
    schreibe("a.txt", utf16le("a a a a a"));
    int schritte = 0;
    Fundstellen::AlleFundstellenSuchen(liste, win("a.txt"), "a", Pump::still(),
                                       [&schritte] { return ++schritte > 2; });
    EXPECT_EQ(liste, (QList<qint64>{2, 6}));
}
