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

TEST_F(SortExtraktorTest, WoerterAbDreiZeichen) {
    zeile(Modus::Woerter, "ab abc xy,wxyz;a:klm");
    EXPECT_EQ(alle(), (QStringList{"abc", "klm", "wxyz"}));
    EXPECT_EQ(eimer.liste(Wortbuckets::GbisL).eintraege(), QStringList{"klm"});
    // One message round per field.
    EXPECT_EQ(pumpe.aufrufe, 6);
}

TEST_F(SortExtraktorTest, LangeWoerterNurMitSpitzerKlammer) {
    const QString lang150(150, QLatin1Char('x'));
    const QString mitKlammer = QString(149, QLatin1Char('y')) + QLatin1Char('<');
    const QString genau100(100, QLatin1Char('h'));
    const QString mehr101(101, QLatin1Char('z'));
    zeile(Modus::Woerter, lang150 + " " + mitKlammer + " " + genau100 + " " + mehr101);
    EXPECT_EQ(alle(), (QStringList{genau100, mitKlammer}));
}

TEST_F(SortExtraktorTest, SatzregelnFuerStricheUndApostrophe) {
    const QString formular = QStringLiteral("Feld --") + QString(12, QLatin1Char(' ')) + "--" +
                             QString(10, QLatin1Char(' ')) + "-- Ende";
    const QString kurzeLuecke = QStringLiteral("Feld --") + QString(11, QLatin1Char(' ')) + "--" +
                                QString(10, QLatin1Char(' ')) + "-- Ende";
    for (const QString& z : {QStringLiteral("ohneleerzeichen"), QStringLiteral("drei --- Striche"),
                             QStringLiteral("vier \u2013\u2013\u2013\u2013 Gedanken"), formular}) {
        zeile(Modus::Saetze, z);
    }
    EXPECT_TRUE(alle().isEmpty());
    zeile(Modus::Saetze, kurzeLuecke);
    EXPECT_EQ(alle(), QStringList{kurzeLuecke});
    eimer.leeren();
    zeile(Modus::Saetze, "''Der Satz hier''");
    EXPECT_EQ(alle(), QStringList{"Der Satz hier''"});
    eimer.leeren();
    // Only two characters go, whatever follows.
    zeile(Modus::Saetze, "xy ''Wort gut");
    EXPECT_EQ(alle(), QStringList{"''Wort gut"});
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
