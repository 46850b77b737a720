#include "cli/Befehle.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>

class SuchBefehlTest : public Umgebung {
protected:
    int rufe(QStringList argumente) {
        aus.clear();
        fehler.clear();
        QString ein;
        QTextStream a(&aus), f(&fehler), e(&ein);
        Befehle b(einstellungen, {a, f, e, false});
        einstellungen.werte["Laufwerk_T"] = nativ();
        argumente.prepend(nativ());
        argumente.prepend("--dir");
        return b.ausfuehren(argumente);
    }
    // Three made-up PDFs indexed by "kelvora index" from a master list of the drive.
    void indizieren() {
        QDir().mkpath(nativ("Akten/Alt"));
        ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/Bär.pdf"), {"Inhalt über Bären"}));
        ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/Miete.pdf"),
                                            {"Der Mietvertrag endet im Mai", "Seite zwei"}));
        ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/Alt/Kauf.pdf"),
                                            {"Kaufvertrag vom Juni", "noch ein Vertrag"}));
        schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt",
                 win("Akten\\Bär.pdf").toUtf8() + "\r\n\" Miete.pdf\r\n" +
                     win("Akten\\Alt\\Kauf.pdf").toUtf8() + "\r\n");
        ASSERT_EQ(rufe({"index", "Akten", "T:\\Akten"}), 0) << fehler.toStdString();
        ASSERT_TRUE(gibt("Datenbank/Akten_Utf8_TitelPositionen.txt"));
    }
    // The hit lines of the output: path and context.
    QList<QStringList> treffer() const {
        QList<QStringList> out;
        for (const QString& z : aus.split('\n', Qt::SkipEmptyParts))
            if (z.contains('\t'))
                out << z.split('\t');
        return out;
    }

    SpeicherEinstellungen einstellungen;
    QString aus, fehler;
};

TEST_F(SuchBefehlTest, IndexierteDateienWerdenMitKontextGefunden) {
    indizieren();
    EXPECT_EQ(rufe({"search", "Akten", "vertrag"}), 0) << fehler.toStdString();
    const auto t = treffer();
    ASSERT_EQ(t.size(), 2) << aus.toStdString();
    // Document order is the order of the catalogue: Bär, Miete, Kauf.
    EXPECT_EQ(t[0][0], win("Akten\\Miete.pdf"));
    EXPECT_TRUE(t[0][1].startsWith("Der Mietvertrag endet im Mai")) << t[0][1].toStdString();
    EXPECT_EQ(t[1][0], win("Akten\\Alt\\Kauf.pdf"));
    EXPECT_TRUE(t[1][1].startsWith("Kaufvertrag vom Juni")) << t[1][1].toStdString();
    EXPECT_TRUE(
        aus.endsWith("Ergebnisseite: " + nativ("Datenbank/Temp/Kelvora_Ergebnis.htm") + "\n"));
    const QString seite = QString::fromUtf8(lies("Datenbank/Temp/Kelvora_Ergebnis.htm"));
    EXPECT_TRUE(seite.contains("<a href=\"file://" + nativ("Akten/Miete.pdf") +
                               "\" target=\"_blank\">file:///T:/Akten/Miete.pdf</a>"));
    EXPECT_TRUE(seite.contains("Der Miet<b>vertrag</b> endet"));
    EXPECT_TRUE(seite.contains("> wurde in 2 Dateien gefunden."));
}

TEST_F(SuchBefehlTest, UmlauteImPfadUndImText) {
    indizieren();
    EXPECT_EQ(rufe({"search", "Akten", "über Bären"}), 0) << fehler.toStdString();
    const auto t = treffer();
    ASSERT_EQ(t.size(), 1) << aus.toStdString();
    EXPECT_EQ(t[0][0], win("Akten\\Bär.pdf"));
    EXPECT_TRUE(t[0][1].startsWith("Inhalt über Bären")) << t[0][1].toStdString();
}

TEST_F(SuchBefehlTest, GrossKleinUndGanzeWoerter) {
    indizieren();
    EXPECT_EQ(rufe({"search", "Akten", "VERTRAG", "--gross"}), 0);
    EXPECT_TRUE(treffer().isEmpty());
    EXPECT_TRUE(QString::fromUtf8(lies("Datenbank/Temp/Kelvora_Ergebnis.htm"))
                    .contains("wurde NICHT gefunden:<br>"));
    EXPECT_EQ(rufe({"search", "Akten", "Vertrag", "--ganze-woerter"}), 0);
    const auto t = treffer();
    ASSERT_EQ(t.size(), 1) << aus.toStdString();
    EXPECT_EQ(t[0][0], win("Akten\\Alt\\Kauf.pdf"));
    EXPECT_TRUE(t[0][1].contains("noch ein Vertrag"));
}

TEST_F(SuchBefehlTest, AbgelehnteEingaben) {
    schreibe("Datenbank/Akten.dat", "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n");
    EXPECT_EQ(rufe({"search", "Akten", "x"}), 1);
    EXPECT_EQ(fehler, QStringLiteral("Hinweis: Nur ein Zeichen als Suchtext ist bei der "
                                     "\"Suche\" nicht erlaubt\n"));
    EXPECT_EQ(rufe({"search", "Akten", "  "}), 1);
    EXPECT_EQ(fehler, QStringLiteral("Hinweis: Sie haben keinen Suchtext eingegeben!\n"));
    EXPECT_EQ(rufe({"search", "Nix", "Vertrag"}), 1);
    EXPECT_EQ(fehler, QStringLiteral("Die Datenbank \"Nix\" existiert nicht!\n"));
    EXPECT_EQ(rufe({"search", "Akten"}), 1);
    EXPECT_TRUE(fehler.startsWith("Aufruf: kelvora search NAME TEXT"));
    EXPECT_FALSE(gibt("Datenbank/Temp/Kelvora_Ergebnis.htm"));
    EXPECT_TRUE(aus.isEmpty());
}
