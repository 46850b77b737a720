#include "index/TWideStringList.h"
#include "index/Wortbuckets.h"

#include "tests/common/TestUmgebung.h"

#include <QCollator>
#include <QHash>
#include <QRandomGenerator>

namespace {

QCollator deutschOhneGrossKlein() {
    QCollator c{QLocale()};
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
}

// Every neighbour pair in strictly ascending order of the collation.
::testing::AssertionResult streng(const QStringList& eintraege) {
    const QCollator c = deutschOhneGrossKlein();
    for (qsizetype i = 1; i < eintraege.size(); ++i)
        if (c.compare(eintraege.at(i - 1), eintraege.at(i)) >= 0)
            return ::testing::AssertionFailure()
                   << eintraege.at(i - 1).toStdString() << " vor " << eintraege.at(i).toStdString();
    return ::testing::AssertionSuccess();
}

// Every entry handed out as "<list> <text>|".
QString ausgabe(Wortbuckets& e) {
    QString out;
    e.ausgeben([&out](Wortbuckets::Liste l, QStringView text) {
        out += QString::number(l) + QLatin1Char(' ') + text.toString() + QLatin1Char('|');
        return true;
    });
    return out;
}

} // namespace

TEST(SortListeTest, DeutscheOrdnungOhneGrossKlein) {
    const QStringList woerter = {"Zebra", "äpfel", "Apfel",  "Öl",    "Ofen",  "Straße", "strasse",
                                 "über",  "Uhr",   "10",     "9",     "a-b",   "ab",     "e",
                                 "é",     "Bär",   "#T:\\x", "=====", "Ärger", "arg"};
    TWideStringList l;
    for (const QString& w : woerter)
        l.hinzufuegen(w);
    const QStringList e = l.eintraege();
    EXPECT_TRUE(streng(e));
    // Every word is there or has an equal entry; accents count, case does not.
    const QCollator c = deutschOhneGrossKlein();
    for (const QString& w : woerter)
        EXPECT_TRUE(std::any_of(e.begin(), e.end(), [&](const QString& x) {
            return c.compare(x, w) == 0;
        })) << w.toStdString();
    EXPECT_TRUE(e.contains("e") && e.contains("é"));
    // German puts Ä with A, not after Z as Swedish would.
    EXPECT_LT(e.indexOf("äpfel"), e.indexOf("Bär"));
    EXPECT_LT(e.indexOf("Öl"), e.indexOf("Straße"));
    EXPECT_LT(e.indexOf("9"), e.indexOf("Apfel"));
}

// By the first UTF-16 code unit: ASCII letters and the German umlauts; "ß", other accents, the
// first byte of a UTF-8 sequence and all else go to the rest.
TEST(SortEimerTest, ErstesZeichenAlsCodeEinheit) {
    const std::pair<std::u16string, Wortbuckets::Liste> faelle[] = {
        {u"AFaf\u00C4\u00E4", Wortbuckets::AbisF},
        {u"GLgl", Wortbuckets::GbisL},
        {u"MRmr\u00D6\u00F6", Wortbuckets::MbisR},
        {u"SZsz\u00DC\u00FC", Wortbuckets::SbisZ},
        {u"@[`{1#\u00DF\u00C9\u00C3\u0100\u00C5", Wortbuckets::Rest}};
    for (const auto& [zeichen, liste] : faelle)
        for (const char16_t z : zeichen)
            EXPECT_EQ(Wortbuckets::fuerZeichen(QChar(z)), liste) << int(z);
}

TEST(SortEimerTest, SechsListenHintereinander) {
    Wortbuckets e;
    for (const char* w : {"zebra", "Apfel", "123", "mond", "Gans", "ähre", "ßig", "Öl", "über"})
        e.einordnen(QString::fromUtf8(w));
    e.titel(u"#T:\\b.pdf");
    e.titel(u"#T:\\A.pdf");
    EXPECT_EQ(ausgabe(e), QString::fromUtf8("0 ähre|0 Apfel|1 Gans|2 mond|2 Öl|3 über|3 zebra|"
                                            "4 123|4 ßig|5 #T:\\A.pdf|5 #T:\\b.pdf|"));
    EXPECT_EQ(e.laeufe(), 0);
    e.leeren();
    EXPECT_EQ(ausgabe(e), QString());
}
