#include "app/gui/TMainForm_Kelvora_PDF.h"

#include "platform/Platform.h"
#include "platform/gui/PlatformGui.h"
#include "searchwin/Suchformp.h"
#include "settings/einstellformp.h"
#include "tests/common/TestUmgebung.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

class HauptfensterTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        for (const char* name : {"Akten", "Post", "Rechnungen"})
            schreibe(QStringLiteral("Datenbank/%1.dat").arg(QLatin1String(name)), "");
    }

    TMainForm_Kelvora_PDF& fenster() {
        if (!fenster_) {
            fenster_ = std::make_unique<TMainForm_Kelvora_PDF>(
                Dienste{einstellungen, notifier, shell, Pump::still()}, Programmordner(win()));
            suchForm_ = new TSuchForm({einstellungen, notifier, shell, Pump::still()},
                                      Programmordner(win()), fenster_.get());
            einstellform_ = new TEinstellform(einstellungen, fenster_.get());
            fenster_->setFenster(suchForm_, einstellform_);
        }
        return *fenster_;
    }
    QStringList eintraege() {
        QStringList out;
        for (int i = 0; i < fenster().ListBox1->count(); ++i)
            out.append(fenster().ListBox1->item(i)->text());
        return out;
    }

    SpeicherEinstellungen einstellungen;
    ProtokollNotifier notifier;
    ProtokollShell shell;
    std::unique_ptr<TMainForm_Kelvora_PDF> fenster_;
    TSuchForm* suchForm_ = nullptr;
    TEinstellform* einstellform_ = nullptr;
};

TEST_F(HauptfensterTest, BeschriftungenUndErststart) {
    auto& f = fenster();
    EXPECT_EQ(f.SuchenBtn->text(), QStringLiteral("&Suchen"));
    EXPECT_EQ(f.NeuErstellenBtn->text(), QStringLiteral("  &Neue DB erstellen "));
    EXPECT_EQ(f.DBerneutIndizierenBtn->text(), QStringLiteral("DB erneut indizieren"));
    EXPECT_EQ(f.BitBtn2->text(), QStringLiteral("Schli&eßen"));
    EXPECT_EQ(f.SpeedButton3->text(), QStringLiteral("  Kelvora-PDF 4.0"));
    EXPECT_EQ(f.SpeedButton1->text(), QStringLiteral("?"));
    EXPECT_EQ(einstellungen.werte.value("Ausgewaehlte_Datenbank"), QStringLiteral("-1"));
    EXPECT_EQ(einstellungen.schreibvorgaenge.size(), 12u);
    EXPECT_TRUE(gibt("Datenbank/Temp"));
    EXPECT_TRUE(WindowRegistry::klasseVorhanden("TMainForm_Kelvora_PDF"));
}

// The saved index chooses the database; one beyond the list chooses the first.
TEST_F(HauptfensterTest, ErstesZeigenWaehltDieGespeicherteDatenbank) {
    einstellungen.werte["Ausgewaehlte_Datenbank"] = "5";
    fenster().show();
    EXPECT_EQ(fenster().ListBox1->currentRow(), 0);
    EXPECT_EQ(einstellungen.werte.value("Ausgewaehlte_Datenbank"), QStringLiteral("0"));
    fenster_.reset();
    einstellungen.werte["Ausgewaehlte_Datenbank"] = "2";
    fenster().show();
    EXPECT_EQ(eintraege(), (QStringList{"Akten", "Post", "Rechnungen"}));
    EXPECT_EQ(fenster().ListBox1->currentRow(), 2);
    EXPECT_EQ(fenster().ausgewaehlteDatenbank(), QStringLiteral("Rechnungen"));
    EXPECT_EQ(fenster().windowTitle(),
              System::isElevated()
                  ? QStringLiteral("Kelvora-PDF - Mit Administratorberechtigung gestartet.")
                  : QStringLiteral("  Kelvora-PDF -  Die Suchmaschine für PDF-Dokumente."));
}

TEST_F(HauptfensterTest, DialognameWaehltDieSpaetere) {
    schreibe("Datenbank/Akten2.dat", "");
    fenster().setDialogNameQuelle([] { return QStringLiteral("Akten"); });
    fenster().LiesNamenDatenbanken();
    EXPECT_EQ(fenster().ListBox1->currentItem()->text(), QStringLiteral("Akten2"));
}

TEST_F(HauptfensterTest, LoeschenMitBestaetigung) {
    einstellungen.werte["Ausgewaehlte_Datenbank"] = "1";
    fenster().show();
    schreibe("Datenbank/Post_AnsiDokument.txt", "x");
    schreibe("Datenbank/Lesezeichen_Ansi_Post.txt", "x");
    // "Nein" deletes nothing and chooses the first.
    notifier.antworten(false);
    fenster().Datenbankloeschen1Click();
    EXPECT_TRUE(gibt("Datenbank/Post.dat"));
    EXPECT_EQ(eintraege().size(), 3);
    EXPECT_EQ(fenster().ListBox1->currentRow(), 0);
    fenster().ListBox1->setCurrentRow(1);
    notifier.antworten(true);
    fenster().Datenbankloeschen1Click();
    ASSERT_FALSE(notifier.meldungen().empty());
    EXPECT_EQ(notifier.meldungen().back().text,
              QStringLiteral("Möchten Sie die Datenbank \"Post\" wirklich löschen?"));
    EXPECT_FALSE(gibt("Datenbank/Post.dat"));
    EXPECT_FALSE(gibt("Datenbank/Post_AnsiDokument.txt"));
    EXPECT_TRUE(gibt("Datenbank/Lesezeichen_Ansi_Post.txt"));
    EXPECT_EQ(eintraege(), (QStringList{"Akten", "Rechnungen"}));
    EXPECT_EQ(fenster().ListBox1->currentRow(), 0);
    EXPECT_EQ(einstellungen.werte.value("Ausgewaehlte_Datenbank"), QStringLiteral("0"));
}

TEST_F(HauptfensterTest, SchliessenFragtUndSpeichert) {
    fenster().show();
    schreibe("Datenbank/Temp/Seite1.htm", "x");
    notifier.antworten(false);
    EXPECT_FALSE(fenster().close());
    EXPECT_EQ(notifier.meldungen().back().text, QStringLiteral("Kelvora-PDF wirklich schließen?"));
    EXPECT_TRUE(gibt("Datenbank/Temp/Seite1.htm"));

    fenster().resize(950, 560);
    notifier.antworten(true);
    EXPECT_TRUE(fenster().close());
    EXPECT_EQ(einstellungen.werte.value("Weite"), QString::number(fenster().width()));
    EXPECT_EQ(einstellungen.werte.value("Hoehe"), QString::number(fenster().height()));
    EXPECT_FALSE(einstellungen.werte.value("SchriftsizeTextViewer").isEmpty());
    EXPECT_FALSE(gibt("Datenbank/Temp/Seite1.htm"));
}

TEST_F(HauptfensterTest, LeereListeSpeichertMinusEins) {
    for (const char* name : {"Akten", "Post", "Rechnungen"})
        QFile::remove(nativ(QStringLiteral("Datenbank/%1.dat").arg(QLatin1String(name))));
    fenster().show();
    EXPECT_EQ(fenster().ListBox1->count(), 0);
    fenster().close();
    EXPECT_EQ(einstellungen.werte.value("Ausgewaehlte_Datenbank"), QStringLiteral("-1"));
}

TEST_F(HauptfensterTest, SchliessknopfBrichtLaufendeArbeitAb) {
    auto& f = fenster();
    f.show();
    f.lauf.indizierung = true;
    f.BitBtn2Click();
    EXPECT_TRUE(f.lauf.abbruch);
    EXPECT_FALSE(f.lauf.indizierung);
    EXPECT_FALSE(f.BitBtn2->isEnabled());
    EXPECT_EQ(f.Label1->text(),
              QStringLiteral("Indizierung wurde abgebrochen! Die Daten werden gespeichert"));

    f.lauf = {};
    f.lauf.ersterShow = false;
    f.lauf.aktualisierung = true;
    f.BitBtn2Click();
    EXPECT_EQ(f.Label1->text(), QStringLiteral("Aktualisierung wurde abgebrochen! "));
    EXPECT_TRUE(f.isVisible());

    f.lauf = {};
    f.lauf.ersterShow = false;
    f.lauf.sucheLaeuft = true;
    f.BitBtn2->setText("&Abbruch");
    f.BitBtn2Click();
    EXPECT_EQ(f.BitBtn2->text(), QStringLiteral("Schli&eßen"));
    EXPECT_TRUE(f.lauf.abbruch);
}

TEST_F(HauptfensterTest, HilfeOeffnetDasHandbuch) {
    // The copy in the program folder comes before the one beside the program.
    schreibe("Hilfe_Kelvora_PDF.pdf", "%PDF-1.4");
    fenster().SpeedButton1Click();
    ASSERT_EQ(shell.aufrufe.size(), 1u);
    EXPECT_EQ(shell.aufrufe[0].art, QStringLiteral("oeffnen"));
    EXPECT_EQ(shell.aufrufe[0].programm, QStringLiteral("T:\\Hilfe_Kelvora_PDF.pdf"));
}

TEST_F(HauptfensterTest, ZaehlerzeileLaeuft) {
    auto& f = fenster();
    f.anzahlDateien = 1234;
    f.jobAnzeigeStarten();
    QTest::qWait(450);
    EXPECT_TRUE(
        f.Label2->text().startsWith(QStringLiteral("Anzahl Dateien:     1.234     Zeit: 0:0:")))
        << f.Label2->text().toStdString();
    f.jobAnzeigeStoppen();
}

// The close message of another program closes as the button does; another parameter not.
TEST_F(HauptfensterTest, SchliessnachrichtVonAussen) {
    fenster().show();
    ASSERT_TRUE(
        Fensternachricht::senden(static_cast<pid_t>(QCoreApplication::applicationPid()), 7));
    QTest::qWait(200);
    EXPECT_TRUE(fenster().isVisible());
    EXPECT_TRUE(notifier.meldungen().empty());
    notifier.antworten(true);
    ASSERT_TRUE(
        Fensternachricht::senden(static_cast<pid_t>(QCoreApplication::applicationPid()), 99));
    QTRY_VERIFY_WITH_TIMEOUT(!fenster().isVisible(), 5000);
    EXPECT_EQ(notifier.meldungen().back().text, QStringLiteral("Kelvora-PDF wirklich schließen?"));
}

TEST(Farben, AuswahlUmSiebenProzentDunkler) {
    EXPECT_EQ(Farben::abgedunkelt(QColor(255, 144, 0), -7), QColor(238, 134, 0));
    EXPECT_EQ(Farben::abgedunkelt(QColor(100, 15, 1), -7), QColor(93, 14, 1));
    EXPECT_EQ(Farben::farbe(Farbtext::Standardfarbe), QColor(255, 144, 0));
    EXPECT_EQ(Farben::wert(QColor(255, 144, 0)), Farbtext::Standardfarbe);
}
