#include "datenbank/DatenbankKatalog.h"

#include "tests/common/TestUmgebung.h"

using DatenbankKatalogTest = Umgebung;

TEST_F(DatenbankKatalogTest, NamenOhneEndungUndOhneMht) {
    schreibe("Datenbank/Akten.DAT", "");
    schreibe("Datenbank/Rechnungen.dat", "");
    schreibe("Datenbank/Alt_MHT.dat", "");
    schreibe("Datenbank/Akten_AnsiDokument.txt", "");
    schreibe("Datenbank/Akten.dat.dat", "");
    const DatenbankKatalog k{Programmordner(win())};
    EXPECT_EQ(k.namen(), (QStringList{"Akten", "Akten.dat", "Rechnungen"}));
    EXPECT_TRUE(k.existiert("Rechnungen"));
}

TEST(DatenbankKatalog, DialognameWaehltDieSpaetereAus) {
    EXPECT_EQ(DatenbankKatalog::eintraegeMitDialogname({"Akten", "Akten2", "Post"}, "Akten"),
              (QList<int>{0, 1}));
    EXPECT_TRUE(DatenbankKatalog::eintraegeMitDialogname({"Akten"}, "akten").isEmpty());
    EXPECT_TRUE(DatenbankKatalog::eintraegeMitDialogname({"Akten"}, "").isEmpty());
}

TEST_F(DatenbankKatalogTest, LoeschenEntferntGenauDieListe) {
    const QStringList dateien = DatenbankKatalog::dateien("Akten");
    ASSERT_EQ(dateien.size(), 15);
    for (const QString& d : dateien)
        schreibe(d, "x");
    const QStringList bleiben = {
        "Datenbank/Haupt_Dateinamen_Liste_Laufwerk_C.txt", "Datenbank/Lesezeichen_Ansi_Akten.txt",
        "Datenbank/Temp/Seite1.htm", "Datenbank/Akten2.dat", "Datenbank/Akten_Sonstiges.txt"};
    for (const QString& d : bleiben)
        schreibe(d, "x");
    const DatenbankKatalog k{Programmordner(win())};
    EXPECT_EQ(k.loeschen("Akten"), dateien);
    for (const QString& d : dateien)
        EXPECT_FALSE(gibt(d)) << d.toStdString();
    for (const QString& d : bleiben)
        EXPECT_TRUE(gibt(d)) << d.toStdString();
    EXPECT_EQ(dateien.at(1), QStringLiteral("Datenbank\\Akten.dat"));
    EXPECT_EQ(
        dateien.last(),
        QStringLiteral("Datenbank\\Suchwoerterlisten\\Akten_Gesamt_OhneDB_Suchwoerterliste.txt"));
    // Only what exists is reported.
    schreibe("Datenbank/Akten.log", "x");
    EXPECT_EQ(k.loeschen("Akten"), QStringList{"Datenbank\\Akten.log"});
}
