#include "cli/Befehle.h"

#include "datenbank/Datenbanksperre.h"
#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"

class BefehleTest : public Umgebung {
protected:
    int rufe(QStringList argumente, bool interaktiv = false, const QString& eingabe = QString()) {
        aus = fehler = QString();
        ein = eingabe;
        QTextStream a(&aus), f(&fehler), e(&ein);
        Befehle b(einstellungen, {a, f, e, interaktiv});
        einstellungen.werte["Laufwerk_T"] = nativ();
        return b.ausfuehren(QStringList{"--dir", nativ()} + argumente);
    }
    SpeicherEinstellungen einstellungen;
    QString aus, fehler, ein;
};

TEST_F(BefehleTest, ListeUndLoeschen) {
    EXPECT_EQ(rufe({"list"}), 0);
    EXPECT_TRUE(aus.isEmpty());
    EXPECT_TRUE(fehler.startsWith("Es existiert noch keine Datenbank in "));
    schreibe("Datenbank/Brief.DAT", "");
    schreibe("Datenbank/b_mht.dat", "");
    EXPECT_EQ(rufe({"list"}), 0);
    EXPECT_EQ(aus, QStringLiteral("Brief\n"));

    schreibe("Datenbank/Akten.dat", "");
    schreibe("Datenbank/Akten.log", "");
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_C.txt", "");
    // At a terminal the user is asked first.
    EXPECT_EQ(rufe({"delete", "Akten"}, true, "n\n"), 0);
    EXPECT_TRUE(fehler.contains("Möchten Sie die Datenbank \"Akten\" wirklich löschen?"));
    EXPECT_TRUE(gibt("Datenbank/Akten.dat"));
    EXPECT_EQ(rufe({"delete", "Akten"}), 0);
    EXPECT_EQ(aus,
              QStringLiteral("gelöscht: Datenbank\\Akten.log\ngelöscht: Datenbank\\Akten.dat\n"));
    EXPECT_FALSE(gibt("Datenbank/Akten.dat"));
    EXPECT_TRUE(gibt("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_C.txt"));
}

// Every refusal ends with status 1, says why and leaves the database alone; one that is being
// indexed can be neither indexed nor deleted.
TEST_F(BefehleTest, FehlerMitMeldungUndStatus) {
    schreibe("Datenbank/Akten.dat", "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n");
    Datenbanksperre laufenderIndex;
    ASSERT_EQ(laufenderIndex.nehmen(Programmordner(win()), "Akten"),
              Datenbanksperre::Ergebnis::Genommen);
    const std::pair<QStringList, QString> faelle[] = {
        {{"delete", "Nix"}, "Die Datenbank \"Nix\" existiert nicht!\n"},
        {{"gibtsnicht"}, "Unbekannter Befehl: gibtsnicht"},
        {{"schliessen"}, "Es läuft kein Kelvora-PDF-Fenster.\n"},
        {{"index", "Ak/ten", "T:\\"}, "Sie haben ungültige Zeichen eingegeben!"},
        {{"index", "Neu", "T:\\fehlt"}, "Der angegebene Ordner existiert nicht"},
        {{"index", "Neu", "Q:\\"}, "Das Laufwerk: \"Q\" hat kein NTFS-Dateisystem!"},
        // The test program's folder holds no lister, nor does the program folder.
        {{"index", "Neu", "T:\\"},
         "Fehler: ErstelleDateiliste ist nicht vorhanden! Gesucht wurde in:\n" +
             nativ("ErstelleDateiliste") + "\n"},
        {{"index", "Neu", "--ohne-texterkennung"},
         "Aufruf: kelvora index NAME ORDNER [--endungen \"*.pdf\"] [--neue-liste] "
         "[--ohne-texterkennung]\n"},
        {{"index", "Akten", "T:\\"},
         "Die Datenbank \"Akten\" wird gerade indiziert. Ein zweiter Lauf für diese Datenbank "
         "ist erst möglich, wenn der erste fertig ist."},
        {{"delete", "Akten", "--ja"},
         "Die Datenbank \"Akten\" wird gerade indiziert und kann erst danach gelöscht werden.\n"},
        {{"search", "Akten", "x"},
         "Hinweis: Nur ein Zeichen als Suchtext ist bei der \"Suche\" nicht erlaubt\n"},
        {{"search", "Akten", "  "}, "Hinweis: Sie haben keinen Suchtext eingegeben!\n"},
        {{"search", "Nix", "Vertrag"}, "Die Datenbank \"Nix\" existiert nicht!\n"},
        {{"search", "Akten"}, "Aufruf: kelvora search NAME TEXT"},
    };
    for (const auto& [argumente, meldung] : faelle) {
        EXPECT_EQ(rufe(argumente), 1) << argumente.join(' ').toStdString();
        EXPECT_TRUE(fehler.contains(meldung)) << fehler.toStdString();
    }
    EXPECT_EQ(lies("Datenbank/Akten.dat"), "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n");
    EXPECT_FALSE(gibt("Datenbank/Temp/Kelvora_Ergebnis.htm"));
    EXPECT_TRUE(Befehle::hilfe().contains("[--ohne-texterkennung]"));
}
