#include "searchwin/TSuchForm.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"
#include "viewer/TextViewer.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTest>

class SuchFormTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        Programmordner(win()).ordnerAnlegen(notifier);
        form = std::make_unique<TSuchForm>(Dienste{einstellungen, notifier, shell, Pump::still()},
                                           Programmordner(win()));
        form->setDatenbank(QStringLiteral("Akten"));
    }
    // Two records; the second path has an umlaut.
    void dokument() {
        QByteArray a = " \r\n \r\n \r\n#T:\\a.pdf\r\n====\r\nerste Zeile\r\n";
        for (int i = 0; i < 300; ++i)
            a += "Text der ersten Datei, Zeile " + QByteArray::number(i) + "\r\n";
        const QByteArray b = " \r\n \r\n \r\n#T:\\Bär.pdf\r\n=====\r\nzweite Zeile\r\n";
        schreibe("Datenbank/Akten_UTF8Dokument.txt", a + b);
        schreibe("Datenbank/Akten_Utf8_TitelPositionen.txt",
                 "9 #T:\\a.pdf\r\n" + QByteArray::number(a.size() + 9) +
                     " #T:\\B\xC3\x83\xC2\xA4r.pdf\r\n");
        zweiterSatz = a.size() + 9;
    }
    SpeicherEinstellungen einstellungen;
    ProtokollNotifier notifier;
    ProtokollShell shell;
    std::unique_ptr<TSuchForm> form;
    qint64 zweiterSatz = 0;
};

TEST_F(SuchFormTest, DreiByteDokumentIstLeer) {
    schreibe("Datenbank/Akten_UTF8Dokument.txt", "abc");
    form->show();
    EXPECT_FALSE(form->UTF8LadenButton->isEnabled());
    form->UTF8LadenButtonClick();
    EXPECT_EQ(form->Label8->text(), QStringLiteral("UTF8-Dokument enthält keine Einträge:"));
    EXPECT_EQ(form->GeladeneVariante, TSuchForm::Variante::Utf8);
}

TEST_F(SuchFormTest, DokumentLadenZeigtBeschriftungUndTitel) {
    dokument();
    form->show();
    EXPECT_TRUE(form->UTF8LadenButton->isEnabled());
    EXPECT_FALSE(form->AnsiLadenButton->isEnabled());
    form->UTF8LadenButtonClick();
    EXPECT_EQ(form->Label8->text(), QStringLiteral("UTF8-DB: \"Akten\"  Position: "));
    EXPECT_EQ(form->DokumentDatei, win("Datenbank\\Akten_UTF8Dokument.txt"));
    EXPECT_EQ(form->VariantenPraefix, QStringLiteral("UTF8-"));
    EXPECT_EQ(form->TitelPositionen.anzahl(), 2);
    QTest::qWait(50);
    EXPECT_TRUE(form->LesezeichenErlaubt);
    EXPECT_TRUE(form->ViewerMemo->toPlainText().contains("erste Zeile"));
    form->AnsichtPosition = zweiterSatz + 10;
    form->ZeigDieTitelAn();
    EXPECT_EQ(form->Label2->toolTip(), QStringLiteral("T:\\Bär.pdf"));
    EXPECT_TRUE(form->Label2->text().endsWith(QStringLiteral("  \"T:\\Bär.pdf\"")))
        << form->Label2->text().toStdString();
    form->AnsichtPosition = 3;
    form->ZeigDieTitelAn();
    EXPECT_EQ(form->Label2->text(), QStringLiteral("3"));
}

TEST_F(SuchFormTest, LesezeichenFuehrtZurGespeichertenStelle) {
    dokument();
    einstellungen.werte.insert("Lesezeichen_Utf8_Akten", QString::number(zweiterSatz));
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->UTF8LadenButtonClick();
    EXPECT_GT(form->Viewer->Position(), 0);
    EXPECT_LE(form->Viewer->Position(), zweiterSatz);
    // A bookmark of 0 leaves the viewer at the start.
    einstellungen.werte.insert("Lesezeichen_Utf8_Akten", "0");
    form->DokumentSchliessen();
    form->SuchzustandZuruecksetzen();
    form->UTF8LadenButtonClick();
    EXPECT_EQ(form->Viewer->Position(), 0);
}

TEST_F(SuchFormTest, MindestgroesseUndSplitter) {
    form->show();
    form->resize(900, 400);
    EXPECT_EQ(form->width(), 1043);
    EXPECT_EQ(form->height(), 500);
    EXPECT_EQ(form->PanelLinks->width(), 483);
    form->Splitter1->setSizes({520, 500});
    form->Splitter1Moved();
    EXPECT_EQ(einstellungen.werte.value("SplitterPos"), QStringLiteral("520"));
}

TEST_F(SuchFormTest, HilfeUndSchliessen) {
    form->show();
    schreibe("Hilfe_Kelvora_PDF.pdf", "%PDF-1.4");
    form->SpeedButton1Click();
    ASSERT_EQ(shell.aufrufe.size(), 1u);
    EXPECT_EQ(shell.aufrufe[0].programm, win("Hilfe_Kelvora_PDF.pdf"));
    form->CancelBtnClick();
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_FALSE(form->isVisible());
}
