#include "index/Endungsauswahl.h"

#include "index/Hauptliste.h"
#include "tests/common/TestUmgebung.h"

TEST(Endungsauswahl, NeueEndungenDerPlaetze) {
    const struct {
        const char* feld;
        QStringList auswahl;
        QStringList neu;
    } faelle[] = {
        {"*.pdf", {"*.csv", "*.txt"}, {"*.pdf"}},
        // Known ones, in any case, stay out; a slot filled twice counts once.
        {"*.PDF *.txt *.doc *.pdf", {"*.csv", "*.txt", "*.DOC"}, {"*.pdf"}},
        {"*.odt *.rtf", {"*.csv", "*.txt"}, {"*.odt", "*.rtf"}},
        {"*.txt", {"*.csv", "*.txt"}, {}},
        {"*.", {"*.csv", "*.txt"}, {}},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.feld);
        EXPECT_EQ(Endungsauswahl::neue(Hauptliste::endungsplaetze(fall.feld), fall.auswahl),
                  fall.neu);
    }
}

using EndungsauswahlDatei = Umgebung;

// The user's lines stay as they are; new extensions follow, one per line, CR LF.
TEST_F(EndungsauswahlDatei, NeueZeilenKommenHinzu) {
    const Programmordner ordner(win());
    auto e = Endungsauswahl::ergaenzen(ordner, Hauptliste::endungsplaetze("*.txt"));
    EXPECT_TRUE(e.ok);
    EXPECT_TRUE(e.neu.isEmpty());
    EXPECT_FALSE(gibt("AuswahlEndungen.txt"));

    e = Endungsauswahl::ergaenzen(ordner, Hauptliste::endungsplaetze("*.pdf"));
    EXPECT_EQ(e.neu, QStringList{"*.pdf"});
    EXPECT_EQ(lies("AuswahlEndungen.txt"), QByteArray("*.pdf\r\n"));

    schreibe("AuswahlEndungen.txt", "*.Doc\r\n*.xls");
    e = Endungsauswahl::ergaenzen(ordner, Hauptliste::endungsplaetze("*.pdf *.doc *.odt"));
    EXPECT_EQ(e.neu, (QStringList{"*.pdf", "*.odt"}));
    EXPECT_EQ(lies("AuswahlEndungen.txt"), QByteArray("*.Doc\r\n*.xls\r\n*.pdf\r\n*.odt\r\n"));

    e = Endungsauswahl::ergaenzen(Programmordner(win("fehlt\\")),
                                  Hauptliste::endungsplaetze("*.pdf"));
    EXPECT_FALSE(e.ok);
}
