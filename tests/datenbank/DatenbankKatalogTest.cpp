#include "datenbank/DatenbankKatalog.h"

#include "tests/common/TestUmgebung.h"

using DatenbankKatalogTest = Umgebung;

TEST_F(DatenbankKatalogTest, NamenOhneEndungUndOhneMht) {
    for (const char* datei : {"Akten.DAT", "Rechnungen.dat", "Alt_MHT.dat", "alt_mht.dat",
                              "Akten_AnsiDokument.txt", "Akten.dat.dat"})
        schreibe(QString("Datenbank/") + datei, "");
    const DatenbankKatalog k{Programmordner(win())};
    EXPECT_EQ(k.namen(), (QStringList{"Akten", "Akten.dat", "Rechnungen"}));
    EXPECT_TRUE(k.existiert("Rechnungen"));
    EXPECT_FALSE(k.existiert("Alt"));
}

TEST(DatenbankKatalog, DialognameWaehltDieSpaetereAus) {
    EXPECT_EQ(DatenbankKatalog::eintraegeMitDialogname({"Akten", "Akten2", "Post"}, "Akten"),
              (QList<int>{0, 1}));
    EXPECT_TRUE(DatenbankKatalog::eintraegeMitDialogname({"Akten"}, "akten").isEmpty());
    EXPECT_TRUE(DatenbankKatalog::eintraegeMitDialogname({"Akten"}, "").isEmpty());
}

// Deleting a database removes its fifteen files in every variant, whatever the case of the
// name on disk, and nothing that belongs to the drive, another database or the scratch folder.
TEST_F(DatenbankKatalogTest, LoeschenEntferntAlleFuenfzehnDateienUndSonstNichts) {
    const QStringList geloescht = {
        "Datenbank\\Akten.log",
        "Datenbank\\Akten.dat",
        "Datenbank\\Akten_AnsiDokument.txt",
        "Datenbank\\Akten_UTF8Dokument.txt",
        "Datenbank\\Akten_UnicodeDokument.txt",
        "Datenbank\\Akten_Ansi_TitelPositionen.txt",
        "Datenbank\\Akten_Utf8_TitelPositionen.txt",
        "Datenbank\\Akten_Unicode_TitelPositionen.txt",
        "Datenbank\\Akten_Phrasen_Woerter_AnsiListe.txt",
        "Datenbank\\Akten_Phrasen_Woerter_UnicodeListe.txt",
        "Datenbank\\Akten_Phrasen_Woerter_Utf8Liste.txt",
        "Datenbank\\Suchwoerterlisten\\Akten_Ansi_Suchwoerterliste.txt",
        "Datenbank\\Suchwoerterlisten\\Akten_Utf8_Suchwoerterliste.txt",
        "Datenbank\\Suchwoerterlisten\\Akten_Unicode_Suchwoerterliste.txt",
        "Datenbank\\Suchwoerterlisten\\Akten_Gesamt_OhneDB_Suchwoerterliste.txt"};
    for (const QString& d : geloescht)
        schreibe(d == geloescht.at(3) ? "Datenbank/Akten_Utf8Dokument.txt" : d, "x");
    const QStringList bleiben = {"Datenbank/Haupt_Dateinamen_Liste_Laufwerk_C.txt",
                                 "Datenbank/Temp/Kelvora_Ergebnis.htm",
                                 "Datenbank/Akten2.dat",
                                 "Datenbank/Akten2_UTF8Dokument.txt",
                                 "Datenbank/Suchwoerterlisten/Akten2_Utf8_Suchwoerterliste.txt",
                                 "Akten_Suchwoerterliste.txt"};
    for (const QString& d : bleiben)
        schreibe(d, "x");
    const DatenbankKatalog k{Programmordner(win())};
    EXPECT_EQ(k.loeschen("Akten"), geloescht);
    for (const QString& d : geloescht)
        EXPECT_FALSE(gibt(d)) << d.toStdString();
    EXPECT_FALSE(gibt("Datenbank/Akten_Utf8Dokument.txt"));
    for (const QString& d : bleiben)
        EXPECT_TRUE(gibt(d)) << d.toStdString();
    // Only what exists is reported.
    schreibe("Datenbank/Akten.log", "x");
    EXPECT_EQ(k.loeschen("Akten"), QStringList{"Datenbank\\Akten.log"});
}
