#include "Suchfenster.h"

using Suchwort = Suchfenster;

TEST_F(Suchwort, SteuerungNurMitTextUndPfadErstNachEnter) {
    TSuchForm& f = form();
    const std::initializer_list<QWidget*> steuerung{
        f.OKBtn, f.SuchImInternetBtn, f.TntComboBox1, f.TntListBox1, f.Label5, f.TntLabel1};
    EXPECT_EQ(aktiv(steuerung), QList<bool>(6, false));
    QTest::keyClicks(f.TntEdit2, QStringLiteral("rote Rosen"));
    EXPECT_EQ(aktiv(steuerung), QList<bool>(6, true));
    EXPECT_TRUE(f.PhraseCheckBox->isChecked());
    EXPECT_EQ(f.TntComboBox1->count(), 0);
    f.SuchImInternetBtn->click();
    EXPECT_TRUE(shell.aufrufe.empty());
    EXPECT_EQ(f.TntEdit2->text(), QStringLiteral("rote Rosen"));
    EXPECT_EQ(f.OKBtn->palette().color(QPalette::ButtonText), QColor(0x00, 0x80, 0x00));
    f.Button1->click();
    EXPECT_TRUE(f.TntEdit2->text().isEmpty());
    EXPECT_FALSE(f.SuchImInternetBtn->isEnabled());
    EXPECT_EQ(f.TntLabel1->text(), QStringLiteral("Es wurde kein Text eingegeben!"));
    EXPECT_EQ(f.OKBtn->palette().color(QPalette::Active, QPalette::ButtonText), QColor(Qt::black));
    const QColor grau = QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText);
    ASSERT_NE(grau, QColor(Qt::black));
    for (QPushButton* b : {f.OKBtn, f.SuchImInternetBtn})
        EXPECT_EQ(b->palette().color(QPalette::Disabled, QPalette::ButtonText), grau)
            << b->objectName().toStdString();
    notifier.leeren();
    schreibe(QStringLiteral("Daten/Bericht.pdf"), "%PDF");
    const QString pfad = QStringLiteral("#") + win(QStringLiteral("Daten\\Bericht.pdf"));
    form().TntEdit2->setFocus();
    // A half-typed path is no path yet.
    QTest::keyClicks(form().TntEdit2, pfad);
    EXPECT_TRUE(notifier.meldungen().empty()) << notifier.texte().join('|').toStdString();
    notifier.antworten(true);
    QTest::keyClick(form().TntEdit2, Qt::Key_Return);
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen()[0].art, Notifier::Art::Frage);
    ASSERT_EQ(shell.aufrufe.size(), 1u);
    EXPECT_EQ(shell.aufrufe[0].programm, win(QStringLiteral("Daten\\Bericht.pdf")));
    EXPECT_TRUE(form().DateiGeoeffnet);
    EXPECT_TRUE(form().TntEdit2->text().isEmpty());
    EXPECT_TRUE(form().isVisible());
    QApplication::clipboard()->setText(QStringLiteral("#Q:\\Nirgends\\weg.pdf"));
    form().TntEdit2->paste();
    EXPECT_EQ(notifier.texte().last(),
              QStringLiteral("T:\\Nirgends\\weg.pdf\r\nwurde nicht gefunden."));
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(form().result(), QDialog::Rejected);
}

TEST_F(Suchwort, VorschlagslisteZeigtDieGespeichertenWoerter) {
    schreibe("Datenbank/Suchwoerterlisten/Akten_Utf8_Suchwoerterliste.txt",
             utf16le(QStringLiteral("Haus\r\nhaus\r\nÄpfel und Birnen\r\n")));
    ladeUtf8("Ein Haus\r\n");
    QListWidget* liste = form().TntListBox2;
    ASSERT_EQ(liste->count(), 3);
    EXPECT_EQ(liste->item(1)->text(), QStringLiteral("haus"));
    EXPECT_FALSE(liste->isVisible());

    QTest::mouseClick(form().TntEdit2, Qt::LeftButton);
    ASSERT_TRUE(liste->isVisible());
    EXPECT_EQ(liste->height(), 155);
    EXPECT_EQ(liste->width(), form().Panel2->width());
    EXPECT_EQ(liste->y(), form().TntEdit2->geometry().bottom() + 1);

    const QRect zeile = liste->visualItemRect(liste->item(2));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, Qt::NoModifier, zeile.center());
    EXPECT_EQ(form().TntEdit2->text(), QStringLiteral("Äpfel und Birnen"));
    EXPECT_FALSE(liste->isVisible());
    EXPECT_TRUE(form().PhraseCheckBox->isChecked());
    EXPECT_EQ(form().TntEdit2->cursorPosition(), form().TntEdit2->text().size());

    QTest::mouseClick(form().TntEdit2, Qt::LeftButton);
    QTest::mouseClick(form().TntEdit2, Qt::LeftButton);
    EXPECT_FALSE(liste->isVisible());
    QTest::mouseClick(form().TntEdit2, Qt::LeftButton);
    QTest::keyClick(form().TntEdit2, Qt::Key_A);
    EXPECT_FALSE(liste->isVisible());
    QTest::mouseClick(form().TntEdit2, Qt::LeftButton);
    ASSERT_TRUE(liste->isVisible());
    QTest::mouseClick(form().PanelUnten, Qt::LeftButton, Qt::NoModifier, QPoint(700, 5));
    EXPECT_FALSE(liste->isVisible());
}
