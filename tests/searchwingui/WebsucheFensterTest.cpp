#include "Suchfenster.h"

namespace {

class WebsucheFenster : public Suchfenster {
protected:
    // The topic "Suche" and its address chosen as stored, when given.
    void adressdatei(const char* adresse = nullptr) {
        schreibe(QStringLiteral("Adressen_Webseiten.txt"),
                 "[Themen1]\r\nListe=Suche,\r\n[Themen2]\r\nListe=Bilder\r\n"
                 "[Suche]\r\nListe=c, b=, a/\r\n[Bilder]\r\nListe=https://bilder.de/?q=\r\n");
        if (adresse) {
            einstellungen.werte.insert("Themen-Webseite", "1");
            einstellungen.werte.insert("Ausgewaehlte_Webseite", adresse);
        }
    }
    // The colour in the middle of the left part of an address's marker, as drawn.
    QColor markerfarbe(int zeile) {
        QListWidget* liste = form().TntListBox1;
        const QRect r = liste->visualItemRect(liste->item(zeile));
        return liste->viewport()->grab().toImage().pixelColor(r.left() + 1 + 4, r.top() + 2 + 12);
    }
};

} // namespace

// Topics and addresses sorted; searching addresses with a green marker, plain ones white,
// each with its hint; the choice is stored and comes back in a new window.
TEST_F(WebsucheFenster, AdressenMarkerUndGespeicherteAuswahl) {
    adressdatei();
    TSuchForm& f = form();
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
    f.TntListBox1->setCurrentRow(1);
    f.TntListBox1MouseMove();
    EXPECT_EQ(f.TntListBox1->toolTip(),
              QStringLiteral("Grünes Symbol: [>] Webseite sucht selbständig nach dem Suchtext."));
    f.TntListBox1->setCurrentRow(2);
    f.TntListBox1MouseMove();
    EXPECT_EQ(f.TntListBox1->toolTip(),
              QStringLiteral("Weißes Symbol: [+] Sie müssen den Suchtext auf der Webseite\r\n"
                             "mit Hilfe der Zwischenablage einfügen bzw. eintippen."));
    EXPECT_EQ(einstellungen.werte.value("Ausgewaehlte_Webseite"), QStringLiteral("2"));
    neuesFenster();
    EXPECT_EQ(form().TntComboBox1->currentText(), QStringLiteral("Suche"));
    EXPECT_EQ(form().TntListBox1->currentRow(), 2);
}

// A searching address gets the word percent-encoded in UTF-8; a plain one opens as it is,
// with the trimmed word in the clipboard.
TEST_F(WebsucheFenster, SuchendeUndEinfacheAdresse) {
    adressdatei("1");
    zwischenablage = true;
    TSuchForm& f = form();
    f.TntEdit2->setText(QStringLiteral("Äpfel und Birnen"));
    f.SuchImInternetBtn->click();
    ASSERT_EQ(shell.aufrufe.size(), 1u);
    EXPECT_EQ(shell.aufrufe[0].art, QStringLiteral("oeffnen"));
    EXPECT_EQ(shell.aufrufe[0].programm, QStringLiteral("b=%C3%84pfel%20und%20Birnen"));
    EXPECT_TRUE(f.TntEdit2->text().isEmpty());
    EXPECT_FALSE(f.SuchImInternetBtn->isEnabled());
    f.TntListBox1->setCurrentRow(2);
    QApplication::clipboard()->clear();
    f.TntEdit2->setText(QStringLiteral("Rosen  "));
    f.SuchImInternetBtn->click();
    ASSERT_EQ(shell.aufrufe.size(), 2u);
    EXPECT_EQ(shell.aufrufe[1].programm, QStringLiteral("c"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Rosen"));
}

TEST_F(WebsucheFenster, OhneAdressdateiPassiertNichts) {
    TSuchForm& f = form();
    EXPECT_EQ(f.TntComboBox1->count(), 0);
    f.TntEdit2->setText(QStringLiteral("Rosen"));
    f.SuchImInternetBtn->click();
    EXPECT_TRUE(shell.aufrufe.empty());
    EXPECT_EQ(f.TntEdit2->text(), QStringLiteral("Rosen"));
}

// The web button brings a hidden panel back, with the first address and the label.
TEST_F(WebsucheFenster, VerborgenesWebfeldKommtZurueck) {
    adressdatei("2");
    TSuchForm& f = form();
    f.Panel2->hide();
    f.SuchImInternetBtnClick();
    EXPECT_TRUE(f.Panel2->isVisible());
    EXPECT_EQ(f.TntListBox1->currentRow(), 0);
    EXPECT_EQ(f.TntLabel1->text(), QStringLiteral("Suchtext: Es wurde kein Text eingegeben!"));
    EXPECT_TRUE(shell.aufrufe.empty());
}
