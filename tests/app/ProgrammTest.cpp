#include "app/gui/Anwendung.h"
#include "app/gui/TMainForm_Kelvora_PDF.h"
#include "index/gui/THinweisForm.h"
#include "index/gui/TOKBottomDlg.h"
#include "platform/Platform.h"
#include "platform/gui/PlatformGui.h"
#include "searchwin/Suchformp.h"
#include "settings/einstellformp.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/PdfSchreiber.h"
#include "viewer/TextViewer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

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

QColor textfarbe(const QWidget* w) {
    const bool knopf =
        qobject_cast<const QAbstractButton*>(w) && !qobject_cast<const QCheckBox*>(w);
    return w->palette().color(QPalette::Active,
                              knopf ? QPalette::ButtonText : QPalette::WindowText);
}

} // namespace

// The program as main() builds it, used as a person would; only the message boxes and the
// shell answer in place of the person and the desktop.
class GanzesProgramm : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        SettingsStore().SchreibeRegKey(QStringLiteral("Laufwerk_T"), nativ());
        vorher_ = QDir::currentPath();
        QDir::setCurrent(nativ());
        QDir().mkpath(nativ("Akten"));
        ASSERT_TRUE(
            PdfSchreiber::schreiben(nativ("Akten/a.pdf"), {"Rechnung Nummer 7 aus dem Garten"}));
        // Long enough for the viewer to scroll.
        ASSERT_TRUE(PdfSchreiber::schreiben(
            nativ("Akten/b.pdf"),
            {"Rosen im Garten", "Zweite Seite mit Rechnung" + QString("\nZeile").repeated(80)}));
        schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt",
                 "T:\\Akten\\a.pdf\r\nT:\\Akten\\b.pdf\r\n");
        for (const char* n : {"Alt.dat", "Alt_AnsiDokument.txt", "Lesezeichen_Ansi_Alt.txt"})
            schreibe(QString("Datenbank/") + n, "");
        schreibe("Adressen_Webseiten.txt",
                 "[Themen1]\r\nListe=Suchmaschinen, Lexika\r\n[Suchmaschinen]\r\n"
                 "Liste=https://duckduckgo.com/?q=, https://www.startpage.com\r\n"
                 "[Lexika]\r\nListe=https://de.wikipedia.org/wiki/\r\n");
        programm =
            std::make_unique<Anwendung>(QStringList{}, Anwendung::Aussenwelt{&notifier, &shell});
    }
    void TearDown() override {
        programm.reset();
        QDir::setCurrent(vorher_);
        Umgebung::TearDown();
    }

    static QString wert(const QString& name) { return SettingsStore().LeseRegKey(name); }

    // Acts on the next modal window of type T once shown; one that never comes fails the test.
    template <typename T> void imFenster(const char* was, std::function<void(T*)> aktion) {
        auto* takt = new QTimer(qApp);
        QObject::connect(takt, &QTimer::timeout, takt, [takt, aktion, was, n = 0]() mutable {
            QWidget* oben = QApplication::activeModalWidget();
            T* fenster = qobject_cast<T*>(oben);
            const bool da = fenster && fenster->isVisible();
            if (!da && ++n < 1500)
                return;
            takt->stop();
            takt->deleteLater();
            if (da)
                return aktion(fenster);
            ADD_FAILURE() << "Kein Fenster für: " << was;
            if (auto* dialog = qobject_cast<QDialog*>(oben))
                dialog->reject();
        });
        takt->start(10);
    }

    void farbeWaehlen(QPushButton* knopf, const QColor& farbe) {
        imFenster<QColorDialog>("Farbauswahl", [farbe](QColorDialog* d) {
            d->setCurrentColor(farbe);
            d->accept();
        });
        knopf->click();
    }
    void listeBehalten() {
        imFenster<THinweisForm>("Hinweis auf die Hauptliste",
                                [](THinweisForm* h) { h->CancelBtn->click(); });
    }

    ProtokollNotifier notifier;
    ProtokollShell shell;
    std::unique_ptr<Anwendung> programm;

private:
    QString vorher_;
};

TEST_F(GanzesProgramm, JedesFensterUndJederKnopf) {
    TMainForm_Kelvora_PDF& f = programm->hauptfenster();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    EXPECT_EQ(f.windowTitle(),
              System::isElevated()
                  ? QStringLiteral("Kelvora-PDF - Mit Administratorberechtigung gestartet.")
                  : QStringLiteral("  Kelvora-PDF -  Die Suchmaschine für PDF-Dokumente."));
    EXPECT_EQ(eintraege(f.ListBox1), (QStringList{"Alt"}));

    schreibe("Hilfe_Kelvora_PDF.pdf", "%PDF-1.4");
    f.SpeedButton1->click();
    ASSERT_FALSE(shell.aufrufe.empty());
    EXPECT_EQ(shell.aufrufe.back().programm, win("Hilfe_Kelvora_PDF.pdf"));

    imFenster<TOKBottomDlg>("Neue Datenbank", [this](TOKBottomDlg* d) {
        EXPECT_TRUE(QTest::qWaitFor([d] { return d->Edit1->hasFocus(); }, 2000));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Garten"));
        // The folder pasted through the field's menu opens the folder selection.
        QApplication::clipboard()->setText(win("Akten"));
        imFenster<Ordnerauswahl>("Ordnerauswahl nach dem Einfügen", [this](Ordnerauswahl* o) {
            EXPECT_EQ(o->windowTitle(), QStringLiteral("Ordner zum Scannen wählen"));
            EXPECT_EQ(o->CancelBtn->text(), QStringLiteral("Abbrechen"));
            EXPECT_EQ(o->ordner(), nativ("Akten"));
            o->OKBtn->click();
        });
        listeBehalten();
        d->PopupMenu1->actions().constFirst()->trigger();
        EXPECT_EQ(d->OrdnerEdit->text(), win("Akten"));
        // The folder button and a click into the field open it again; cancelled.
        for (int i = 0; i < 2; ++i)
            imFenster<Ordnerauswahl>("Ordnerauswahl",
                                     [](Ordnerauswahl* o) { o->CancelBtn->click(); });
        d->OrdnerwaehlenButton->click();
        QTest::mouseClick(d->OrdnerEdit, Qt::LeftButton);
        EXPECT_EQ(d->OrdnerEdit->text(), win("Akten"));
        d->OKBtn->click();
    });
    f.NeuErstellenBtn->click();
    ASSERT_TRUE(f.isVisible());
    EXPECT_EQ(eintraege(f.ListBox1), (QStringList{"Alt", "Garten"}));
    EXPECT_TRUE(lies("Datenbank/Garten_UTF8Dokument.txt").contains("Rechnung Nummer 7"));
    notifier.leeren();
    imFenster<TOKBottomDlg>("Leerer Dialog", [](TOKBottomDlg* d) {
        EXPECT_TRUE(QTest::qWaitFor([d] { return d->Edit1->hasFocus(); }, 2000));
        d->OKBtn->click();
    });
    f.NeuErstellenBtn->click();
    EXPECT_EQ(notifier.texte().mid(0, 2),
              (QStringList{"Sie haben keinen Namen für die Datenbank angegeben",
                           "Sie haben keinen Pfad angegeben"}));

    zeileKlicken(f.ListBox1, 1);
    imFenster<TOKBottomDlg>("Erneut indizieren", [this](TOKBottomDlg* d) {
        EXPECT_EQ(d->Edit1->text(), QStringLiteral("Garten"));
        EXPECT_EQ(d->Image1->text(),
                  QStringLiteral("Die vorhandene Hauptdateiliste wird benutzt."));
        listeBehalten();
        d->OKBtn->click();
    });
    f.DBerneutIndizierenBtn->click();
    ASSERT_TRUE(f.isVisible());
    EXPECT_TRUE(f.BitBtn2->isEnabled());

    zeileKlicken(f.ListBox1, 0);
    QTest::mouseClick(f.ListBox1->viewport(), Qt::RightButton, Qt::NoModifier,
                      f.ListBox1->visualItemRect(f.ListBox1->item(0)).center());
    EXPECT_TRUE(f.PopupMenu1->isVisible());
    f.PopupMenu1->hide();
    notifier.leeren();
    notifier.antworten(true);
    f.PopupMenu1->actions().constFirst()->trigger();
    EXPECT_EQ(notifier.texte(), QStringList{"Möchten Sie die Datenbank \"Alt\" wirklich löschen?"});
    EXPECT_EQ(eintraege(f.ListBox1), (QStringList{"Garten"}));
    EXPECT_FALSE(gibt("Datenbank/Alt.dat") || gibt("Datenbank/Alt_AnsiDokument.txt"));
    EXPECT_TRUE(gibt("Datenbank/Lesezeichen_Ansi_Alt.txt"));
    zeileKlicken(f.ListBox1, 0);

    TSuchForm& such = programm->suchfenster();
    bool erkennung = false;
    imFenster<TEinstellform>("Einstellungen", [&](TEinstellform* e) {
        e->SuchtextInClipbrdCheckBox->click();
        e->KurzhinweisImViewerZeigenCheckBox->click();
        erkennung = e->TexterkennungCheckBox->isChecked();
        e->TexterkennungCheckBox->click();
        farbeWaehlen(e->FarbenAendernButton, QColor(10, 120, 200));
        farbeWaehlen(e->HinweistexteFarbenAendernButton, QColor(0, 0, 160));
        EXPECT_EQ(wert("Farbe") + wert("HinweistextFarbe"), QStringLiteral("$00C8780A$00A00000"));
        for (QWidget* w : std::initializer_list<QWidget*>{
                 f.Label2, f.SpeedButton1, f.neueDatenbankDialog()->findChild<QLabel*>("Label6"),
                 e->KurzhinweisImViewerZeigenCheckBox, such.NurGanzeWoerterCheckBox,
                 such.SpeedButton2, such.WoerterUndSaetzeButton, such.OKBtn})
            EXPECT_EQ(textfarbe(w), QColor(0, 0, 160)) << w->objectName().toStdString();
        for (QWidget* w : std::initializer_list<QWidget*>{&f, f.Panel1, f.neueDatenbankDialog(), e,
                                                          such.PanelRechts, such.ToolBar1})
            EXPECT_EQ(w->palette().color(QPalette::Window), QColor(10, 120, 200))
                << w->objectName().toStdString();
        e->standard_ImageClick();
        e->Button1->click();
        EXPECT_EQ(textfarbe(such.OKBtn), QColor(Qt::black));
        e->OkButton->click();
    });
    f.SpeedButton2->click();
    EXPECT_EQ(
        QStringList({wert("Suchwort_in_Zwischenablage_kopieren"),
                     wert("Kurzhinweis_imViewer_anzeigen"), wert("Texterkennung"), wert("Farbe")}),
        QStringList({"0", "0", erkennung ? "0" : "1", "$000090FF"}));
    imFenster<TEinstellform>("Einstellungen", [this](TEinstellform* e) {
        farbeWaehlen(e->FarbenAendernButton, QColor(30, 30, 30));
        EXPECT_EQ(wert("Farbe"), QStringLiteral("$001E1E1E"));
        e->AbbruchButton->click();
    });
    f.SpeedButton2->click();
    EXPECT_EQ(wert("Farbe"), QStringLiteral("$000090FF"));
    ASSERT_TRUE(f.isVisible());

    imFenster<TSuchForm>("Suchfenster", [this](TSuchForm* s) {
        EXPECT_EQ(s->size(), QSize(1043, 500));
        EXPECT_TRUE(s->ViewerMemo->toolTip().isEmpty());
        ASSERT_TRUE(s->UTF8LadenButton->isEnabled());
        s->UTF8LadenButton->click();
        EXPECT_TRUE(s->ViewerMemo->toPlainText().contains(QStringLiteral("Rechnung")));
        s->TntEdit1->setFocus();
        QTest::keyClicks(s->TntEdit1, QStringLiteral("garten"));
        for (int i = 0; i < 3; ++i)
            s->WeiterSuche->click();
        EXPECT_EQ(s->ViewerMemo->textCursor().selectedText().toLower(), QStringLiteral("garten"));
        s->Button1->click();
        EXPECT_TRUE(s->TntEdit2->text().isEmpty());
        EXPECT_FALSE(s->OKBtn->isEnabled());
        s->TntEdit2->setFocus();
        QTest::keyClicks(s->TntEdit2, QStringLiteral("Rosen"));
        const int suchmaschinen = s->TntComboBox1->findText(QStringLiteral("Suchmaschinen"));
        s->TntComboBox1->setCurrentIndex(suchmaschinen);
        Q_EMIT s->TntComboBox1->activated(suchmaschinen);
        ASSERT_EQ(s->TntListBox1->count(), 2);
        zeileKlicken(s->TntListBox1, 0);
        const std::size_t vorher = shell.aufrufe.size();
        s->SuchImInternetBtn->click();
        ASSERT_GT(shell.aufrufe.size(), vorher);
        EXPECT_TRUE((shell.aufrufe.back().programm + shell.aufrufe.back().parameter.join(' '))
                        .contains("https://duckduckgo.com/?q=Rosen"));
        s->SpeedButton1->click();
        EXPECT_EQ(shell.aufrufe.back().programm, win("Hilfe_Kelvora_PDF.pdf"));
        // The font buttons roll the viewer by a line, the document's first lines being " " CR LF.
        imFenster<TEinstellform>("Einstellungen im Suchfenster", [s](TEinstellform* e) {
            ASSERT_EQ(s->Viewer->Position(), 0);
            for (const auto& [knopf, position] :
                 {std::pair{e->SpeedButton1, 3}, {e->SpeedButton1, 6}, {e->SpeedButton2, 3}}) {
                knopf->click();
                EXPECT_EQ(s->Viewer->Position(), position);
            }
            e->SortierungAnzeigenBitBtn->click();
        });
        s->SpeedButton2->click();
        ASSERT_TRUE(s->SortierteListenErstellenButton->isVisible());
        s->WoerterUndSaetzeButton->click();
        s->SortierteListenErstellenButton->click();
        EXPECT_TRUE(gibt("Datenbank/Garten_Phrasen_Woerter_Utf8Liste.txt"));
        s->SortAbbrechenButton->click();
        EXPECT_FALSE(s->SortierteListenErstellenButton->isVisible());
        s->TntEdit2->clear();
        s->TntEdit2->setFocus();
        QTest::keyClicks(s->TntEdit2, QStringLiteral("Rechnung"));
        s->OKBtn->click();
        if (s->isVisible())
            s->CancelBtn->click();
    });
    f.SuchenBtn->click();
    ASSERT_TRUE(f.isVisible());
    EXPECT_EQ(f.Label1->text(), QStringLiteral("Fertig mit der Suche."));
    EXPECT_EQ(QApplication::clipboard()->text(), win("Akten"));
    EXPECT_TRUE(gibt("Datenbank/Suchwoerterlisten/Garten_Utf8_Suchwoerterliste.txt"));
    EXPECT_FALSE(gibt("Datenbank/Suchwoerterlisten/Garten_Gesamt_OhneDB_Suchwoerterliste.txt"));
    EXPECT_TRUE(gibt("Datenbank/Temp/Kelvora_Ergebnis.htm"));
    EXPECT_TRUE(std::any_of(shell.aufrufe.begin(), shell.aufrufe.end(), [](const auto& a) {
        return (a.programm + a.parameter.join(' '))
            .contains("Kelvora_Ergebnis.htm", Qt::CaseInsensitive);
    }));
    EXPECT_TRUE(eintraege(programm->suchfenster().TntListBox2).contains("Rechnung"));
    imFenster<TSuchForm>("Suche per Doppelklick", [](TSuchForm* s) { s->CancelBtn->click(); });
    const QPoint garten = f.ListBox1->visualItemRect(f.ListBox1->item(0)).center();
    QTest::mouseClick(f.ListBox1->viewport(), Qt::LeftButton, {}, garten);
    QTest::mouseDClick(f.ListBox1->viewport(), Qt::LeftButton, {}, garten);
    EXPECT_EQ(programm->suchfenster().Datenbankname, QStringLiteral("Garten"));

    notifier.leeren();
    notifier.antworten(false);
    f.BitBtn2->click();
    ASSERT_TRUE(f.isVisible());
    EXPECT_EQ(notifier.texte(), QStringList{"Kelvora-PDF wirklich schließen?"});
    notifier.antworten(true);
    f.BitBtn2->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(wert("Weite") + 'x' + wert("Hoehe"), QString("%1x%2").arg(f.width()).arg(f.height()));
    EXPECT_EQ(QStringList({wert("Ausgewaehlte_Datenbank"), wert("SHoehe"), wert("SWeite"),
                           wert("Farbe"), wert("HinweistextFarbe"), wert("Browser")}),
              QStringList({"0", "500", "1043", "$000090FF", "clBlack", "standard"}));
    const int schrift = wert("SchriftsizeTextViewer").toInt();
    EXPECT_TRUE(schrift >= 6 && schrift <= 72) << schrift;
    EXPECT_TRUE(QDir(nativ("Datenbank/Temp")).isEmpty());
}
