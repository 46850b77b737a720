#include "Suchfenster.h"

#include <tuple>

namespace {

// The memo selection's line, column and text.
using Markierung = std::tuple<QString, int, QString>;

class Dokumentsuche : public Suchfenster {
protected:
    void suche(const QString& text) { form().TntEdit1->setText(text); }
    QByteArray vieleZeilen(const QHash<int, QByteArray>& anders = {}) {
        QByteArray a = "#T:\\a.pdf\r\n";
        for (int i = 0; i < 400; ++i)
            a += anders.value(i, "Zeile " + QByteArray::number(i) + " der Datei") + "\r\n";
        return a;
    }
    Markierung markierung() {
        const QTextCursor c = form().ViewerMemo->textCursor();
        QTextCursor anfang = c;
        anfang.setPosition(c.selectionStart());
        return {anfang.block().text(), anfang.positionInBlock(), c.selectedText()};
    }
    QString seitentext() {
        QStringList zeilen;
        for (const TTextViewer::VisuelleZeile& z : form().Viewer->Seite())
            zeilen << QString::fromUtf8(Ansi::ausUnicode(z.text));
        return zeilen.join(QLatin1Char('\n'));
    }
};

} // namespace

TEST_F(Dokumentsuche, MemoZeilenUndKeinTreffer) {
    // At 10 points the font's exact height has a fraction, which a text layout rounds up.
    form().setViewerSchriftgroesse(10);
    ladeUtf8("#T:\\B\xC3\xA4r.pdf\r\nzweite Zeile\r\n");
    const QTextDocument* memo = form().ViewerMemo->document();
    EXPECT_EQ(memo->findBlockByNumber(0).text(), QStringLiteral("#T:\\Bär.pdf"));
    EXPECT_EQ(memo->findBlockByNumber(1).text(), QStringLiteral("zweite Zeile"));
    EXPECT_EQ(memo->blockCount(), form().Viewer->Seite().size());
    const QPlainTextEdit* edit = form().ViewerMemo;
    const int abstand = edit->cursorRect(QTextCursor(memo->findBlockByNumber(1))).top() -
                        edit->cursorRect(QTextCursor(memo->findBlockByNumber(0))).top();
    EXPECT_EQ(abstand, form().Viewer->Zeilenhoehe());
    EXPECT_FALSE(form().WeiterSuche->isEnabled());
    suche(QStringLiteral("b"));
    form().Button2->click();
    EXPECT_TRUE(form().TntEdit1->text().isEmpty());
    EXPECT_FALSE(form().WeiterSuche->isEnabled());
    suche(QStringLiteral("xyz"));
    QTest::keyClick(form().TntEdit1, Qt::Key_Return);
    suche(QStringLiteral("zweite Zeile und noch mehr Text"));
    form().WeiterSuche->click();
    EXPECT_EQ(notifier.texte(), (QStringList{"Nicht gefunden!", "Nicht gefunden!"}));
    EXPECT_TRUE(form().isVisible());
}

TEST_F(Dokumentsuche, JederTrefferWirdAnSeinerStelleMarkiert) {
    ladeUtf8(vieleZeilen({{2, "Rose am Zaun, Rose am Tor"}, {300, "#T:\\b.pdf mit einer ROSE"}}));
    suche(QStringLiteral("rose"));
    const QString zaun = QStringLiteral("Rose am Zaun, Rose am Tor");
    const Markierung zaun1{zaun, 0, "Rose"}, zaun2{zaun, 14, "Rose"},
        b{"#T:\\b.pdf mit einer ROSE", 20, "ROSE"};
    form().WeiterSuche->click();
    EXPECT_EQ(markierung(), zaun1);
    EXPECT_EQ(form().Viewer->SelLength(), 4);
    form().WeiterSuche->click();
    EXPECT_EQ(markierung(), zaun2);
    form().WeiterSuche->click();
    EXPECT_EQ(markierung(), b);
    EXPECT_EQ(notifier.texte(), QStringList{"Dies ist die letzte Fundstelle."});
    EXPECT_EQ(form().ViewerMemo->toPlainText(), seitentext());
    // Round again, back before every mark so far.
    form().WeiterSuche->click();
    EXPECT_EQ(markierung(), zaun1);
    EXPECT_EQ(form().Viewer->Position(), 0);
}

TEST_F(Dokumentsuche, TastenRadUndLesezeichen) {
    ladeUtf8(vieleZeilen());
    QPlainTextEdit* memo = form().ViewerMemo;
    const auto ersteZeile = [&] { return memo->document()->firstBlock().text(); };
    const auto taste = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        memo->setFocus();
        QTest::keyClick(memo, k, m);
        form().Viewer->viewport()->repaint();
    };
    taste(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(memo->document()->lastBlock().text(), QStringLiteral("Zeile 399 der Datei"));
    EXPECT_EQ(memo->toPlainText(), seitentext());
    taste(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(form().Viewer->Position(), 0);
    taste(Qt::Key_Down);
    EXPECT_EQ(ersteZeile(), QStringLiteral("Zeile 0 der Datei"));
    taste(Qt::Key_PageDown);
    EXPECT_NE(ersteZeile(), QStringLiteral("Zeile 0 der Datei"));
    EXPECT_EQ(memo->toPlainText(), seitentext());
    taste(Qt::Key_PageUp);
    taste(Qt::Key_Up);
    EXPECT_EQ(ersteZeile(), QStringLiteral("#T:\\a.pdf"));
    taste(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(form().Viewer->Position(), 0);
    EXPECT_TRUE(memo->textCursor().hasSelection());
    form().TntEdit1->setText(QStringLiteral("Zeile"));
    taste(Qt::Key_Tab);
    EXPECT_TRUE(form().TntEdit1->hasFocus());
    EXPECT_EQ(form().TntEdit1->cursorPosition(), 5);
    const QPoint mitte = memo->viewport()->rect().center();
    QWheelEvent rad(QPointF(mitte), QPointF(memo->viewport()->mapToGlobal(mitte)), QPoint(),
                    QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(memo->viewport(), &rad);
    form().Viewer->viewport()->repaint();
    EXPECT_EQ(form().Viewer->Seite().constFirst().text,
              QStringLiteral("Zeile %1 der Datei").arg(QApplication::wheelScrollLines() - 1));
    EXPECT_EQ(memo->verticalScrollBar()->value(), 0);
    EXPECT_EQ(memo->toPlainText(), seitentext());
    form().LesezeichenErlaubt = false;
    form().LesezeichenBtn->click();
    EXPECT_FALSE(einstellungen.werte.contains("Lesezeichen_Utf8_Akten"));
    form().LesezeichenErlaubt = true;
    const qint64 stelle = form().AnsichtPosition;
    ASSERT_GT(stelle, 0);
    form().LesezeichenBtn->click();
    EXPECT_EQ(einstellungen.werte.value("Lesezeichen_Utf8_Akten"), QString::number(stelle));
    neuesFenster();
    ladeUtf8(vieleZeilen());
    EXPECT_EQ(form().Viewer->Position(), stelle);
}
