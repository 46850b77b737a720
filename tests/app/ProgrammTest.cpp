// The whole program as main() builds it, used as a person would: every window opened,
// every button, check box and menu entry of the main window, the new-database dialog,
// the settings dialog and the search window pressed, with a small database indexed and
// loaded. The program must live through all of it and store sane values when it closes.

#include "Programm.h"

#include "index/gui/THinweisForm.h"
#include "index/gui/TOKBottomDlg.h"
#include "platform/gui/PlatformGui.h"
#include "settings/Browserbild.h"
#include "tests/fixtures/PdfSchreiber.h"
#include "viewer/TextViewer.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextBlock>
#include <QToolButton>

namespace {

// Clicks a row of a list as the mouse does.
void zeileKlicken(QListWidget* liste, int zeile) {
    const QRect r = liste->visualItemRect(liste->item(zeile));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
}

QStringList eintraege(const QListWidget* liste) {
    QStringList out;
    for (int i = 0; i < liste->count(); ++i)
        out << liste->item(i)->text();
    return out;
}

} // namespace

class GanzesProgramm : public Programm {
protected:
    void SetUp() override {
        Programm::SetUp();
        QDir().mkpath(nativ("Akten"));
        ASSERT_TRUE(
            PdfSchreiber::schreiben(nativ("Akten/a.pdf"), {"Rechnung Nummer 7 aus dem Garten"}));
        ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/b.pdf"),
                                            {"Rosen im Garten", "Zweite Seite mit Rechnung"}));
        schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt",
                 "T:\\Akten\\a.pdf\r\nT:\\Akten\\b.pdf\r\n");
        schreibe("Datenbank/Alt.dat", "");
        schreibe("Adressen_Webseiten.txt",
                 "[Themen1]\r\nListe=Suchmaschinen, Lexika\r\n[Suchmaschinen]\r\n"
                 "Liste=https://duckduckgo.com/?q=, https://www.startpage.com\r\n"
                 "[Lexika]\r\nListe=https://de.wikipedia.org/wiki/\r\n");
    }

    // The notice about the existing master list: "Nein" keeps the list on disk.
    void listeBehalten() {
        imFenster<THinweisForm>([](THinweisForm* h) { h->CancelBtn->click(); },
                                "Hinweis auf die Hauptliste");
    }

    void neueDatenbank(TMainForm_Kelvora_PDF& f) {
        imFenster<TOKBottomDlg>(
            [this](TOKBottomDlg* d) {
                EXPECT_TRUE(QTest::qWaitFor([d] { return d->Edit1->hasFocus(); }, 2000));
                QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Garten"));
                // The folder comes from the clipboard through the folder field's menu; the
                // selection opens there and the notice asks about the list on disk.
                QApplication::clipboard()->setText(win("Akten"));
                imFenster<Ordnerauswahl>(
                    [this](Ordnerauswahl* o) {
                        EXPECT_EQ(o->ordner(), nativ("Akten"));
                        o->OKBtn->click();
                    },
                    "Ordnerauswahl nach dem Einfügen");
                listeBehalten();
                d->PopupMenu1->actions().constFirst()->trigger();
                EXPECT_EQ(d->OrdnerEdit->text(), win("Akten"));
                // The folder button and a click into the field open it again; cancelled.
                for (int i = 0; i < 2; ++i)
                    imFenster<Ordnerauswahl>([](Ordnerauswahl* o) { o->CancelBtn->click(); },
                                             "Ordnerauswahl");
                d->OrdnerwaehlenButton->click();
                QTest::mouseClick(d->OrdnerEdit, Qt::LeftButton);
                EXPECT_EQ(d->OrdnerEdit->text(), win("Akten"));
                d->OKBtn->click();
            },
            "Neue Datenbank");
        f.NeuErstellenBtn->click();
    }

    void einstellungenDurchgehen() {
        bool erkennung = false;
        einstellungen([this, &erkennung](TEinstellform* e) {
            e->SuchtextInClipbrdCheckBox->click();
            e->KurzhinweisImViewerZeigenCheckBox->click();
            erkennung = e->TexterkennungCheckBox->isChecked();
            e->TexterkennungCheckBox->click();
            farbeWaehlen(e->FarbenAendernButton, QColor(10, 120, 200));
            farbeWaehlen(e->HinweistexteFarbenAendernButton, QColor(0, 0, 160));
            // Without the search window these do nothing.
            for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
                     e->SortierungAnzeigenBitBtn, e->SpeedButton1, e->SpeedButton2})
                b->click();
            for (int i = 0; i < TBrowsererkennung::Anzahl; ++i)
                QTest::mouseClick(e->browserbild(static_cast<TBrowsererkennung::Bild>(i)),
                                  Qt::LeftButton);
            e->standard_ImageClick();
            e->Button1->click();
            e->OkButton->click();
        });
        EXPECT_EQ(wert("Suchwort_in_Zwischenablage_kopieren"), QStringLiteral("0"));
        EXPECT_EQ(wert("Kurzhinweis_imViewer_anzeigen"), QStringLiteral("0"));
        EXPECT_EQ(wert("Texterkennung"), erkennung ? QStringLiteral("0") : QStringLiteral("1"));
        EXPECT_EQ(wert("Farbe"), QStringLiteral("$000090FF"));
        // A colour change taken back by Abbruch.
        einstellungen([this](TEinstellform* e) {
            e->SuchtextInClipbrdCheckBox->click();
            farbeWaehlen(e->FarbenAendernButton, QColor(30, 30, 30));
            EXPECT_EQ(wert("Farbe"), QStringLiteral("$001E1E1E"));
            e->AbbruchButton->click();
        });
        EXPECT_EQ(wert("Farbe"), QStringLiteral("$000090FF"));
    }

    // The right half: load, search in the document, bookmark, the memo's menu.
    void dokumentDurchgehen(TSuchForm* s) {
        ASSERT_TRUE(s->UTF8LadenButton->isEnabled());
        s->UTF8LadenButton->click();
        EXPECT_TRUE(s->ViewerMemo->toPlainText().contains(QStringLiteral("Rechnung")));
        s->TntEdit1->setFocus();
        QTest::keyClicks(s->TntEdit1, QStringLiteral("garten"));
        for (int i = 0; i < 3; ++i)
            s->WeiterSuche->click();
        EXPECT_EQ(s->ViewerMemo->textCursor().selectedText().toLower(), QStringLiteral("garten"));
        QTest::keyClick(s->TntEdit1, Qt::Key_Return);
        s->LesezeichenBtn->click();
        s->Button2->click();
        EXPECT_TRUE(s->TntEdit1->text().isEmpty());
        QPlainTextEdit* memo = s->ViewerMemo;
        // A line of text of the first file.
        QTextBlock kopf = memo->document()->firstBlock();
        while (kopf.isValid() && !kopf.text().contains(QStringLiteral("Rechnung")))
            kopf = kopf.next();
        ASSERT_TRUE(kopf.isValid());
        const QRect zeile = memo->cursorRect(QTextCursor(kopf));
        QTest::mouseDClick(memo->viewport(), Qt::LeftButton, Qt::NoModifier,
                           zeile.center() + QPoint(20, 0));
        QTest::mousePress(memo->viewport(), Qt::RightButton, Qt::NoModifier, zeile.center());
        s->PopupMenu1->hide();
        s->TextinSuchleistelinksbertragen1->trigger();
        EXPECT_TRUE(s->TntEdit2->text().contains(QStringLiteral("Rechnung")));
        for (Qt::Key k : {Qt::Key_PageDown, Qt::Key_Down, Qt::Key_End, Qt::Key_Up, Qt::Key_PageUp,
                          Qt::Key_Home}) {
            memo->setFocus();
            QTest::keyClick(memo, k, Qt::ControlModifier);
            QTest::keyClick(memo, k);
        }
    }

    // The left half: the search field and its options, the suggestions, the web search.
    void suchfeldDurchgehen(TSuchForm* s) {
        s->Button1->click();
        EXPECT_TRUE(s->TntEdit2->text().isEmpty());
        EXPECT_FALSE(s->OKBtn->isEnabled());
        s->TntEdit2->setFocus();
        QTest::keyClicks(s->TntEdit2, QStringLiteral("Rosen"));
        QTest::mouseClick(s->TntEdit2, Qt::LeftButton);
        QTest::mouseClick(s->TntEdit2, Qt::LeftButton);
        for (QCheckBox* c : {s->GrossKleinBeachten, s->NurGanzeWoerterCheckBox})
            for (int i = 0; i < 2; ++i)
                c->click();
        // Each topic as the drop-down hands over a choice, then an address of the first.
        ASSERT_TRUE(s->TntComboBox1->isEnabled());
        ASSERT_EQ(s->TntComboBox1->count(), 2);
        const int suchmaschinen = s->TntComboBox1->findText(QStringLiteral("Suchmaschinen"));
        for (int thema : {1 - suchmaschinen, suchmaschinen}) {
            s->TntComboBox1->setCurrentIndex(thema);
            Q_EMIT s->TntComboBox1->activated(thema);
        }
        ASSERT_EQ(s->TntListBox1->count(), 2);
        zeileKlicken(s->TntListBox1, 1);
        const std::size_t vorher = shell.aufrufe.size();
        s->SuchImInternetBtn->click();
        EXPECT_GT(shell.aufrufe.size(), vorher);
        s->SpeedButton1->click();
    }

    // The settings from the search window: the font buttons and the sort group.
    void sortierungDurchgehen(TSuchForm* s) {
        imFenster<TEinstellform>(
            [](TEinstellform* e) {
                for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
                         e->SpeedButton1, e->SpeedButton1, e->SpeedButton2})
                    b->click();
                // Asks, and on Yes shows the sort group and closes the dialog.
                e->SortierungAnzeigenBitBtn->click();
            },
            "Einstellungen im Suchfenster");
        s->SpeedButton2->click();
        ASSERT_TRUE(s->SortierteListenErstellenButton->isVisible());
        for (QRadioButton* r : {s->nurWoerterButton, s->nurSaetzeButton, s->WoerterUndSaetzeButton})
            r->click();
        s->SortierteListenErstellenButton->click();
        EXPECT_TRUE(gibt("Datenbank/Garten_Phrasen_Woerter_Utf8Liste.txt"));
        s->SortAbbrechenButton->click();
        EXPECT_FALSE(s->SortierteListenErstellenButton->isVisible());
        // Loaded anew, the document offers its sorted list.
        s->UTF8LadenButton->click();
        ASSERT_TRUE(s->ZeilenAlsListeSortieren->isEnabled());
        s->ZeilenAlsListeSortieren->click();
        EXPECT_TRUE(s->SortierteListeAngezeigt);
    }
};

TEST_F(GanzesProgramm, JedesFensterUndJederKnopf) {
    TMainForm_Kelvora_PDF& f = starten();
    EXPECT_EQ(eintraege(f.ListBox1), (QStringList{"Alt"}));

    // The help document of the program folder comes first.
    schreibe("Hilfe_Kelvora_PDF.pdf", "%PDF-1.4");
    f.SpeedButton1->click();
    ASSERT_FALSE(shell.aufrufe.empty());
    EXPECT_EQ(shell.aufrufe.back().programm, win("Hilfe_Kelvora_PDF.pdf"));

    // A new database from the folder of two PDFs, then the dialog once more with nothing
    // filled in, which it refuses.
    neueDatenbank(f);
    ASSERT_TRUE(f.isVisible());
    EXPECT_EQ(eintraege(f.ListBox1), (QStringList{"Alt", "Garten"}));
    EXPECT_TRUE(lies("Datenbank/Garten_UTF8Dokument.txt").contains("Rechnung Nummer 7"));
    notifier.leeren();
    imFenster<TOKBottomDlg>([](TOKBottomDlg* d) { d->OKBtn->click(); }, "Leerer Dialog");
    f.NeuErstellenBtn->click();
    EXPECT_EQ(notifier.texte().mid(0, 2),
              (QStringList{"Sie haben keinen Namen für die Datenbank angegeben",
                           "Sie haben keinen Pfad angegeben"}));

    // Re-indexing the selected database with the list on disk.
    zeileKlicken(f.ListBox1, 1);
    imFenster<TOKBottomDlg>(
        [this](TOKBottomDlg* d) {
            EXPECT_EQ(d->Edit1->text(), QStringLiteral("Garten"));
            listeBehalten();
            d->OKBtn->click();
        },
        "Erneut indizieren");
    f.DBerneutIndizierenBtn->click();
    ASSERT_TRUE(f.isVisible());
    EXPECT_TRUE(f.BitBtn2->isEnabled());

    // The list's menu deletes "Alt" after the question.
    zeileKlicken(f.ListBox1, 0);
    QTest::mouseClick(f.ListBox1->viewport(), Qt::RightButton, Qt::NoModifier,
                      f.ListBox1->visualItemRect(f.ListBox1->item(0)).center());
    EXPECT_TRUE(f.PopupMenu1->isVisible());
    f.PopupMenu1->hide();
    notifier.antworten(true);
    f.PopupMenu1->actions().constFirst()->trigger();
    EXPECT_EQ(eintraege(f.ListBox1), (QStringList{"Garten"}));
    zeileKlicken(f.ListBox1, 0);

    einstellungenDurchgehen();
    ASSERT_TRUE(f.isVisible());

    // The search window with the database loaded, every part of it, and at last the local
    // search, which shows its result page through the browser.
    suchfenster([this](TSuchForm* s) {
        dokumentDurchgehen(s);
        suchfeldDurchgehen(s);
        sortierungDurchgehen(s);
        s->TntEdit2->clear();
        s->TntEdit2->setFocus();
        QTest::keyClicks(s->TntEdit2, QStringLiteral("Rechnung"));
        s->OKBtn->click();
    });
    ASSERT_TRUE(f.isVisible());
    EXPECT_TRUE(gibt("Datenbank/Temp/Kelvora_Ergebnis.htm"));
    EXPECT_TRUE(std::any_of(shell.aufrufe.begin(), shell.aufrufe.end(), [](const auto& a) {
        return (a.programm + a.parameter.join(' '))
            .contains("Kelvora_Ergebnis.htm", Qt::CaseInsensitive);
    }));
    EXPECT_TRUE(eintraege(programm().suchfenster().TntListBox2).contains("Rechnung"));
    suchfenster([](TSuchForm* s) { s->CancelBtn->click(); });

    // The close button asks; No keeps the program running, Yes ends it and stores.
    notifier.antworten(false);
    f.BitBtn2->click();
    ASSERT_TRUE(f.isVisible());
    notifier.antworten(true);
    f.BitBtn2->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(wert("Ausgewaehlte_Datenbank"), QStringLiteral("0"));
    EXPECT_GE(wert("Hoehe").toInt(), 506);
    EXPECT_GE(wert("Weite").toInt(), 700);
    EXPECT_GE(wert("SHoehe").toInt(), 500);
    EXPECT_GE(wert("SWeite").toInt(), 1043);
    const int schrift = wert("SchriftsizeTextViewer").toInt();
    EXPECT_TRUE(schrift >= 6 && schrift <= 72) << schrift;
    EXPECT_EQ(wert("Farbe"), QStringLiteral("$000090FF"));
    EXPECT_EQ(wert("HinweistextFarbe"), QStringLiteral("clBlack"));
    EXPECT_EQ(wert("Browser"), QStringLiteral("standard"));
    EXPECT_TRUE(QDir(nativ("Datenbank/Temp")).isEmpty());
}
