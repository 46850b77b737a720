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
