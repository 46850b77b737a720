// What a user meets in the windows as the program builds them: every setting reaches every
// window it names, the new-database dialog takes typing at once, the search window opens
// at its stored size.

#include "Programm.h"

#include "index/gui/THinweisForm.h"
#include "index/gui/TOKBottomDlg.h"
#include "platform/gui/PlatformGui.h"
#include "searchwin/Suchformp.h"
#include "settings/einstellformp.h"
#include "viewer/TextViewer.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace {

QColor textfarbe(const QWidget* w) {
    return w->palette().color(QPalette::Active, QPalette::WindowText);
}

QColor knopftextfarbe(const QWidget* w) {
    return w->palette().color(QPalette::Active, QPalette::ButtonText);
}

} // namespace

class FensterEinstellungen : public Programm {
protected:
    // The database "Akten" with a UTF-8 document of short lines.
    void akten() {
        schreibe("Datenbank/Akten.dat", "");
        QByteArray text = "#T:\\Akten\\a.pdf\r\n";
        for (int i = 0; i < 300; ++i)
            text += "Zeile " + QByteArray::number(i) + "\r\n";
        schreibe("Datenbank/Akten_UTF8Dokument.txt", text);
    }
};

TEST_F(FensterEinstellungen, HinweisfarbeErreichtJedesGenannteFenster) {
    starten();
    const QColor rot(200, 0, 0);
    einstellungen([&](TEinstellform* e) { farbeWaehlen(e->HinweistexteFarbenAendernButton, rot); });
    EXPECT_EQ(wert("HinweistextFarbe"), QStringLiteral("$000000C8"));
    const struct {
        QWidget* fenster;
        QStringList namen;
    } tabelle[] = {
        {&programm().hauptfenster(),
         {"SpeedButton1", "SpeedButton2", "Label1", "Label2", "GeduldLabel"}},
        {&programm().einstellform(),
         {"SuchtextInClipbrdCheckBox", "KurzhinweisImViewerZeigenCheckBox", "Label1", "Label2",
          "Label3", "Label4", "Label5"}},
        {&programm().suchfenster(),
         {"GrossKleinBeachten", "NurGanzeWoerterCheckBox", "nurWoerterButton", "nurSaetzeButton",
          "WoerterUndSaetzeButton", "Label1", "Label2", "Label5", "TntLabel1", "Label8",
          "OderCheckBox", "PhraseCheckBox", "SpeedButton1", "SpeedButton2"}},
        {programm().hauptfenster().neueDatenbankDialog(),
         {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}},
    };
    for (const auto& zeile : tabelle)
        for (const QString& name : zeile.namen) {
            const auto* w = zeile.fenster->findChild<QWidget*>(name);
            ASSERT_NE(w, nullptr) << zeile.fenster->objectName().toStdString() << "/"
                                  << name.toStdString();
            // Labels and check boxes draw with the window text, tool buttons with the
            // button text.
            const QColor farbe =
                qobject_cast<const QToolButton*>(w) ? knopftextfarbe(w) : textfarbe(w);
            EXPECT_EQ(farbe, rot) << zeile.fenster->objectName().toStdString() << "/"
                                  << name.toStdString();
        }
    // With an empty search field the two search buttons carry the hint colour too.
    TSuchForm& s = programm().suchfenster();
    EXPECT_EQ(knopftextfarbe(s.OKBtn), rot);
    EXPECT_EQ(knopftextfarbe(s.SuchImInternetBtn), rot);
}

TEST_F(FensterEinstellungen, FensterfarbeErreichtAuchDenNeueDatenbankDialog) {
    starten();
    const QColor blau(10, 120, 200);
    einstellungen([&](TEinstellform* e) { farbeWaehlen(e->FarbenAendernButton, blau); });
    EXPECT_EQ(wert("Farbe"), QStringLiteral("$00C8780A"));
    TSuchForm& s = programm().suchfenster();
    for (QWidget* w : std::initializer_list<QWidget*>{
             &programm().hauptfenster(), programm().hauptfenster().Panel1,
             programm().hauptfenster().neueDatenbankDialog(), &programm().einstellform(), &s,
             s.PanelLinks, s.PanelRechts, s.PanelUnten, s.Panel2, s.ToolBar1})
        EXPECT_EQ(w->palette().color(QPalette::Window), blau) << w->objectName().toStdString();
}

TEST_F(FensterEinstellungen, FarbenGeltenAbDemStartAuchImNeueDatenbankDialog) {
    setzen("Ausgewaehlte_Datenbank", "0");
    setzen("Farbe", "$00C8780A");
    setzen("HinweistextFarbe", "clRed");
    starten();
    const TOKBottomDlg* d = programm().hauptfenster().neueDatenbankDialog();
    EXPECT_EQ(d->palette().color(QPalette::Window), QColor(10, 120, 200));
    const auto* name = d->findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(textfarbe(name), QColor(255, 0, 0));
}

TEST_F(FensterEinstellungen, StandardGibtDenSuchknoepfenDieNeueHinweisfarbe) {
    starten();
    einstellungen([&](TEinstellform* e) {
        farbeWaehlen(e->HinweistexteFarbenAendernButton, QColor(0, 0, 200));
        e->Button1->click();
    });
    EXPECT_EQ(wert("HinweistextFarbe"), QStringLiteral("clBlack"));
    TSuchForm& s = programm().suchfenster();
    EXPECT_EQ(knopftextfarbe(s.OKBtn), QColor(Qt::black));
    EXPECT_EQ(knopftextfarbe(s.SuchImInternetBtn), QColor(Qt::black));
}

TEST_F(FensterEinstellungen, KurzhinweisGiltAbStartUndNachOk) {
    setzen("Ausgewaehlte_Datenbank", "0");
    setzen("Kurzhinweis_imViewer_anzeigen", "0");
    akten();
    starten();
    suchfenster([](TSuchForm* s) { EXPECT_TRUE(s->ViewerMemo->toolTip().isEmpty()); });
    einstellungen([](TEinstellform* e) {
        EXPECT_FALSE(e->KurzhinweisImViewerZeigenCheckBox->isChecked());
        e->KurzhinweisImViewerZeigenCheckBox->click();
    });
    EXPECT_EQ(wert("Kurzhinweis_imViewer_anzeigen"), QStringLiteral("1"));
    suchfenster([](TSuchForm* s) {
        EXPECT_TRUE(s->ViewerMemo->toolTip().startsWith(
            QStringLiteral("Markieren Sie den Text mit der linken Maustaste.")));
    });
    einstellungen([](TEinstellform* e) { e->KurzhinweisImViewerZeigenCheckBox->click(); });
    EXPECT_TRUE(programm().suchfenster().ViewerMemo->toolTip().isEmpty());
}

TEST_F(FensterEinstellungen, SchriftknoepfeRollenDenViewerUmEineZeile) {
    akten();
    starten();
    suchfenster([this](TSuchForm* s) {
        s->UTF8LadenButton->click();
        ASSERT_EQ(s->Viewer->Position(), 0);
        const int punkte = s->viewerSchriftgroesse();
        imFenster<TEinstellform>(
            [s, punkte](TEinstellform* e) {
                ASSERT_TRUE(e->SpeedButton1->isEnabled());
                // Larger: one line down, past "#T:\Akten\a.pdf" and its line break.
                e->SpeedButton1->click();
                EXPECT_EQ(s->viewerSchriftgroesse(), punkte + 1);
                EXPECT_EQ(s->Viewer->Position(), 17);
                e->SpeedButton1->click();
                EXPECT_EQ(s->Viewer->Position(), 17 + 9); // "Zeile 0", CR LF
                // Smaller: one line up.
                e->SpeedButton2->click();
                EXPECT_EQ(s->viewerSchriftgroesse(), punkte + 1);
                EXPECT_EQ(s->Viewer->Position(), 17);
                e->OkButton->click();
            },
            "Einstellungen im Suchfenster");
        s->SpeedButton2->click();
    });
}

TEST_F(FensterEinstellungen, NamensfeldHatBeiJedemOeffnenDenFokus) {
    TMainForm_Kelvora_PDF& f = starten();
    for (int oeffnung = 1; oeffnung <= 3; ++oeffnung) {
        imFenster<TOKBottomDlg>(
            [oeffnung](TOKBottomDlg* d) {
                EXPECT_TRUE(QTest::qWaitFor([d] { return d->Edit1->hasFocus(); }, 2000))
                    << "Öffnung " << oeffnung;
                // Typing at once goes into the name field.
                QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Meine Akten"));
                EXPECT_EQ(d->Edit1->text(), QStringLiteral("Meine Akten"));
                // Leave the focus elsewhere, as a user does before closing.
                d->OrdnerwaehlenButton->setFocus();
                d->CancelBtn->click();
            },
            "Neue Datenbank");
        f.NeuErstellenBtn->click();
    }
    EXPECT_TRUE(notifier.meldungen().empty()) << notifier.texte().join('|').toStdString();
}

TEST_F(FensterEinstellungen, BildSprichtNurVonEinerVorhandenenListe) {
    schreibe("Datenbank/Akten.dat", "PFAD_UND_ENDUNGEN=T:\\Akten\\ *.PDF\r\n");
    QDir().mkpath(nativ("Akten"));
    setzen("Ausgewaehlte_Datenbank", "0");
    TMainForm_Kelvora_PDF& f = starten();
    const QString satz = QStringLiteral("Die vorhandene Hauptdateiliste wird benutzt.");
    imFenster<TOKBottomDlg>(
        [&](TOKBottomDlg* d) {
            EXPECT_FALSE(d->Image1->isHidden());
            EXPECT_FALSE(d->Image1->text().contains(satz));
            d->CancelBtn->click();
        },
        "Neue Datenbank ohne Liste");
    f.NeuErstellenBtn->click();
    // With the list of drive T: on disk, re-indexing a database on T: uses it.
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt", "T:\\Akten\\a.pdf\r\n");
    imFenster<TOKBottomDlg>(
        [&](TOKBottomDlg* d) {
            EXPECT_TRUE(d->OrdnerEdit->text().startsWith(QStringLiteral("T:\\Akten")));
            EXPECT_EQ(d->Image1->text(), satz);
            d->CancelBtn->click();
        },
        "Neue Datenbank mit Liste");
    f.DBerneutIndizierenBtn->click();
}

TEST_F(FensterEinstellungen, OrdnerwahlAufDeutschAmOrdnerDesDialogs) {
    QDir().mkpath(nativ("Akten/2019"));
    TMainForm_Kelvora_PDF& f = starten();
    imFenster<TOKBottomDlg>(
        [this](TOKBottomDlg* d) {
            // An empty folder field: the selection starts in the home folder.
            imFenster<Ordnerauswahl>(
                [](Ordnerauswahl* o) {
                    EXPECT_EQ(o->windowTitle(), QStringLiteral("Ordner zum Scannen wählen"));
                    EXPECT_EQ(o->OKBtn->text(), QStringLiteral("OK"));
                    EXPECT_EQ(o->CancelBtn->text(), QStringLiteral("Abbrechen"));
                    EXPECT_EQ(o->ordner(), QDir::homePath());
                    o->CancelBtn->click();
                },
                "Ordnerauswahl ohne Ordner");
            d->OrdnerwaehlenButton->click();
            EXPECT_TRUE(d->OrdnerEdit->text().isEmpty());
            // A folder in the field: the selection starts there and hands back the choice.
            d->OrdnerEdit->setText(win("Akten"));
            imFenster<Ordnerauswahl>(
                [this](Ordnerauswahl* o) {
                    EXPECT_EQ(o->ordner(), nativ("Akten"));
                    o->setOrdner(nativ("Akten/2019"));
                    o->OKBtn->click();
                },
                "Ordnerauswahl am Ordner");
            d->OrdnerwaehlenButton->click();
            EXPECT_EQ(d->OrdnerEdit->text(), win("Akten\\2019"));
            d->CancelBtn->click();
        },
        "Neue Datenbank");
    f.NeuErstellenBtn->click();
}

TEST_F(FensterEinstellungen, SuchfensterOeffnetInDerGespeichertenGroesse) {
    akten();
    setzen("Ausgewaehlte_Datenbank", "0");
    setzen("SHoehe", "560");
    setzen("SWeite", "1100");
    starten();
    suchfenster([](TSuchForm* s) { EXPECT_EQ(s->size(), QSize(1100, 560)); });
    EXPECT_EQ(programm().suchfenster().size(), QSize(1100, 560));
}

TEST_F(FensterEinstellungen, SuchfensterKannFuenfhundertHochSein) {
    akten();
    // The first start stores 900 by 500; the window keeps its least width of 1043.
    starten();
    ASSERT_EQ(wert("SHoehe"), QStringLiteral("500"));
    suchfenster([](TSuchForm* s) { EXPECT_EQ(s->size(), QSize(1043, 500)); });
    notifier.antworten(true);
    programm().hauptfenster().close();
    EXPECT_EQ(wert("SHoehe"), QStringLiteral("500"));
    EXPECT_EQ(wert("SWeite"), QStringLiteral("1043"));
}
