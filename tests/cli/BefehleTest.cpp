#include "cli/Befehle.h"

#include "tests/common/TestUmgebung.h"

class BefehleTest : public Umgebung {
protected:
    int rufe(QStringList argumente, bool interaktiv = false, const QString& eingabe = QString()) {
        aus.clear();
        fehler.clear();
        ein = eingabe;
        QTextStream a(&aus), f(&fehler), e(&ein);
        Befehle b(einstellungen, {a, f, e, interaktiv});
        argumente.prepend(nativ());
        argumente.prepend("--dir");
        return b.ausfuehren(argumente);
    }
    SpeicherEinstellungen einstellungen;
    QString aus, fehler, ein;
};

TEST_F(BefehleTest, ListeZeigtDieDatenbanken) {
    EXPECT_EQ(rufe({"list"}), 0);
    EXPECT_TRUE(aus.isEmpty());
    EXPECT_TRUE(fehler.startsWith("Es existiert noch keine Datenbank in "));
    EXPECT_TRUE(gibt("Datenbank/Temp"));
    schreibe("Datenbank/Akten.DAT", "");
    schreibe("Datenbank/b_mht.dat", "");
    EXPECT_EQ(rufe({"list"}), 0);
    EXPECT_EQ(aus, QStringLiteral("Akten\n"));
}

TEST_F(BefehleTest, LoeschenOhneTerminalFragtNicht) {
    schreibe("Datenbank/Akten.dat", "");
    schreibe("Datenbank/Akten.log", "");
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_C.txt", "");
    EXPECT_EQ(rufe({"delete", "Akten"}), 0);
    EXPECT_EQ(aus,
              QStringLiteral("gelöscht: Datenbank\\Akten.log\ngelöscht: Datenbank\\Akten.dat\n"));
    EXPECT_FALSE(gibt("Datenbank/Akten.dat"));
    EXPECT_TRUE(gibt("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_C.txt"));
}

TEST_F(BefehleTest, LoeschenAmTerminalFragt) {
    schreibe("Datenbank/Akten.dat", "");
    EXPECT_EQ(rufe({"delete", "Akten"}, true, "n\n"), 0);
    EXPECT_TRUE(fehler.contains("Möchten Sie die Datenbank \"Akten\" wirklich löschen?"));
    EXPECT_TRUE(gibt("Datenbank/Akten.dat"));
    EXPECT_EQ(rufe({"delete", "Akten", "--ja"}, true), 0);
    EXPECT_FALSE(gibt("Datenbank/Akten.dat"));
}

TEST_F(BefehleTest, FehlerMitMeldungUndStatus) {
    EXPECT_EQ(rufe({"delete", "Nix"}), 1);
    EXPECT_EQ(fehler, QStringLiteral("Die Datenbank \"Nix\" existiert nicht!\n"));
    EXPECT_EQ(rufe({"gibtsnicht"}), 1);
    EXPECT_TRUE(fehler.startsWith("Unbekannter Befehl: gibtsnicht"));
    EXPECT_EQ(rufe({"schliessen"}), 1);
    EXPECT_EQ(fehler, QStringLiteral("Es läuft kein Kelvora-PDF-Fenster.\n"));
}
