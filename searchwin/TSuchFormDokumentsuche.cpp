// The right half of the search window: the search in the shown document, the bookmark,
// the overlay memo's keys, double click and popup, and the input events the window
// watches for its children.

#include "searchwin/TSuchForm.h"

#include "platform/Platform.h"
#include "search/Suchlauf.h"
#include "search/Zeichenkette.h"
#include "searchwin/Lesezeichen.h"
#include "viewer/TextViewer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QWheelEvent>

void TSuchForm::dokumentsucheAnbinden() {
    TextinSuchleistelinksbertragen1 = PopupMenu1->actions().constFirst();
    TextinSuchleistelinksbertragen1->setObjectName(
        QStringLiteral("TextinSuchleistelinksbertragen1"));
    connect(TextinSuchleistelinksbertragen1, &QAction::triggered, this,
            &TSuchForm::TextinSuchleistelinksbertragen1Click);
    ViewerMemo->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ViewerMemo, &QWidget::customContextMenuRequested, this, [this](const QPoint& punkt) {
        PopupMenu1->popup(ViewerMemo->viewport()->mapToGlobal(punkt));
    });
    // Tabs reach the memo's key handling instead of moving the focus.
    ViewerMemo->setTabChangesFocus(false);
    connect(TntEdit1, &QLineEdit::textChanged, this, &TSuchForm::TntEdit1Change);
    connect(Button2, &QPushButton::clicked, this, &TSuchForm::Button2Click);
    connect(WeiterSuche, &QPushButton::clicked, this, &TSuchForm::WeiterSucheClick);
    connect(LesezeichenBtn, &QPushButton::clicked, this, &TSuchForm::LesezeichenBtnClick);
    // One filter on the application sees the wheel anywhere and the input of the children
    // the window watches.
    qApp->installEventFilter(this);
}

void TSuchForm::TntEdit1Change() {
    WeiterSuche->setEnabled(weitersuche_.TntEdit1Change(TntEdit1->text()));
}

void TSuchForm::Button2Click() {
    TntEdit1->clear();
}

void TSuchForm::WeiterSucheClick() {
    ViewerMemo->show();
    const Weitersuche::Umgebung u{
        ordner_,
        Datenbankname,
        GeladeneVariante,
        AnzeigeVariante,
        SortierteListeAngezeigt,
        dienste_.notifier,
        dienste_.pump,
        [this] { return SucheLaeuft && suchlauf_ && suchlauf_->Abgebrochen(); }};
    Weitersuche::Anzeige anzeige;
    anzeige.imViewerAuswaehlen = [this](qint64 start, qint64 laenge) {
        Viewer->SetSelection(start, laenge, true, true);
        // The memo mirrors the new page only once the viewer has laid it out and drawn it.
        if (Viewer->isVisible()) {
            QCoreApplication::sendPostedEvents();
            Viewer->viewport()->repaint();
        }
        Weitersuche::Seite seite;
        seite.zeichengroesse = Viewer->Dokument().CharSize();
        for (const TTextViewer::VisuelleZeile& z : Viewer->Seite())
            seite.zeilen.append({z.start, z.text});
        return seite;
    };
    anzeige.imMemoMarkieren = [this](qsizetype start, qsizetype laenge) {
        const int ende = ViewerMemo->document()->characterCount() - 1;
        QTextCursor c(ViewerMemo->document());
        c.setPosition(int(qMin<qsizetype>(start, ende)));
        c.setPosition(int(qMin<qsizetype>(start + laenge, ende)), QTextCursor::KeepAnchor);
        ViewerMemo->setTextCursor(c);
        ViewerMemo->setFocus();
    };
    weitersuche_.WeiterSucheClick(u, anzeige);
}

void TSuchForm::LesezeichenBtnClick() {
    Lesezeichen::LesezeichenBtnClick(dienste_.einstellungen, AnzeigeVariante, Datenbankname,
                                     AnsichtPosition, LesezeichenErlaubt);
}

void TSuchForm::ViewerMemoDblClick() {
    QTextCursor c = ViewerMemo->textCursor();
    c.movePosition(QTextCursor::StartOfBlock);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    ViewerMemo->setTextCursor(c);
}

bool TSuchForm::ViewerMemoKeyDown(int taste, Qt::KeyboardModifiers umschalt) {
    if (taste == Qt::Key_Tab && umschalt == Qt::NoModifier) {
        TntEdit1->setFocus();
        TntEdit1->deselect();
        TntEdit1->end(false);
        return true;
    }
    // The keys that move through the document go to the viewer with Ctrl as pressed, so
    // that Ctrl+Home and Ctrl+End reach its start and end; with Shift they select in the
    // memo.
    const Qt::KeyboardModifiers strg = umschalt & ~Qt::KeypadModifier;
    if (strg != Qt::NoModifier && strg != Qt::ControlModifier)
        return false;
    switch (taste) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End: {
        QKeyEvent weiter(QEvent::KeyPress, taste, strg);
        QCoreApplication::sendEvent(Viewer, &weiter);
        return true;
    }
    default:
        return false;
    }
}

void TSuchForm::ViewerMemoMouseDown(Qt::MouseButton knopf) {
    if (knopf == Qt::RightButton)
        TextinSuchleistelinksbertragen1->setEnabled(ViewerMemo->textCursor().hasSelection());
}

void TSuchForm::TextinSuchleistelinksbertragen1Click() {
    // The memo separates its lines with the paragraph sign; the field gets line breaks.
    QString auswahl = ViewerMemo->textCursor().selectedText();
    auswahl.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    if (!Zeichenkette::trim(auswahl).isEmpty())
        TntEdit2->setText(auswahl);
}

void TSuchForm::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    if (TntListBox2->isVisible())
        TntListBox2->hide();
}

void TSuchForm::FormMouseWheel() {
    const QPoint maus = mapFromGlobal(QCursor::pos());
    const QRect rechts(PanelRechts->mapTo(this, QPoint(0, 0)), PanelRechts->size());
    if (maus.x() >= rechts.left() && maus.x() <= rechts.left() + rechts.width())
        Viewer->setFocus();
    const int links = TntListBox1->mapTo(this, QPoint(0, 0)).x();
    if (TntListBox1->isEnabled() && TntListBox1->isVisible() && maus.x() >= links &&
        maus.x() <= links + TntListBox1->width())
        TntListBox1->setFocus();
}

bool TSuchForm::eventFilter(QObject* objekt, QEvent* ereignis) {
    const QEvent::Type art = ereignis->type();
    // Qt already hands the wheel to the widget under the mouse; what remains is the focus.
    // Over the memo the wheel moves the viewer, whose page the memo then mirrors.
    if (art == QEvent::Wheel) {
        auto* w = qobject_cast<QWidget*>(objekt);
        if (!w || !isVisible() || !isAncestorOf(w))
            return false;
        FormMouseWheel();
        if (w != ViewerMemo && w != ViewerMemo->viewport())
            return false;
        const auto* rad = static_cast<QWheelEvent*>(ereignis);
        QWheelEvent weiter(Viewer->viewport()->mapFromGlobal(rad->globalPosition()),
                           rad->globalPosition(), rad->pixelDelta(), rad->angleDelta(),
                           rad->buttons(), rad->modifiers(), rad->phase(), rad->inverted(),
                           rad->source());
        QCoreApplication::sendEvent(Viewer->viewport(), &weiter);
        return true;
    }
    if (objekt == ViewerMemo && art == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        return ViewerMemoKeyDown(taste->key(), taste->modifiers());
    }
    if (objekt == ViewerMemo->viewport()) {
        if (art == QEvent::MouseButtonDblClick) {
            const auto* maus = static_cast<QMouseEvent*>(ereignis);
            ViewerMemo->setTextCursor(ViewerMemo->cursorForPosition(maus->position().toPoint()));
            ViewerMemoDblClick();
            return true;
        }
        if (art == QEvent::MouseButtonPress)
            ViewerMemoMouseDown(static_cast<QMouseEvent*>(ereignis)->button());
        return false;
    }
    if (objekt == TntEdit1 && art == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
            if (WeiterSuche->isEnabled())
                WeiterSucheClick();
            return true;
        }
        return false;
    }
    if (objekt == TntEdit2) {
        if (art == QEvent::KeyPress)
            return TntEdit2KeyDown(static_cast<QKeyEvent*>(ereignis)->key());
        if (art == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton)
            TntEdit2Click();
        return false;
    }
    if (objekt == TntListBox1->viewport() && art == QEvent::MouseMove)
        TntListBox1MouseMove();
    return QDialog::eventFilter(objekt, ereignis);
}
