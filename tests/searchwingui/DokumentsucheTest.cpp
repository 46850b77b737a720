#include "Suchfenster.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QWheelEvent>

#include <ostream>

namespace {

// Where the memo's selection stands: the text of its line, the column and the text.
struct Markierung {
    QString zeile;
    int spalte = -1;
    QString text;
    bool operator==(const Markierung&) const = default;
};

void PrintTo(const Markierung& m, std::ostream* os) {
    *os << '"' << m.zeile.toStdString() << "\" @" << m.spalte << " \"" << m.text.toStdString()
        << '"';
}

class Dokumentsuche : public Suchfenster {
protected:
    void suche(const QString& text) { form().TntEdit1->setText(text); }
    QByteArray vieleZeilen() {
        QByteArray a = "#T:\\a.pdf\r\n";
        for (int i = 0; i < 400; ++i)
            a += "Zeile " + QByteArray::number(i) + " der Datei\r\n";
        return a;
    }
    Markierung markierung() {
        const QTextCursor c = form().ViewerMemo->textCursor();
        QTextCursor anfang = c;
        anfang.setPosition(c.selectionStart());
        return {anfang.block().text(), anfang.positionInBlock(), c.selectedText()};
    }
    // The memo holds the lines of the viewer's page, as the UTF-8 variant shows them.
    QString seitentext() {
        QStringList zeilen;
        for (const TTextViewer::VisuelleZeile& z : form().Viewer->Seite())
            zeilen << QString::fromUtf8(Ansi::ausUnicode(z.text));
        return zeilen.join(QLatin1Char('\n'));
    }
};

} // namespace

// Each click selects the next hit in the viewer and the memo, overlapping ones too, case
// not counting; after the last one a note, then the first again.
TEST_F(Dokumentsuche, TrefferNacheinanderUndDerSprungZumErsten) {
    const struct {
        QByteArray inhalt;
        QString text, memo;
        qint64 laenge;
        QList<qint64> treffer;
    } faelle[] = {
        {"aaa\r\n", "aa", "aa", 2, {0, 1}},
        {"xx TEST yy test\r\n", "Test", "TEST", 4, {3, 11}},
        // "Bär" is three bytes in the UTF-8 document.
        {"Ein B\xC3\xA4r, zwei B\xC3\xA4ren\r\n", "Bär", "Bär", 3, {4, 15}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text.toStdString());
        notifier.leeren();
        neuesFenster();
        ladeUtf8(f.inhalt);
        suche(f.text);
        ASSERT_TRUE(form().WeiterSuche->isEnabled());
        for (qint64 start : f.treffer + QList<qint64>{f.treffer.first()}) {
            form().WeiterSuche->click();
            EXPECT_EQ(form().Viewer->SelStart(), start);
            EXPECT_EQ(form().Viewer->SelLength(), f.laenge);
        }
        EXPECT_EQ(memoAuswahl(), f.memo);
        EXPECT_EQ(notifier.texte(), QStringList{"Dies ist die letzte Fundstelle."});
    }
}

TEST_F(Dokumentsuche, EnterSuchtUndKeinTrefferWirdGemeldet) {
    ladeUtf8("abcdef\r\n");
    // An empty field turns the search off; the clear button empties it.
    EXPECT_FALSE(form().WeiterSuche->isEnabled());
    suche(QStringLiteral("b"));
    EXPECT_TRUE(form().WeiterSuche->isEnabled());
    form().Button2->click();
    EXPECT_TRUE(form().TntEdit1->text().isEmpty());
    EXPECT_FALSE(form().WeiterSuche->isEnabled());
    suche(QStringLiteral("xyz"));
    QTest::keyClick(form().TntEdit1, Qt::Key_Return);
    EXPECT_EQ(notifier.texte(), QStringList{"Nicht gefunden!"});
    // A key longer than the file finds nothing either.
    suche(QStringLiteral("abcdefghijkl"));
    form().WeiterSuche->click();
    EXPECT_EQ(notifier.texte().size(), 2);
    EXPECT_EQ(notifier.texte().last(), QStringLiteral("Nicht gefunden!"));
    // The window stayed open: Enter did not reach a button of the dialog.
    EXPECT_TRUE(form().isVisible());
}

TEST_F(Dokumentsuche, LesezeichenGesetztUndNachDemNeuladenAngesprungen) {
    ladeUtf8(vieleZeilen());
    // Only once the viewer has drawn text.
    form().LesezeichenErlaubt = false;
    form().LesezeichenBtn->click();
    EXPECT_FALSE(einstellungen.werte.contains("Lesezeichen_Utf8_Akten"));
    form().LesezeichenErlaubt = true;
    form().Viewer->ScrollLineDown(120);
    form().Viewer->viewport()->repaint();
    const qint64 stelle = form().AnsichtPosition;
    ASSERT_GT(stelle, 0);
    form().LesezeichenBtn->click();
    EXPECT_EQ(einstellungen.werte.value("Lesezeichen_Utf8_Akten"), QString::number(stelle));

    neuesFenster();
    ladeUtf8(vieleZeilen());
    EXPECT_EQ(form().Viewer->Position(), stelle);
}

TEST_F(Dokumentsuche, MemoZeileSpiegeltDieViewerzeile) {
    // At 10 points the font's exact height has a fraction, which a text layout rounds up.
    form().setViewerSchriftgroesse(10);
    ladeUtf8("#T:\\B\xC3\xA4r.pdf\r\nzweite Zeile\r\n");
    const QVector<TTextViewer::VisuelleZeile> seite = form().Viewer->Seite();
    ASSERT_GE(seite.size(), 2);
    const QTextDocument* memo = form().ViewerMemo->document();
    EXPECT_EQ(memo->findBlockByNumber(0).text(), QStringLiteral("#T:\\Bär.pdf"));
    EXPECT_EQ(memo->findBlockByNumber(1).text(), QStringLiteral("zweite Zeile"));
    EXPECT_EQ(memo->blockCount(), seite.size());
    // Each memo line lies on the viewer's line, so that the memo shows the whole page.
    const QPlainTextEdit* edit = form().ViewerMemo;
    const int abstand = edit->cursorRect(QTextCursor(memo->findBlockByNumber(1))).top() -
                        edit->cursorRect(QTextCursor(memo->findBlockByNumber(0))).top();
    EXPECT_EQ(abstand, form().Viewer->Zeilenhoehe());
}

TEST_F(Dokumentsuche, DoppelklickWaehltDieZeileUndPopupUebertraegt) {
    ladeUtf8("erste Zeile\r\nzweite Zeile hier\r\n");
    QPlainTextEdit* memo = form().ViewerMemo;
    const QRect zeile2 = memo->cursorRect(QTextCursor(memo->document()->findBlockByNumber(1)));
    QTest::mouseDClick(memo->viewport(), Qt::LeftButton, Qt::NoModifier,
                       zeile2.center() + QPoint(30, 0));
    EXPECT_EQ(memoAuswahl(), QStringLiteral("zweite Zeile hier"));

    QTest::mousePress(memo->viewport(), Qt::RightButton, Qt::NoModifier, zeile2.center());
    EXPECT_TRUE(form().TextinSuchleistelinksbertragen1->isEnabled());
    form().PopupMenu1->hide();
    form().TextinSuchleistelinksbertragen1->trigger();
    EXPECT_EQ(form().TntEdit2->text(), QStringLiteral("zweite Zeile hier"));
    EXPECT_TRUE(form().PhraseCheckBox->isChecked());

    // Only blanks selected: the field stays as it was.
    QTextCursor c(memo->document());
    c.setPosition(5);
    c.setPosition(6, QTextCursor::KeepAnchor);
    memo->setTextCursor(c);
    form().TntEdit2->setText(QStringLiteral("vorher"));
    form().TextinSuchleistelinksbertragen1Click();
    EXPECT_EQ(form().TntEdit2->text(), QStringLiteral("vorher"));

    // Without a selection the item is disabled.
    memo->moveCursor(QTextCursor::Start);
    form().ViewerMemoMouseDown(Qt::RightButton);
    EXPECT_FALSE(form().TextinSuchleistelinksbertragen1->isEnabled());
}

TEST_F(Dokumentsuche, TabUndPfeiltastenImMemo) {
    ladeUtf8(vieleZeilen());
    form().TntEdit1->setText(QStringLiteral("Zeile"));
    form().ViewerMemo->setFocus();
    QTest::keyClick(form().ViewerMemo, Qt::Key_Tab);
    EXPECT_TRUE(form().TntEdit1->hasFocus());
    EXPECT_EQ(form().TntEdit1->cursorPosition(), 5);
    EXPECT_FALSE(form().TntEdit1->hasSelectedText());
    EXPECT_EQ(form().Viewer->Position(), 0);
    QTest::keyClick(form().ViewerMemo, Qt::Key_PageDown);
    EXPECT_GT(form().Viewer->Position(), 0);
}

TEST_F(Dokumentsuche, MausradGibtDerSeiteUnterDerMausDenFokus) {
    ladeUtf8(vieleZeilen());
    form().TntEdit2->setFocus();
    const QPoint mitte = form().Viewer->viewport()->rect().center();
    QCursor::setPos(form().Viewer->viewport()->mapToGlobal(mitte));
    QWheelEvent rad(QPointF(mitte), QPointF(form().Viewer->viewport()->mapToGlobal(mitte)),
                    QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                    false);
    QApplication::sendEvent(form().Viewer->viewport(), &rad);
    EXPECT_TRUE(form().Viewer->hasFocus());
    EXPECT_GT(form().Viewer->Position(), 0);
}

TEST_F(Dokumentsuche, JederTrefferWirdAnSeinerStelleMarkiert) {
    QByteArray text = "#T:\\a.pdf\r\n";
    for (int i = 0; i < 400; ++i)
        text += i == 2     ? QByteArray("Rose am Zaun, Rose am Tor\r\n")
                : i == 300 ? QByteArray("#T:\\b.pdf mit einer ROSE\r\n")
                           : "Zeile " + QByteArray::number(i) + " der Datei\r\n";
    ladeUtf8(text);
    suche(QStringLiteral("rose"));
    const Markierung zaun1{QStringLiteral("Rose am Zaun, Rose am Tor"), 0, QStringLiteral("Rose")};
    const Markierung zaun2{QStringLiteral("Rose am Zaun, Rose am Tor"), 14, QStringLiteral("Rose")};
    const Markierung b{QStringLiteral("#T:\\b.pdf mit einer ROSE"), 20, QStringLiteral("ROSE")};
    form().WeiterSuche->click();
    EXPECT_EQ(markierung(), zaun1);
    // The second hit stands on the same line, after the first.
    form().WeiterSuche->click();
    EXPECT_EQ(markierung(), zaun2);
    // The third lies pages further on, in the next file.
    form().WeiterSuche->click();
    EXPECT_EQ(markierung(), b);
    EXPECT_EQ(notifier.texte(), QStringList{"Dies ist die letzte Fundstelle."});
    EXPECT_EQ(form().ViewerMemo->toPlainText(), seitentext());
    // Round again: back up to the first hit, which lies before every mark so far.
    form().WeiterSuche->click();
    EXPECT_EQ(markierung(), zaun1);
    EXPECT_EQ(form().Viewer->Position(), 0);
    form().WeiterSuche->click();
    EXPECT_EQ(markierung(), zaun2);
}

TEST_F(Dokumentsuche, MausradUeberDemMemoBewegtDenViewer) {
    ladeUtf8(vieleZeilen());
    QPlainTextEdit* memo = form().ViewerMemo;
    ASSERT_TRUE(memo->isVisible());
    const QPoint mitte = memo->viewport()->rect().center();
    QWheelEvent rad(QPointF(mitte), QPointF(memo->viewport()->mapToGlobal(mitte)), QPoint(),
                    QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(memo->viewport(), &rad);
    form().Viewer->viewport()->repaint();
    // One notch moves the view by the wheel's line count; the memo itself stays put and
    // shows the viewer's new page.
    const int schritt = QApplication::wheelScrollLines();
    EXPECT_EQ(form().Viewer->Seite().constFirst().text,
              QStringLiteral("Zeile %1 der Datei").arg(schritt - 1));
    EXPECT_EQ(memo->verticalScrollBar()->value(), 0);
    EXPECT_EQ(memo->toPlainText(), seitentext());
}

TEST_F(Dokumentsuche, TastenImMemoBewegenDenViewer) {
    ladeUtf8(vieleZeilen());
    QPlainTextEdit* memo = form().ViewerMemo;
    memo->setFocus();
    const auto ersteZeile = [&] { return memo->document()->firstBlock().text(); };
    const auto letzteZeile = [&] { return memo->document()->lastBlock().text(); };
    const auto taste = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(memo, k, m);
        form().Viewer->viewport()->repaint();
    };
    taste(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(letzteZeile(), QStringLiteral("Zeile 399 der Datei"));
    EXPECT_GT(form().Viewer->Position(), 0);
    EXPECT_EQ(memo->toPlainText(), seitentext());
    taste(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(form().Viewer->Position(), 0);
    EXPECT_EQ(ersteZeile(), QStringLiteral("#T:\\a.pdf"));
    taste(Qt::Key_Down);
    EXPECT_EQ(ersteZeile(), QStringLiteral("Zeile 0 der Datei"));
    taste(Qt::Key_PageDown);
    const QString nachSeite = ersteZeile();
    EXPECT_NE(nachSeite, QStringLiteral("Zeile 0 der Datei"));
    EXPECT_EQ(memo->toPlainText(), seitentext());
    taste(Qt::Key_PageUp);
    EXPECT_EQ(ersteZeile(), QStringLiteral("Zeile 0 der Datei"));
    taste(Qt::Key_Up);
    EXPECT_EQ(ersteZeile(), QStringLiteral("#T:\\a.pdf"));
    // Shift with an arrow stays in the memo and selects there.
    taste(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(form().Viewer->Position(), 0);
    EXPECT_TRUE(memo->textCursor().hasSelection());
}
