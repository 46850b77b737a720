#include "Suchfenster.h"

using WebsucheFenster = Suchfenster;

TEST_F(WebsucheFenster, AdressenAuswahlUndSuche) {
    schreibe("Adressen_Webseiten.txt",
             "[Themen1]\r\nListe=Suche,\r\n[Themen2]\r\nListe=Bilder\r\n"
             "[Suche]\r\nListe=c, b=, a/\r\n[Bilder]\r\nListe=https://bilder.de/?q=\r\n");
    zwischenablage = true;
    TSuchForm& f = form();
    const auto markerfarbe = [&f](int zeile) {
        const QRect r = f.TntListBox1->visualItemRect(f.TntListBox1->item(zeile));
        return f.TntListBox1->viewport()->grab().toImage().pixelColor(r.left() + 5, r.top() + 14);
    };
    EXPECT_EQ(f.TntComboBox1->currentIndex(), -1);
    EXPECT_EQ(f.TntListBox1->count(), 0);
    f.TntComboBox1->setCurrentIndex(1);
    f.TntComboBox1Click();
    EXPECT_EQ(f.TntComboBox1->itemText(0), QStringLiteral("Bilder"));
    EXPECT_EQ(einstellungen.werte.value("Themen-Webseite"), QStringLiteral("1"));
    EXPECT_EQ(einstellungen.werte.value("Ausgewaehlte_Webseite"), QStringLiteral("0"));
    ASSERT_EQ(f.TntListBox1->count(), 3);
    EXPECT_EQ(f.TntListBox1->item(0)->text(), QStringLiteral("a/"));
    const QColor gruen = markerfarbe(0);
    EXPECT_GT(gruen.green(), 2 * gruen.red());
    EXPECT_EQ(markerfarbe(1), gruen);
    EXPECT_EQ(markerfarbe(2), QColor(Qt::white));
    for (const auto& [zeile, hinweis] :
         {std::pair{1, "Grünes Symbol: [>] Webseite sucht selbständig nach dem Suchtext."},
          {2, "Weißes Symbol: [+] Sie müssen den Suchtext auf der Webseite\r\nmit Hilfe der "
              "Zwischenablage einfügen bzw. eintippen."}}) {
        f.TntListBox1->setCurrentRow(zeile);
        f.TntListBox1MouseMove();
        EXPECT_EQ(f.TntListBox1->toolTip(), QString::fromUtf8(hinweis));
    }
    EXPECT_EQ(einstellungen.werte.value("Ausgewaehlte_Webseite"), QStringLiteral("2"));
    neuesFenster();
    EXPECT_EQ(form().TntComboBox1->currentText(), QStringLiteral("Suche"));
    EXPECT_EQ(form().TntListBox1->currentRow(), 2);
    TSuchForm& g = form();
    g.TntListBox1->setCurrentRow(1);
    g.TntEdit2->setText(QStringLiteral("Äpfel und Birnen"));
    g.SuchImInternetBtn->click();
    ASSERT_EQ(shell.aufrufe.size(), 1u);
    EXPECT_EQ(shell.aufrufe[0].art, QStringLiteral("oeffnen"));
    EXPECT_EQ(shell.aufrufe[0].programm, QStringLiteral("b=%C3%84pfel%20und%20Birnen"));
    EXPECT_TRUE(g.TntEdit2->text().isEmpty());
    EXPECT_FALSE(g.SuchImInternetBtn->isEnabled());
    g.TntListBox1->setCurrentRow(2);
    QApplication::clipboard()->clear();
    g.TntEdit2->setText(QStringLiteral("Rosen  "));
    g.SuchImInternetBtn->click();
    ASSERT_EQ(shell.aufrufe.size(), 2u);
    EXPECT_EQ(shell.aufrufe[1].programm, QStringLiteral("c"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Rosen"));
    g.Panel2->hide();
    g.SuchImInternetBtnClick();
    EXPECT_TRUE(g.Panel2->isVisible());
    EXPECT_EQ(g.TntListBox1->currentRow(), 0);
    EXPECT_EQ(g.TntLabel1->text(), QStringLiteral("Suchtext: Es wurde kein Text eingegeben!"));
    EXPECT_EQ(shell.aufrufe.size(), 2u);
}
