#include "cli/Befehle.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"

class SortBefehlTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        einstellungen.werte["Laufwerk_T"] = nativ();
        schreibe("Akten/Brief.pdf", "%PDF");
        schreibe("Datenbank/Akten.dat",
                 "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\nT:\\Akten\\Brief.pdf\r\n");
    }
    int rufe(QStringList argumente) {
        aus.clear();
        fehler.clear();
        QTextStream a(&aus), f(&fehler), e(&ein);
        Befehle b(einstellungen, {a, f, e, false});
        argumente.prepend(nativ());
        argumente.prepend("--dir");
        return b.ausfuehren(argumente);
    }
    void dokument() {
        schreibe("Datenbank/Akten_UTF8Dokument.txt",
                 " \r\n \r\n \r\n#T:\\Akten\\Brief.pdf\r\n=========\r\n"
                 "Sehr geehrte Frau M\xC3\xBCller, vielen Dank f\xC3\xBCr Ihren Brief.\r\n");
    }
    SpeicherEinstellungen einstellungen;
    QString aus, fehler, ein;
};

TEST_F(SortBefehlTest, WoerterEndeZuEnde) {
    dokument();
    EXPECT_EQ(rufe({"sort", "Akten"}), 0) << fehler.toStdString();
    EXPECT_EQ(aus, QStringLiteral("Sortierte Liste von: Akten_UTF8Dokument.txt\n"
                                  "geschrieben: Datenbank\\Akten_Phrasen_Woerter_Utf8Liste.txt\n"));
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"),
              QByteArray("Brief.\r\nDank\r\nf\xC3\xBCr\r\nFrau\r\ngeehrte\r\nIhren\r\n"
                         "M\xC3\xBCller\r\nSehr\r\nvielen\r\n=========\r\n"
                         "#T:\\Akten\\Brief.pdf\r\n \r\n"));
    EXPECT_TRUE(fehler.isEmpty());
}

TEST_F(SortBefehlTest, FalscheEingaben) {
    EXPECT_EQ(rufe({"sort"}), 1);
    EXPECT_EQ(fehler, QStringLiteral("Aufruf: kelvora sort NAME [--modus woerter|saetze|beide]\n"));
    EXPECT_EQ(rufe({"sort", "Akten", "--modus", "alles"}), 1);
    EXPECT_EQ(
        fehler,
        QStringLiteral("Unbekannter Modus \"alles\": erlaubt sind woerter, saetze und beide.\n"));
    EXPECT_EQ(rufe({"sort", "Akten", "--modus"}), 1);
    EXPECT_TRUE(fehler.startsWith("Unbekannter Modus \"\""));
    EXPECT_EQ(rufe({"sort", "Nix"}), 1);
    EXPECT_EQ(fehler, QStringLiteral("Die Datenbank \"Nix\" existiert nicht!\n"));
    EXPECT_FALSE(gibt("Datenbank/Nix_Phrasen_Woerter_Utf8Liste.txt"));
}

TEST_F(SortBefehlTest, OhneDokumentMeldungUndFehlerstatus) {
    EXPECT_EQ(rufe({"sort", "Akten"}), 1);
    EXPECT_EQ(fehler, QStringLiteral("Hinweis: Für die Datenbank \"Akten\" existieren keine "
                                     "Dokumente, die sortiert werden könnten!\n"));
    EXPECT_TRUE(aus.isEmpty());
}

TEST_F(SortBefehlTest, SchreibfehlerGibtFehlerstatus) {
    dokument();
    schreibe("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt/x", "");
    EXPECT_EQ(rufe({"sort", "Akten"}), 1);
    EXPECT_EQ(fehler, QStringLiteral("Warnung: Die sortierte Liste T:\\Datenbank\\Akten_Phrasen_"
                                     "Woerter_Utf8Liste.txt kann nicht geschrieben werden!\n"));
    EXPECT_EQ(aus, QStringLiteral("Sortierte Liste von: Akten_UTF8Dokument.txt\n"
                                  "Sortierung fehlgeschlagen\n"));
}

TEST_F(SortBefehlTest, HilfeNenntSort) {
    EXPECT_EQ(rufe({"--help"}), 0);
    EXPECT_TRUE(aus.contains("  sort NAME [--modus woerter|saetze|beide]"));
}
