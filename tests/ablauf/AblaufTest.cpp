// The programs as the build leaves them: this test program lives in the same folder as
// kelvora-pdf, kelvora and ErstelleDateiliste, so the window finds the lister exactly as
// the built program does, and the real pdftotext converts.

#include "tests/ablauf/Ablauf.h"
#include "app/gui/TMainForm_Kelvora_PDF.h"
#include "index/gui/THinweisForm.h"
#include "index/gui/TOKBottomDlg.h"
#include "platform/Platform.h"
#include "searchwin/Suchformp.h"
#include "settings/einstellformp.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// The texts of the two PDFs; the converter's output must carry them into the document.
const QString textA = QStringLiteral("Rechnung Nummer 7 über Äpfel");
const QString textB = QStringLiteral("Angebot Nummer 8 für Birnen");

} // namespace

class AblaufTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        // The settings file lies in this test's folder only once Umgebung has set it up.
        einstellungen = std::make_unique<SettingsStore>();
        QDir().mkpath(nativ("Akten/Unter"));
        ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/a.pdf"), {textA}));
        ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/Unter/b.pdf"), {textB}));
        ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Anderes.pdf"), {"Nicht im Ordner"}));
    }
    // The lister is a program of its own and reads its drive letters from the settings.
    void laufwerkEinrichten() {
        einstellungen->SchreibeRegKey(QStringLiteral("Laufwerk_T"), programmNativ_);
    }

    // The windows as the program's entry creates them, with a notifier that records.
    void fensterBauen() {
        const Dienste dienste{*einstellungen, notifier, shell, Pump::still()};
        hauptfenster = std::make_unique<TMainForm_Kelvora_PDF>(dienste, Programmordner(win()));
        auto* einstellform = new TEinstellform(*einstellungen, hauptfenster.get());
        auto* hinweis = new THinweisForm(hauptfenster.get());
        hauptfenster->neueDatenbankDialog()->setHinweisFrage(
            [hinweis](const QString& text) { return hinweis->fragen(text); });
        hauptfenster->setFenster(new TSuchForm(dienste, Programmordner(win()), hauptfenster.get()),
                                 einstellform);
        hauptfenster->show();
    }

    // "Neue DB erstellen", the dialog answered as a user would: name, folder chosen, OK.
    void neueDatenbank(const QString& name) {
        QTimer::singleShot(0, [this, name] {
            auto* d = hauptfenster->neueDatenbankDialog();
            d->Edit1->setText(name);
            d->setOrdnerWahl([this](const QString&) { return nativ("Akten"); });
            d->OrdnerwaehlenButtonClick();
            d->OKBtnClick();
        });
        hauptfenster->NeuErstellenBtnClick();
    }

    std::unique_ptr<SettingsStore> einstellungen;
    ProtokollNotifier notifier;
    Shell shell;
    std::unique_ptr<TMainForm_Kelvora_PDF> hauptfenster;
};

TEST_F(AblaufTest, NeueDatenbankImHauptfenster) {
    laufwerkEinrichten();
    fensterBauen();
    neueDatenbank(QStringLiteral("Rechnungen"));
    ASSERT_TRUE(hauptfenster->wartetAufLister());
    // The lister needs milliseconds; the watch must see it at its first tick, not give up
    // after a minute.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return hauptfenster->Label1->text() == "Fertig mit der Indizierung."; }, 20000))
        << hauptfenster->Label1->text().toStdString() << notifier.texte().join('|').toStdString();
    EXPECT_TRUE(notifier.meldungen().empty()) << notifier.texte().join('|').toStdString();
    EXPECT_TRUE(gibt("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt"));

    const Ablauf::Datenbank db = Ablauf::lesen(programmNativ_, "Rechnungen");
    EXPECT_EQ(db.kopf, "PFAD_UND_ENDUNGEN= " + win("Akten") + " *.pdf    ");
    Ablauf::dokumentPruefen(db,
                            {{win("Akten\\a.pdf"), textA}, {win("Akten\\Unter\\b.pdf"), textB}});
    EXPECT_EQ(db.log.value(1), QStringLiteral("Dateien insgesamt: 2"));
    EXPECT_EQ(db.log.value(2), QStringLiteral("Konnten nicht indiziert werden: 0"));
    EXPECT_TRUE(db.log.value(3).startsWith("2 PDF-Dateien wurden indiziert.   Zeit: "));

    ASSERT_EQ(hauptfenster->ListBox1->count(), 1);
    EXPECT_EQ(hauptfenster->ListBox1->item(0)->text(), QStringLiteral("Rechnungen"));
    EXPECT_TRUE(hauptfenster->SuchenBtn->isEnabled());
    EXPECT_TRUE(hauptfenster->BitBtn2->isEnabled());
}

// A lister that fails (its drive letter is not set up for it) ends the run at once with
// what it said; nothing is indexed.
TEST_F(AblaufTest, GescheiterterListerImHauptfenster) {
    fensterBauen();
    neueDatenbank(QStringLiteral("Rechnungen"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !hauptfenster->wartetAufLister(); }, 20000));
    EXPECT_EQ(hauptfenster->Label1->text(),
              QStringLiteral("Die Hauptdateiliste wurde nicht erstellt."));
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen()[0].art, Notifier::Art::Fehler);
    EXPECT_EQ(notifier.meldungen()[0].text,
              QStringLiteral("\"ErstelleDateiliste\" ist mit dem Fehler 1 beendet worden. Die "
                             "Hauptdateiliste wurde nicht erstellt.\nLaufwerk T ist nicht "
                             "zugeordnet."));
    EXPECT_FALSE(gibt("Datenbank/Rechnungen.dat"));
    EXPECT_EQ(hauptfenster->ListBox1->count(), 0);
    EXPECT_TRUE(hauptfenster->NeuErstellenBtn->isEnabled());
    EXPECT_TRUE(hauptfenster->BitBtn2->isEnabled());
}

// The "?" button finds the manual the build set beside the programs.
TEST_F(AblaufTest, HilfeNebenDenProgrammen) {
    ProtokollShell protokoll;
    TMainForm_Kelvora_PDF fenster({*einstellungen, notifier, protokoll, Pump::still()},
                                  Programmordner(win()));
    fenster.SpeedButton1Click();
    ASSERT_EQ(protokoll.aufrufe.size(), 1u);
    EXPECT_EQ(protokoll.aufrufe[0].programm,
              QCoreApplication::applicationDirPath() + "/Hilfe_Kelvora_PDF.pdf");
    EXPECT_TRUE(notifier.meldungen().empty());
    EXPECT_TRUE(Ablauf::hilfeIstHandbuch(protokoll.aufrufe[0].programm));
}

TEST_F(AblaufTest, KommandozeileIndiziertUndSucht) {
    laufwerkEinrichten();
    Ablauf::kommandozeilePruefen(QCoreApplication::applicationDirPath() + "/kelvora",
                                 programmNativ_, nativ("Akten"), textA, textB);
}
