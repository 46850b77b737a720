// The search window's "Lokale Suche": the run itself is TSuchlauf; the window hands it its
// fields, locks its input while the run lasts and reloads its view afterwards.

#include "searchwin/TSuchForm.h"

#include "search/StreamSearch.h"
#include "search/Suchlauf.h"
#include "search/Zeichenkette.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

void TSuchForm::suchfeldSperren(bool sperren) {
    for (QWidget* w : std::initializer_list<QWidget*>{OKBtn, TntEdit2, GrossKleinBeachten,
                                                      NurGanzeWoerterCheckBox, SuchImInternetBtn})
        w->setEnabled(!sperren);
    CancelBtn->setEnabled(true);
    CancelBtn->setToolTip(sperren ? QStringLiteral("Suche abbrechen")
                                  : QStringLiteral("Schließt das Fenster"));
}

void TSuchForm::ansichtNachDerSucheLaden() {
    if (SortierteListeAngezeigt) {
        ZeilenAlsListeSortieren->click();
        return;
    }
    if (GeladeneVariante != Variante::Keine)
        laden(GeladeneVariante);
}

void TSuchForm::OKBtnClick() {
    // A path typed into the field meets its rule now, before anything is searched.
    if (!suchfeldAnwenden(Suchfeld::Pfadregel::Anwenden))
        return;
    const QString ersteZeile = ViewerMemo->document()->firstBlock().text();
    const int auswahlStart = ViewerMemo->textCursor().selectionStart();
    const int auswahlLaenge = ViewerMemo->textCursor().selectionEnd() - auswahlStart;

    suchfeldSperren(true);
    if (!zustand_)
        zustand_ = std::make_unique<TSuchfensterZustand>();
    TSuchfensterZustand& f = *zustand_;
    f.GrossKleinBeachten = GrossKleinBeachten->isChecked();
    f.NurGanzeWoerter = NurGanzeWoerterCheckBox->isChecked();
    f.TntEdit2 = TntEdit2->text();
    f.chkUnicode = chkUnicode->isChecked();
    f.chkUnicodeBE = chkUnicodeBE->isChecked();

    suchlauf_ = std::make_unique<TSuchlauf>(TSuchlauf::Umgebung{ordner_, dienste_, f});
    TSuchlauf& lauf = *suchlauf_;
    lauf.Datenbankname = Datenbankname;
    lauf.SuchtextInClipbrd =
        suchlaufHaken_.suchtextInZwischenablage && suchlaufHaken_.suchtextInZwischenablage();
    lauf.PhraseCheckBox = PhraseCheckBox->isChecked();
    lauf.DateiGeoeffnet = DateiGeoeffnet;
    lauf.GeladeneVariante = GeladeneVariante;
    lauf.status = [this](const QString& text) {
        setWindowTitle(text);
        if (suchlaufHaken_.status)
            suchlaufHaken_.status(text);
    };
    lauf.beschaeftigtEnde = [this] {
        if (suchlaufHaken_.beschaeftigt)
            suchlaufHaken_.beschaeftigt(false);
    };
    lauf.zwischenablage = [this](const QString& text) {
        ClipbrdTntEdit->setText(text);
        ClipbrdTntEdit->selectAll();
        ClipbrdTntEdit->copy();
    };
    // The window waits while a block scan runs; between the scans it takes input again, so
    // that "Abbrechen" can stop the run.
    lauf.fensterAktiv = [this](bool aktiv) { setEnabled(aktiv); };
    if (suchlaufHaken_.beschaeftigt && Zeichenkette::trim(f.TntEdit2).size() > 1)
        suchlaufHaken_.beschaeftigt(true);

    SucheLaeuft = true;
    lauf.OKBtnClick();
    SucheLaeuft = false;
    // A cancelled or failed run leaves the window open for another try.
    const bool abgebrochen = lauf.Abgebrochen() || lauf.Fehlgeschlagen();
    if (f.TntEdit2 != TntEdit2->text())
        TntEdit2->setText(f.TntEdit2);

    if (suchlaufHaken_.beschaeftigt)
        suchlaufHaken_.beschaeftigt(false);
    setWindowTitle(QString());
    suchfeldSperren(false);
    setEnabled(true);
    if (abgebrochen)
        return;

    ansichtNachDerSucheLaden();
    if (ViewerMemo->document()->firstBlock().text().contains(ersteZeile)) {
        QTextCursor c = ViewerMemo->textCursor();
        c.setPosition(qMin(auswahlStart, ViewerMemo->document()->characterCount() - 1));
        c.setPosition(
            qMin(auswahlStart + auswahlLaenge, ViewerMemo->document()->characterCount() - 1),
            QTextCursor::KeepAnchor);
        ViewerMemo->setTextCursor(c);
    } else {
        QTextCursor c = ViewerMemo->textCursor();
        c.setPosition(qMin(auswahlStart + int(ViewerMemo->document()->firstBlock().length()) + 1,
                           ViewerMemo->document()->characterCount() - 1));
        ViewerMemo->setTextCursor(c);
    }
    ViewerMemo->setFocus();
    accept();
}
