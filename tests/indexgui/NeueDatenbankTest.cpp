#include "app/gui/TMainForm_Kelvora_PDF.h"
#include "index/gui/TOKBottomDlg.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class NeueDatenbankTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        Programmordner(win()).ordnerAnlegen(notifier);
        dialog = std::make_unique<TOKBottomDlg>(Programmordner(win()), notifier, Pump::still());
        dialog->setDatenbanknamen([] { return QStringList{"Akten"}; });
    }
    ProtokollNotifier notifier;
    std::unique_ptr<TOKBottomDlg> dialog;
};

TEST_F(NeueDatenbankTest, UngueltigeZeichenWerdenEntfernt) {
    QTest::keyClicks(dialog->Edit1, "Akten/2019");
    EXPECT_EQ(dialog->Edit1->text(), QStringLiteral("Akten2019"));
    EXPECT_EQ(notifier.texte(), QStringList{"Sie haben ungültige Zeichen eingegeben!"});
}

TEST_F(NeueDatenbankTest, LaufwerkOhneWurzelLeertDasFeld) {
    dialog->OrdnerEdit->setText("Q:\\Stick");
    EXPECT_TRUE(dialog->OrdnerEdit->text().isEmpty());
    notifier.leeren();
    dialog->OKBtnClick();
    EXPECT_EQ(notifier.texte(), (QStringList{"Sie haben keinen Namen für die Datenbank angegeben",
                                             "Sie haben keinen Pfad angegeben"}));
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(NeueDatenbankTest, DoppelterNameInGrossbuchstaben) {
    dialog->Edit1->setText("akten");
    dialog->OrdnerEdit->setText(win());
    dialog->OKBtnClick();
    EXPECT_EQ(notifier.texte(),
              QStringList{"Dieser Name existiert schon! Geben Sie einen anderen ein!"});
    EXPECT_TRUE(dialog->ausgewaehlteDatenbank().isEmpty());
}

TEST_F(NeueDatenbankTest, OrdnerwahlFragtNachVorhandenerListe) {
    QDir().mkpath(nativ("Akten"));
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt", "");
    dialog->setOrdnerWahl([this](const QString&) { return nativ("Akten"); });
    notifier.antworten(false);
    dialog->OrdnerwaehlenButtonClick();
    EXPECT_EQ(dialog->OrdnerEdit->text(), win("Akten"));
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen()[0].titel, QStringLiteral("Information"));
    const QStringList zeilen = notifier.meldungen()[0].text.split("\r\n");
    ASSERT_EQ(zeilen.size(), 13);
    EXPECT_EQ(zeilen[1],
              QStringLiteral("Die \"Haupt_Dateinamen_Liste_Laufwerk_T.txt\" ist schon vorhanden."));
    EXPECT_TRUE(zeilen[3].startsWith("\tSie wurde am: "));
    EXPECT_EQ(zeilen[5], QStringLiteral("\t\tSoll sie neu erstellt werden?"));
    EXPECT_FALSE(dialog->listerNoetig());
    EXPECT_FALSE(dialog->Image1->isHidden());

    // Without a list on disk there is no question; the lister will run.
    QFile::remove(nativ("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt"));
    notifier.leeren();
    dialog->OrdnerwaehlenButtonClick();
    EXPECT_TRUE(notifier.meldungen().empty());
    EXPECT_TRUE(dialog->listerNoetig());
    EXPECT_TRUE(dialog->Image1->isHidden());
}

// Re-indexing asks about the master list the run will read: the one below the control
// folder when that is in effect, else the one below the program folder.
TEST_F(NeueDatenbankTest, NeuindizierenFragtNachDerListeDesWirksamenOrdners) {
    QDir().mkpath(nativ("Akten"));
    const struct {
        const char* name;
        bool steuerordner;
        bool listeImProgrammordner;
        bool listeImSteuerordner;
        bool gefragt;
    } faelle[] = {
        {"Liste nur im Steuerordner", true, false, true, true},
        {"Liste nur im Programmordner, Steuerordner wirksam", true, true, false, false},
        {"Ohne Steuerordner", false, true, false, true},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QFile::remove(nativ("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt"));
        QFile::remove(nativ("Steuer/Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt"));
        if (fall.listeImProgrammordner)
            schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt", "");
        if (fall.listeImSteuerordner)
            schreibe("Steuer/Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt", "");
        dialog->setSteuerordner(fall.steuerordner ? win("Steuer\\") : QString());
        dialog->setAktualisierung(true);
        dialog->Edit1->setText("Akten");
        dialog->OrdnerEdit->setText(win("Akten"));
        notifier.leeren();
        notifier.antworten(false);
        dialog->OKBtnClick();
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(notifier.meldungen().size(), fall.gefragt ? 1u : 0u);
        // "Nein" keeps the list on disk; without a question the lister builds one.
        EXPECT_EQ(dialog->listerNoetig(), !fall.gefragt);
    }
}

TEST_F(NeueDatenbankTest, HauptfensterIndiziertMitVorhandenerListe) {
    SpeicherEinstellungen einstellungen;
    ProtokollShell shell;
    TMainForm_Kelvora_PDF fenster({einstellungen, notifier, shell, Pump::still()},
                                  Programmordner(win()));
    fenster.show();
    QDir().mkpath(nativ("Akten"));
    ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/a.pdf"), {"Rechnung Nummer 7"}));
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt",
             win("Akten\\a.pdf").toUtf8() + "\r\n");
    QTimer::singleShot(0, [&] {
        auto* d = fenster.neueDatenbankDialog();
        d->Edit1->setText("Rechnungen");
        d->OrdnerEdit->setText(win("Akten"));
        d->OKBtnClick();
    });
    fenster.NeuErstellenBtnClick();
    EXPECT_TRUE(lies("Datenbank/Rechnungen_UTF8Dokument.txt").contains("Rechnung Nummer 7"));
    EXPECT_EQ(fenster.Label1->text(), QStringLiteral("Fertig mit der Indizierung."));
    ASSERT_EQ(fenster.ListBox1->count(), 1);
    EXPECT_EQ(fenster.ListBox1->currentItem()->text(), QStringLiteral("Rechnungen"));
    EXPECT_TRUE(fenster.SuchenBtn->isEnabled());
    EXPECT_TRUE(fenster.Label2->text().startsWith("Anzahl Dateien:     1     Zeit: "));
}

// The lister road: the run waits until the lister's window has come and gone.
class ListerStrasseTest : public NeueDatenbankTest {
protected:
    void SetUp() override {
        NeueDatenbankTest::SetUp();
        fenster = std::make_unique<TMainForm_Kelvora_PDF>(
            Dienste{einstellungen, notifier, shell, Pump::still()}, Programmordner(win()));
        fenster->setUeberwachIntervall(1);
        fenster->show();
        QDir().mkpath(nativ("Akten"));
        ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/a.pdf"), {"Rechnung Nummer 7"}));
        // A lister the test stands in for: the watch sees only the window below.
        schreibe("ErstelleDateiliste", "#!/bin/sh\n");
        QFile(nativ("ErstelleDateiliste")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    void starten() {
        QTimer::singleShot(0, [this] {
            auto* d = fenster->neueDatenbankDialog();
            d->Edit1->setText("Rechnungen");
            d->setOrdnerWahl([this](const QString&) { return nativ("Akten"); });
            d->OrdnerwaehlenButtonClick();
            d->OKBtnClick();
        });
        fenster->NeuErstellenBtnClick();
    }
    SpeicherEinstellungen einstellungen;
    ProtokollShell shell;
    std::unique_ptr<TMainForm_Kelvora_PDF> fenster;
};

TEST_F(ListerStrasseTest, WartetBisDasListerfensterKamUndGing) {
    starten();
    ASSERT_EQ(shell.aufrufe.size(), 1u);
    EXPECT_EQ(shell.aufrufe[0].art, QStringLiteral("runas"));
    EXPECT_EQ(shell.aufrufe[0].programm, win("ErstelleDateiliste"));
    EXPECT_EQ(shell.aufrufe[0].parameter, QStringList{"open T"});
    EXPECT_EQ(shell.aufrufe[0].arbeitsordner, win());
    ASSERT_TRUE(fenster->wartetAufLister());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fenster->BitBtn2->isEnabled(); }, 2000));
    EXPECT_TRUE(fenster->windowTitle().startsWith(
        "Kelvora-PDF wartet auf Erstellung der Hauptdatei-Liste! "));
    {
        WindowRegistry::Eintrag lister("Erstelle Dateiliste - von Laufwerk T", "TListerForm");
        EXPECT_TRUE(QTest::qWaitFor([&] { return fenster->windowTitle().isEmpty(); }, 2000));
        schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt",
                 win("Akten\\a.pdf").toUtf8() + "\r\n");
        EXPECT_FALSE(fenster->SuchenBtn->isEnabled());
    }
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return fenster->Label1->text() == QStringLiteral("Fertig mit der Indizierung."); },
        5000));
    EXPECT_FALSE(fenster->wartetAufLister());
    EXPECT_TRUE(lies("Datenbank/Rechnungen_UTF8Dokument.txt").contains("Rechnung Nummer 7"));
    EXPECT_TRUE(fenster->SuchenBtn->isEnabled());
    EXPECT_TRUE(fenster->BitBtn2->isEnabled());
}

TEST_F(ListerStrasseTest, GibtNach120TicksOhneFensterAuf) {
    starten();
    ASSERT_TRUE(fenster->wartetAufLister());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fenster->wartetAufLister(); }, 10000));
    EXPECT_EQ(fenster->Label1->text(),
              QStringLiteral("\"ErstelleDateiliste.exe\" wurde abgebrochen, Vorgabezeit "
                             "überschritten oder noch nicht mit \"JA\" bestätigt!"));
    ASSERT_FALSE(notifier.texte().isEmpty());
    EXPECT_TRUE(notifier.texte().last().startsWith("Die Vorgabezeit ist überschritten! "));
    EXPECT_FALSE(gibt("Datenbank/Rechnungen.dat"));
    EXPECT_TRUE(fenster->NeuErstellenBtn->isEnabled());
    EXPECT_TRUE(fenster->BitBtn2->isEnabled());
    EXPECT_TRUE(fenster->windowTitle().isEmpty());
}

TEST_F(ListerStrasseTest, OhneListerprogrammGibtEsEineMeldungStattDerWache) {
    QFile::remove(nativ("ErstelleDateiliste"));
    starten();
    EXPECT_FALSE(fenster->wartetAufLister());
    EXPECT_TRUE(shell.aufrufe.empty());
    ASSERT_FALSE(notifier.texte().isEmpty());
    const QStringList zeilen = notifier.texte().last().split('\n');
    ASSERT_EQ(zeilen.size(), 4);
    EXPECT_EQ(zeilen[0],
              QStringLiteral("ErstelleDateiliste ist nicht vorhanden! Gesucht wurde in:"));
    EXPECT_EQ(zeilen[1], nativ("ErstelleDateiliste"));
    EXPECT_EQ(zeilen[2], QCoreApplication::applicationDirPath() + "/ErstelleDateiliste");
    EXPECT_TRUE(zeilen[3].endsWith("/libexec/kelvora-pdf/ErstelleDateiliste"));
    EXPECT_TRUE(fenster->NeuErstellenBtn->isEnabled());
}
