// The programs as the build leaves them: this test program lives in the same folder as
// kelvora-pdf, kelvora and ErstelleDateiliste, so the windows, built as main() builds them,
// find the lister and the manual exactly as the built program does, and the real pdftotext
// converts.

#include "tests/ablauf/Ablauf.h"
#include "app/gui/Anwendung.h"
#include "app/gui/TMainForm_Kelvora_PDF.h"
#include "index/gui/TOKBottomDlg.h"
#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class AblaufTest : public Umgebung {
protected:
    // The lister is a program of its own and reads its drive letters from the settings.
    void SetUp() override {
        Umgebung::SetUp();
        SettingsStore().SchreibeRegKey("Laufwerk_T", programmNativ_);
        Ablauf::aktenAnlegen(programmNativ_);
        QDir::setCurrent(programmNativ_);
    }
    void TearDown() override {
        anwendung.reset();
        QDir::setCurrent(QCoreApplication::applicationDirPath());
        Umgebung::TearDown();
    }

    // The program started without arguments in its folder; shell null: the real one.
    TMainForm_Kelvora_PDF& starten(Shell* shell = nullptr) {
        anwendung =
            std::make_unique<Anwendung>(QStringList{}, Anwendung::Aussenwelt{&notifier, shell});
        anwendung->hauptfenster().show();
        return anwendung->hauptfenster();
    }
    // "Neue DB erstellen", the dialog answered as a user would: name, folder chosen, OK; then
    // the run to its end.
    void neueDatenbank(TMainForm_Kelvora_PDF& fenster) {
        QTimer::singleShot(0, [&] {
            auto* d = fenster.neueDatenbankDialog();
            d->Edit1->setText("Rechnungen");
            d->setOrdnerWahl([this](const QString&) { return nativ("Akten"); });
            d->OrdnerwaehlenButtonClick();
            d->OKBtnClick();
        });
        fenster.NeuErstellenBtnClick();
        ASSERT_TRUE(fenster.wartetAufLister());
        // The lister needs milliseconds; the watch must see it at its first tick, not give up
        // after a minute.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !fenster.wartetAufLister(); }, 20000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return fenster.NeuErstellenBtn->isEnabled(); }, 20000));
    }

    ProtokollNotifier notifier;
    std::unique_ptr<Anwendung> anwendung;
};

TEST_F(AblaufTest, NeueDatenbankImHauptfenster) {
    TMainForm_Kelvora_PDF& fenster = starten();
    neueDatenbank(fenster);
    EXPECT_EQ(fenster.Label1->text(), "Fertig mit der Indizierung.");
    EXPECT_TRUE(notifier.meldungen().empty()) << notifier.texte().join('|').toStdString();
    Ablauf::datenbankPruefen(programmNativ_, "Rechnungen");
    ASSERT_EQ(fenster.ListBox1->count(), 1);
    EXPECT_EQ(fenster.ListBox1->item(0)->text(), "Rechnungen");
    EXPECT_TRUE(fenster.SuchenBtn->isEnabled() && fenster.BitBtn2->isEnabled());
}

// A lister that fails (its drive letter is gone from the settings it reads) ends the run at
// once with what it said; nothing is indexed.
TEST_F(AblaufTest, GescheiterterListerImHauptfenster) {
    TMainForm_Kelvora_PDF& fenster = starten();
    SettingsStore().SchreibeRegKey("Laufwerk_T", "");
    neueDatenbank(fenster);
    EXPECT_EQ(fenster.Label1->text(), "Die Hauptdateiliste wurde nicht erstellt.");
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen()[0].art, Notifier::Art::Fehler);
    EXPECT_EQ(notifier.meldungen()[0].text,
              "\"ErstelleDateiliste\" ist mit dem Fehler 1 beendet worden. Die Hauptdateiliste "
              "wurde nicht erstellt.\nLaufwerk T ist nicht zugeordnet.");
    EXPECT_FALSE(gibt("Datenbank/Rechnungen.dat"));
    EXPECT_EQ(fenster.ListBox1->count(), 0);
    EXPECT_TRUE(fenster.BitBtn2->isEnabled());
}

// The "?" button finds the manual the build set beside the programs.
TEST_F(AblaufTest, HilfeNebenDenProgrammen) {
    ProtokollShell shell;
    starten(&shell).SpeedButton1Click();
    ASSERT_EQ(shell.aufrufe.size(), 1u);
    EXPECT_EQ(shell.aufrufe[0].programm,
              QCoreApplication::applicationDirPath() + "/Hilfe_Kelvora_PDF.pdf");
    EXPECT_TRUE(notifier.meldungen().empty());
    EXPECT_TRUE(Ablauf::hilfeIstHandbuch(shell.aufrufe[0].programm));
}

TEST_F(AblaufTest, KommandozeileIndiziertUndSucht) {
    Ablauf::kommandozeilePruefen(QCoreApplication::applicationDirPath() + "/kelvora",
                                 programmNativ_);
}
