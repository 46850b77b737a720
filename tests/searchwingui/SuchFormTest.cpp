#include "Suchfenster.h"

using SuchFormTest = Suchfenster;

TEST_F(SuchFormTest, DreiByteDokumentIstLeer) {
    schreibe("Datenbank/Akten_UTF8Dokument.txt", "abc");
    EXPECT_FALSE(form().UTF8LadenButton->isEnabled());
    form().UTF8LadenButtonClick();
    EXPECT_EQ(form().Label8->text(), QStringLiteral("UTF8-Dokument enthält keine Einträge:"));
}

// The title of the record under the view, its path decoded twice; before the first record
// only the position.
TEST_F(SuchFormTest, DokumentLadenZeigtBeschriftungUndTitel) {
    const QByteArray a = " \r\n \r\n \r\n#T:\\a.pdf\r\n====\r\nerste Zeile\r\n";
    schreibe("Datenbank/Akten_UTF8Dokument.txt", a + " \r\n \r\n \r\n#T:\\B\xC3\xA4r.pdf\r\n");
    schreibe("Datenbank/Akten_Utf8_TitelPositionen.txt", "9 #T:\\a.pdf\r\n" +
                                                             QByteArray::number(a.size() + 9) +
                                                             " #T:\\B\xC3\x83\xC2\xA4r.pdf\r\n");
    EXPECT_FALSE(form().AnsiLadenButton->isEnabled());
    form().UTF8LadenButton->click();
    EXPECT_EQ(form().Label8->text(), QStringLiteral("UTF8-DB: \"Akten\"  Position: "));
    EXPECT_EQ(form().DokumentDatei, win("Datenbank\\Akten_UTF8Dokument.txt"));
    EXPECT_TRUE(form().ViewerMemo->toPlainText().contains("erste Zeile"));
    form().AnsichtPosition = a.size() + 10;
    form().ZeigDieTitelAn();
    EXPECT_EQ(form().Label2->toolTip(), QStringLiteral("T:\\Bär.pdf"));
    EXPECT_TRUE(form().Label2->text().endsWith(QStringLiteral("  \"T:\\Bär.pdf\"")))
        << form().Label2->text().toStdString();
    form().AnsichtPosition = 3;
    form().ZeigDieTitelAn();
    EXPECT_EQ(form().Label2->text(), QStringLiteral("3"));
}

TEST_F(SuchFormTest, SplitterHilfeUndSchliessen) {
    form().Splitter1->setSizes({520, 500});
    form().Splitter1Moved();
    EXPECT_EQ(einstellungen.werte.value("SplitterPos"), QStringLiteral("520"));
    schreibe("Hilfe_Kelvora_PDF.pdf", "%PDF-1.4");
    form().SpeedButton1Click();
    ASSERT_EQ(shell.aufrufe.size(), 1u);
    EXPECT_EQ(shell.aufrufe[0].programm, win("Hilfe_Kelvora_PDF.pdf"));
    form().CancelBtnClick();
    EXPECT_EQ(form().result(), QDialog::Rejected);
    EXPECT_FALSE(form().isVisible());
}
