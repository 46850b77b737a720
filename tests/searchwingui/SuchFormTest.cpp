#include "Suchfenster.h"

using SuchFormTest = Suchfenster;

TEST_F(SuchFormTest, DreiByteDokumentIstLeer) {
    schreibe("Datenbank/Akten_UTF8Dokument.txt", "abc");
    EXPECT_FALSE(form().UTF8LadenButton->isEnabled());
    EXPECT_FALSE(form().AnsiLadenButton->isEnabled());
    form().UTF8LadenButtonClick();
    EXPECT_EQ(form().Label8->text(), QStringLiteral("UTF8-Dokument enthält keine Einträge:"));
}

// The title of the record under the view has its path decoded twice.
TEST_F(SuchFormTest, DokumentLadenZeigtBeschriftungUndTitel) {
    const QByteArray a = " \r\n \r\n \r\n#T:\\a.pdf\r\n====\r\nerste Zeile\r\n";
    schreibe("Datenbank/Akten_Utf8_TitelPositionen.txt", "9 #T:\\a.pdf\r\n" +
                                                             QByteArray::number(a.size() + 9) +
                                                             " #T:\\B\xC3\x83\xC2\xA4r.pdf\r\n");
    ladeUtf8(a + " \r\n \r\n \r\n#T:\\B\xC3\xA4r.pdf\r\n");
    EXPECT_EQ(form().Label8->text(), QStringLiteral("UTF8-DB: \"Akten\"  Position: "));
    EXPECT_EQ(form().DokumentDatei, win("Datenbank\\Akten_UTF8Dokument.txt"));
    EXPECT_TRUE(form().ViewerMemo->toPlainText().contains("erste Zeile"));
    form().AnsichtPosition = a.size() + 10;
    form().ZeigDieTitelAn();
    EXPECT_EQ(form().Label2->toolTip(), QStringLiteral("T:\\Bär.pdf"));
    EXPECT_EQ(form().Label2->text(), QString::number(a.size() + 10) + "  \"T:\\Bär.pdf\"");
    form().Splitter1->setSizes({520, 500});
    form().Splitter1Moved();
    EXPECT_EQ(einstellungen.werte.value("SplitterPos"), QStringLiteral("520"));
}
