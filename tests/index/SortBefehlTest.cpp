#include "cli/Befehle.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"

#include <QDir>

class SortBefehlTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        einstellungen.werte["Laufwerk_T"] = nativ();
        schreibe("Akten/Brief.pdf", "%PDF");
        schreibe("Datenbank/Akten.dat",
                 "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\nT:\\Akten\\Brief.pdf\r\n");
    }
    int rufe(const QStringList& argumente) {
        aus.clear();
        fehler.clear();
        QTextStream a(&aus), f(&fehler), e(&ein);
        return Befehle(einstellungen, {a, f, e, false})
            .ausfuehren(QStringList{"--dir", nativ()} + argumente);
    }
    SpeicherEinstellungen einstellungen;
    QString aus, fehler, ein;
};

TEST_F(SortBefehlTest, WoerterEndeZuEnde) {
    schreibe("Datenbank/Akten_UTF8Dokument.txt",
             " \r\n \r\n \r\n#T:\\Akten\\Brief.pdf\r\n=========\r\n"
             "Sehr geehrte Frau M\xC3\xBCller, vielen Dank f\xC3\xBCr Ihren Brief.\r\n");
    EXPECT_EQ(rufe({"sort", "Akten"}), 0) << fehler.toStdString();
    EXPECT_EQ(aus, QStringLiteral("Sortierte Liste von: Akten_UTF8Dokument.txt\n"
                                  "geschrieben: Datenbank\\Akten_Phrasen_Woerter_Utf8Liste.txt\n"));
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"),
              QByteArray("Brief.\r\nDank\r\nf\xC3\xBCr\r\nFrau\r\ngeehrte\r\nIhren\r\n"
                         "M\xC3\xBCller\r\nSehr\r\nvielen\r\n=========\r\n"
                         "#T:\\Akten\\Brief.pdf\r\n \r\n"));
    EXPECT_TRUE(fehler.isEmpty());
    // A list that cannot be written fails the command.
    QFile::remove(nativ("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"));
    QDir().mkpath(nativ("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt/x"));
    EXPECT_EQ(rufe({"sort", "Akten"}), 1);
    EXPECT_EQ(fehler, QStringLiteral("Warnung: Die sortierte Liste T:\\Datenbank\\Akten_Phrasen_"
                                     "Woerter_Utf8Liste.txt kann nicht geschrieben werden!\n"));
}

TEST_F(SortBefehlTest, FalscheEingaben) {
    const std::pair<QStringList, QString> faelle[] = {
        {{"sort"}, "Aufruf: kelvora sort NAME [--modus woerter|saetze|beide]\n"},
        {{"sort", "Akten", "--modus", "alles"},
         "Unbekannter Modus \"alles\": erlaubt sind woerter, saetze und beide.\n"},
        {{"sort", "Akten", "--modus"},
         "Unbekannter Modus \"\": erlaubt sind woerter, saetze und beide.\n"},
        {{"sort", "Nix"}, "Die Datenbank \"Nix\" existiert nicht!\n"},
        {{"sort", "Akten"},
         "Hinweis: Für die Datenbank \"Akten\" existieren keine Dokumente, "
         "die sortiert werden könnten!\n"}};
    for (const auto& [argumente, meldung] : faelle) {
        EXPECT_EQ(rufe(argumente), 1) << argumente.join(' ').toStdString();
        EXPECT_EQ(fehler, meldung);
        EXPECT_TRUE(aus.isEmpty());
    }
    EXPECT_FALSE(gibt("Datenbank/Nix_Phrasen_Woerter_Utf8Liste.txt"));
    EXPECT_EQ(rufe({"--help"}), 0);
    EXPECT_TRUE(aus.contains("  sort NAME [--modus woerter|saetze|beide]"));
}
