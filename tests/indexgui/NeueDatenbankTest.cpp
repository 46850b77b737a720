#include "app/gui/TMainForm_Kelvora_PDF.h"
#include "index/gui/TOKBottomDlg.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class NeueDatenbankTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        Programmordner(win()).ordnerAnlegen(notifier);
        QDir().mkpath(nativ("Akten"));
        dialog = std::make_unique<TOKBottomDlg>(Programmordner(win()), notifier, Pump::still());
        dialog->setDatenbanknamen([] { return QStringList{"Akten"}; });
    }
    ProtokollNotifier notifier;
    std::unique_ptr<TOKBottomDlg> dialog;
};

// Typed characters a file name cannot hold are taken out; a drive without a root empties
// the folder field.
TEST_F(NeueDatenbankTest, UngueltigeEingabenWerdenAbgewiesen) {
    QTest::keyClicks(dialog->Edit1, "Akten/2019");
    EXPECT_EQ(dialog->Edit1->text(), QStringLiteral("Akten2019"));
    EXPECT_EQ(notifier.texte(), QStringList{"Sie haben ungültige Zeichen eingegeben!"});
    dialog->OrdnerEdit->setText("Q:\\Stick");
    EXPECT_TRUE(dialog->OrdnerEdit->text().isEmpty());
}

// Re-indexing asks about the master list the run will read: the one below the control
// folder when that is in effect, else the one below the program folder. "Nein" keeps the
// list; without a question the lister builds one.
TEST_F(NeueDatenbankTest, NeuindizierenFragtNachDerListeDesWirksamenOrdners) {
    const struct {
        const char* name;
        bool steuerordner, listeImProgrammordner, listeImSteuerordner, gefragt;
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
        ASSERT_EQ(notifier.meldungen().size(), fall.gefragt ? 1u : 0u);
        if (fall.gefragt) {
            EXPECT_EQ(notifier.texte()[0].split("\r\n").value(1),
                      "Die \"Haupt_Dateinamen_Liste_Laufwerk_T.txt\" ist schon vorhanden.");
        }
        EXPECT_EQ(dialog->listerNoetig(), !fall.gefragt);
    }
}

// The run waits for the lister's window with the title saying so; a lister whose window
// never comes is given up after its ticks, and nothing is indexed.
TEST_F(NeueDatenbankTest, ListerOhneFensterWirdAufgegeben) {
    SpeicherEinstellungen einstellungen;
    ProtokollShell shell;
    TMainForm_Kelvora_PDF fenster({einstellungen, notifier, shell, Pump::still()},
                                  Programmordner(win()));
    fenster.setUeberwachIntervall(1);
    fenster.show();
    // A lister the test stands in for: the watch looks for its window only.
    schreibe("ErstelleDateiliste", "#!/bin/sh\n");
    QFile(nativ("ErstelleDateiliste")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    QTimer::singleShot(0, [&] {
        auto* d = fenster.neueDatenbankDialog();
        d->Edit1->setText("Rechnungen");
        d->setOrdnerWahl([this](const QString&) { return nativ("Akten"); });
        d->OrdnerwaehlenButtonClick();
        d->OKBtnClick();
    });
    fenster.NeuErstellenBtnClick();
    ASSERT_TRUE(fenster.wartetAufLister());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return fenster.windowTitle().startsWith(
                "Kelvora-PDF wartet auf Erstellung der Hauptdatei-Liste! ");
        },
        2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fenster.wartetAufLister(); }, 10000));
    EXPECT_EQ(fenster.Label1->text(),
              QStringLiteral("\"ErstelleDateiliste.exe\" wurde abgebrochen, Vorgabezeit "
                             "überschritten oder noch nicht mit \"JA\" bestätigt!"));
    ASSERT_FALSE(notifier.texte().isEmpty());
    EXPECT_TRUE(notifier.texte().last().startsWith("Die Vorgabezeit ist überschritten! "));
    EXPECT_FALSE(gibt("Datenbank/Rechnungen.dat"));
    EXPECT_TRUE(fenster.NeuErstellenBtn->isEnabled() && fenster.BitBtn2->isEnabled());
    EXPECT_TRUE(fenster.windowTitle().isEmpty());
}
