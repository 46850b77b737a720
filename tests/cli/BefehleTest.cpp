#include "cli/Befehle.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>

class BefehleTest : public Umgebung {
protected:
    int rufe(QStringList argumente, bool interaktiv = false, const QString& eingabe = QString()) {
        aus.clear();
        fehler.clear();
        ein = eingabe;
        QTextStream a(&aus), f(&fehler), e(&ein);
        Befehle b(einstellungen, {a, f, e, interaktiv});
        einstellungen.werte["Laufwerk_T"] = nativ();
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

TEST_F(BefehleTest, IndizierenAusVorhandenerHauptliste) {
    QDir().mkpath(nativ("Akten"));
    ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/Bär.pdf"), {"Inhalt über Bären"}));
    schreibe("Akten/notiz.txt", "x");
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt",
             win("Akten\\Bär.pdf").toUtf8() + "\r\n\" notiz.txt\r\n");
    EXPECT_EQ(rufe({"index", "Akten", "T:\\Akten"}), 0) << fehler.toStdString();
    EXPECT_EQ(TextFiles::dekodieren(lies("Datenbank/Akten.dat")),
              "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n" +
                  Ansi::zuByteForm(win("Akten\\Bär.pdf")) + "\r\n");
    EXPECT_TRUE(lies("Datenbank/Akten_UTF8Dokument.txt")
                    .contains("Inhalt \xC3\xBC"
                              "ber B\xC3\xA4ren"));
    EXPECT_TRUE(aus.contains("Dateien insgesamt: 1\n"));
    EXPECT_TRUE(aus.contains("1 PDF-Dateien wurden indiziert."));
    EXPECT_TRUE(gibt("Datenbank/Akten.log"));
}

TEST_F(BefehleTest, IndizierenOhneTexterkennung) {
    QDir().mkpath(nativ("Akten"));
    ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/Brief.pdf"), {"Brief vom Amt"}));
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt",
             win("Akten\\Brief.pdf").toUtf8() + "\r\n");
    // The switch may stand anywhere and is no folder or name.
    EXPECT_EQ(rufe({"index", "--ohne-texterkennung", "Akten", "T:\\Akten"}), 0)
        << fehler.toStdString();
    EXPECT_TRUE(lies("Datenbank/Akten_UTF8Dokument.txt").contains("Brief vom Amt"));
    EXPECT_EQ(rufe({"index", "Akten", "--ohne-texterkennung"}), 1);
    EXPECT_EQ(fehler, QStringLiteral("Aufruf: kelvora index NAME ORDNER [--endungen \"*.pdf\"] "
                                     "[--neue-liste] [--ohne-texterkennung]\n"));
    EXPECT_TRUE(Befehle::hilfe().contains("[--ohne-texterkennung]"));
}

// Every refusal ends with status 1 and says why.
TEST_F(BefehleTest, FehlerMitMeldungUndStatus) {
    const std::pair<QStringList, QString> faelle[] = {
        {{"delete", "Nix"}, "Die Datenbank \"Nix\" existiert nicht!\n"},
        {{"gibtsnicht"}, "Unbekannter Befehl: gibtsnicht"},
        {{"schliessen"}, "Es läuft kein Kelvora-PDF-Fenster.\n"},
        {{"index", "Ak/ten", "T:\\"}, "Sie haben ungültige Zeichen eingegeben!"},
        {{"index", "Akten", "T:\\fehlt"}, "Der angegebene Ordner existiert nicht"},
        {{"index", "Akten", "Q:\\"}, "Das Laufwerk: \"Q\" hat kein NTFS-Dateisystem!"},
        // The test program's folder holds no lister, nor does the program folder.
        {{"index", "Akten", "T:\\"},
         "Fehler: ErstelleDateiliste ist nicht vorhanden! Gesucht wurde in:\n" +
             nativ("ErstelleDateiliste") + "\n"},
    };
    for (const auto& [argumente, meldung] : faelle) {
        EXPECT_EQ(rufe(argumente), 1) << argumente.join(' ').toStdString();
        EXPECT_TRUE(fehler.contains(meldung)) << fehler.toStdString();
    }
}

TEST_F(BefehleTest, VorhandeneDatenbankWirdNeuIndiziert) {
    schreibe("Datenbank/Akten.dat", "alt");
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt", "T:\\x.pdf\r\n");
    EXPECT_EQ(rufe({"index", "Akten", "T:\\"}), 0);
    EXPECT_TRUE(aus.startsWith("Datenbank wird aktualisiert.\n"));
    EXPECT_EQ(lies("Datenbank/Akten.dat"),
              QByteArray("PFAD_UND_ENDUNGEN= T:\\ *.pdf    \r\nT:\\x.pdf\r\n"));
}
