#include "index/Endungsauswahl.h"

#include "index/Hauptliste.h"
#include "tests/common/TestUmgebung.h"

TEST(Endungsauswahl, NeueEndungenDerPlaetze) {
    const std::tuple<const char*, QStringList, QStringList> faelle[] = {
        {"*.pdf", {"*.csv", "*.txt"}, {"*.pdf"}},
        // Known ones, in any case, stay out; a slot filled twice counts once.
        {"*.PDF *.txt *.doc *.pdf", {"*.csv", "*.txt", "*.DOC"}, {"*.pdf"}},
        {"*.odt *.rtf", {"*.csv", "*.txt"}, {"*.odt", "*.rtf"}},
        {"*.txt", {"*.csv", "*.txt"}, {}},
        {"*.", {"*.csv", "*.txt"}, {}},
    };
    for (const auto& [feld, auswahl, neu] : faelle)
        EXPECT_EQ(Endungsauswahl::neue(Hauptliste::endungsplaetze(feld), auswahl), neu) << feld;
}
