#include "index/Eingabepruefung.h"

#include "platform/DriveMap.h"
#include "tests/common/TestUmgebung.h"

using EingabepruefungTest = Umgebung;

TEST(Eingabepruefung, NamenBereinigen) {
    EXPECT_EQ(Eingabepruefung::nameBereinigen("a/b\\c*d?e\"f<g>h|i:j^k"),
              QStringLiteral("abcdefghijk"));
    EXPECT_EQ(Eingabepruefung::nameBereinigen("Bücher"), QStringLiteral("Bücher"));
    // 1252 cannot hold the CJK character: it becomes "?" and goes with the others.
    EXPECT_EQ(Eingabepruefung::nameBereinigen(QStringLiteral("A\u4E2DB")), QStringLiteral("AB"));
}

TEST_F(EingabepruefungTest, AlleVierPruefungenLaufen) {
    EXPECT_EQ(
        Eingabepruefung::okMeldungen(" ", " ", " ", {}, true),
        (QStringList{"Sie haben keinen Namen für die Datenbank angegeben",
                     "Sie haben keinen Pfad angegeben", "Sie haben keine Dateiendung angegeben"}));
    EXPECT_EQ(Eingabepruefung::okMeldungen("", win("fehlt"), "*.pdf", {}, true),
              (QStringList{"Sie haben keinen Namen für die Datenbank angegeben",
                           "Der angegebene Ordner existiert nicht"}));
    EXPECT_TRUE(Eingabepruefung::okMeldungen("Akten", win(), "*.pdf", {"Post"}, true).isEmpty());
    EXPECT_EQ(Eingabepruefung::okMeldungen("akten", win(), "*.pdf", {"AKTEN"}, true),
              QStringList{"Dieser Name existiert schon! Geben Sie einen anderen ein!"});
    EXPECT_TRUE(Eingabepruefung::okMeldungen("akten", win(), "*.pdf", {"AKTEN"}, false).isEmpty());
}

TEST_F(EingabepruefungTest, NurLaufwerkeMitWurzel) {
    EXPECT_TRUE(Eingabepruefung::laufwerkMeldung(win("x"), DriveMap::global()).isEmpty());
    EXPECT_TRUE(Eingabepruefung::laufwerkMeldung("relativ", DriveMap::global()).isEmpty());
    EXPECT_EQ(
        Eingabepruefung::laufwerkMeldung("Q:\\Akten", DriveMap::global()),
        QStringLiteral("Das Laufwerk: \"Q\" hat kein NTFS-Dateisystem! Kelvora kann es deshalb "
                       "nicht indizieren."));
}
