#include "index/Wortbuckets.h"
#include "index/Zeilenextraktor.h"

#include "platform/Pump.h"
#include "tests/common/TestUmgebung.h"

namespace {

class ZaehlPumpe : public Pump {
public:
    void verarbeiten() override { ++aufrufe; }
    int aufrufe = 0;
};

} // namespace

class SortExtraktorTest : public ::testing::Test {
protected:
    SortExtraktorTest() : extraktor(eimer, pumpe) { extraktor.setDateimarke("#T:\\"); }
    QStringList alle() const {
        QStringList out;
        for (int l = Wortbuckets::AbisF; l <= Wortbuckets::Rest; ++l)
            out += eimer.liste(static_cast<Wortbuckets::Liste>(l)).eintraege();
        return out;
    }
    void zeile(Zeilenextraktor::Modus modus, const QString& text) {
        extraktor.setModus(modus);
        extraktor.VerarbeiteTextzeile(text);
    }
    Wortbuckets eimer;
    ZaehlPumpe pumpe;
    Zeilenextraktor extraktor;
};

using Modus = Zeilenextraktor::Modus;

// Words of three to a hundred characters, longer ones only with "<"; lines that are no
// sentences: no blank, rules of dashes, form fields with wide gaps; two leading apostrophes go.
TEST_F(SortExtraktorTest, WoerterUndSaetze) {
    const QString mitKlammer = QString(149, QLatin1Char('y')) + QLatin1Char('<');
    const QString genau100(100, QLatin1Char('h'));
    const QString luecke = QStringLiteral("Feld --%1--          -- Ende");
    const QString formular = luecke.arg(QString(12, QLatin1Char(' ')));
    const QString kurzeLuecke = luecke.arg(QString(11, QLatin1Char(' ')));
    const std::tuple<Modus, QString, QStringList> faelle[] = {
        {Modus::Woerter, "ab abc xy,wxyz;a:klm", {"abc", "klm", "wxyz"}},
        {Modus::Woerter,
         QString(150, QLatin1Char('x')) + " " + mitKlammer + " " + genau100 + " " +
             QString(101, QLatin1Char('z')),
         {genau100, mitKlammer}},
        {Modus::Saetze, "ohneleerzeichen", {}},
        {Modus::Saetze, "drei --- Striche", {}},
        {Modus::Saetze, "vier \u2013\u2013\u2013\u2013 Gedanken", {}},
        {Modus::Saetze, formular, {}},
        {Modus::Saetze, kurzeLuecke, {kurzeLuecke}},
        {Modus::Saetze, "''Der Satz hier''", {"Der Satz hier''"}},
        {Modus::Saetze, "xy ''Wort gut", {"''Wort gut"}}};
    for (const auto& fall : faelle) {
        const auto& [modus, text, erwartet] = fall;
        eimer.leeren();
        zeile(modus, text);
        EXPECT_EQ(alle(), erwartet) << text.toStdString();
        // One message round per field.
        EXPECT_TRUE(&fall != faelle || pumpe.aufrufe == 6);
    }
}

TEST(SortTrimmenTest, UnicodeOderNurAscii) {
    const QString text = QStringLiteral("\u00A0\t x\u0081y \u0085\u00A0\r");
    EXPECT_EQ(Zeilenextraktor::trimmen(text, false), QStringLiteral("x\u0081y"));
    EXPECT_EQ(Zeilenextraktor::trimmen(text, true),
              QStringLiteral("\u00A0\t x\u0081y \u0085\u00A0"));
    // "voilà" and "Á" as UTF-8 bytes seen one per character keep their last byte.
    const QString voila = QStringLiteral("voil\u00C3\u00A0");
    EXPECT_EQ(Zeilenextraktor::trimmen(QStringLiteral(" ") + voila + " ", true), voila);
    EXPECT_EQ(Zeilenextraktor::trimmen(QStringLiteral("\u00C3\u0081"), true),
              QStringLiteral("\u00C3\u0081"));
    EXPECT_EQ(Zeilenextraktor::trimmen(QStringLiteral(" \x7f "), true), QString());
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
