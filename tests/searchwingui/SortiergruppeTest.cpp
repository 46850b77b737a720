#include "searchwin/Sortiergruppe.h"
#include "searchwin/TSuchForm.h"

#include "platform/Platform.h"
#include "tests/common/Datensatz.h"
#include "tests/common/TestUmgebung.h"
#include "viewer/TextViewer.h"
#include "viewer/ViewerDokument.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// Counts the message rounds of a run and can act at a chosen one, as a click would arrive.
class Taktpumpe : public Pump {
public:
    void verarbeiten() override {
        ++runden;
        if (runden == ausloesen && aktion)
            aktion();
    }
    void pause(int millisekunden) override { pausen.append(millisekunden); }

    int runden = 0;
    int ausloesen = 0;
    std::function<void()> aktion;
    QList<int> pausen;
};

} // namespace

class SortiergruppeTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        Programmordner(win()).ordnerAnlegen(notifier);
        schreibe("Akten/a.pdf", "%PDF");
        schreibe(
            "Datenbank/Akten.dat",
            ("PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n" + win("Akten\\a.pdf") + "\r\n").toUtf8());
        form = std::make_unique<TSuchForm>(Dienste{einstellungen, notifier, shell, pumpe},
                                           Programmordner(win()));
        form->setDatenbank(QStringLiteral("Akten"));
    }
    // A record as the indexing run writes it.
    QString satz(const QString& text) const {
        return satzkopf(win("Akten\\a.pdf")) + text + "\r\n";
    }
    Sortiergruppe& gruppe() { return *form->Sortierung; }
    QList<QWidget*> gruppenteile() const {
        return {form->Bevel5,
                form->Label4,
                form->ProgressBar1,
                form->SortierteListenErstellenButton,
                form->SortAbbrechenButton,
                form->RadioGroup1,
                form->nurWoerterButton,
                form->nurSaetzeButton,
                form->WoerterUndSaetzeButton};
    }
    bool gruppeSichtbar() const {
        for (QWidget* w : gruppenteile())
            if (w->isHidden())
                return false;
        return true;
    }
    bool gruppeVerborgen() const {
        for (QWidget* w : gruppenteile())
            if (!w->isHidden())
                return false;
        return true;
    }
    void gruppeOeffnen() {
        notifier.antworten(true);
        ASSERT_TRUE(gruppe().SortierungAnzeigen());
        notifier.leeren();
    }

    SpeicherEinstellungen einstellungen;
    ProtokollNotifier notifier;
    ProtokollShell shell;
    Taktpumpe pumpe;
    std::unique_ptr<TSuchForm> form;
};

TEST_F(SortiergruppeTest, FrageZeigtDieGruppeUndVerbirgtDieWebsuche) {
    EXPECT_TRUE(form->nurWoerterButton->isChecked());
    EXPECT_FALSE(form->WoerterUndSaetzeButton->isChecked());
    bool abbruch = true;
    gruppe().setAbbruchFlag(abbruch);
    notifier.antworten(false);
    EXPECT_FALSE(gruppe().SortierungAnzeigen());
    EXPECT_TRUE(abbruch);
    EXPECT_FALSE(form->Panel2->isHidden());
    notifier.antworten(true);
    EXPECT_TRUE(gruppe().SortierungAnzeigen());
    ASSERT_EQ(notifier.meldungen().size(), 2u);
    EXPECT_EQ(notifier.meldungen()[1].art, Notifier::Art::Frage);
    EXPECT_EQ(notifier.texte()[1],
              QStringLiteral("Möchten Sie die Dokumente von \"Akten\" sortieren?\r\nVorhandene "
                             "sortierte Listen werden überschrieben! Wenn JA, dann \r\nklicken "
                             "Sie anschließend auf den Schalter \"Sortierte Listen erstellen\""));
    EXPECT_FALSE(abbruch);
    EXPECT_TRUE(gruppeSichtbar());
    EXPECT_TRUE(form->Panel2->isHidden());
}

TEST_F(SortiergruppeTest, WoerterlisteUtf8) {
    gruppeOeffnen();
    schreibe("Datenbank/Akten_UTF8Dokument.txt",
             satz("Haus haus HAUS Äpfel Zebra ab abc").toUtf8());
    form->SortierteListenErstellenButton->click();
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"),
              QByteArray("abc\r\nHaus\r\nZebra\r\n=======\r\n\xC3\x84pfel\r\n#T:\\Akten\\a.pdf\r\n"
                         " \r\n"));
    EXPECT_FALSE(gibt("Datenbank/Akten_Phrasen_Woerter_AnsiListe.txt"));
    EXPECT_TRUE(notifier.meldungen().empty());
    EXPECT_EQ(form->Label4->text(), QStringLiteral("Fertig"));
    EXPECT_EQ(form->ProgressBar1->value(), 0);
    EXPECT_EQ(form->ProgressBar1->palette().color(QPalette::Highlight), QColor(0, 255, 0));
    EXPECT_TRUE(form->windowTitle().isEmpty());
    EXPECT_FALSE(form->SortierungLaeuft);
    EXPECT_TRUE(gruppe().Timer1->isActive());
    EXPECT_EQ(pumpe.pausen, QList<int>{100});
    // Enabled again: the run's controls and the load button of the existing document.
    for (QWidget* w : std::initializer_list<QWidget*>{
             form->SortierteListenErstellenButton, form->TntEdit2, form->GrossKleinBeachten,
             form->NurGanzeWoerterCheckBox, form->TntEdit1, form->SpeedButton2, form->CancelBtn,
             form->WeiterSuche, form->nurWoerterButton, form->nurSaetzeButton,
             form->WoerterUndSaetzeButton, form->UTF8LadenButton})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    for (QWidget* w :
         std::initializer_list<QWidget*>{form->AnsiLadenButton, form->UnicodeLadenButton,
                                         form->OKBtn, form->ZeilenAlsListeSortieren})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(gruppeSichtbar());
    EXPECT_TRUE(QDir(nativ("Datenbank/Temp")).entryList(QDir::Files).isEmpty());
}

// The mode chosen reaches the run; the list of each variant gives its load button.
TEST_F(SortiergruppeTest, ModusUndVarianteAusDerGruppe) {
    gruppeOeffnen();
    const struct {
        QRadioButton* modus;
        const char *dokument, *liste;
        QByteArray inhalt, erwartet;
        QPushButton* laden;
    } faelle[] = {
        {form->nurSaetzeButton, "AnsiDokument", "AnsiListe",
         satz("Der Bär brummt. Ein Satz, so da").toLatin1(),
         "Der B\xE4r brummt\r\nEin Satz\r\nso da\r\n#T:\\Akten\\a.pdf\r\n", form->AnsiLadenButton},
        {form->WoerterUndSaetzeButton, "UnicodeDokument", "UnicodeListe",
         utf16le(satz("\u0141\u00F3d\u017A ist gro\u00DF")),
         utf16le("groß\r\nist\r\n=======\r\n\u0141\u00F3d\u017A\r\n\u0141\u00F3d\u017A ist "
                 "gro\u00DF\r\n#T:\\Akten\\a.pdf\r\n"),
         form->UnicodeLadenButton},
    };
    for (const auto& f : faelle) {
        f.modus->setChecked(true);
        schreibe(QString("Datenbank/Akten_") + f.dokument + ".txt", f.inhalt);
        form->SortierteListenErstellenButton->click();
        EXPECT_EQ(lies(QString("Datenbank/Akten_Phrasen_Woerter_") + f.liste + ".txt"), f.erwartet);
        EXPECT_TRUE(f.laden->isEnabled()) << f.liste;
        EXPECT_FALSE(form->UTF8LadenButton->isEnabled());
    }
}

TEST_F(SortiergruppeTest, KeineDokumenteMeldetUndStartetNichts) {
    gruppeOeffnen();
    form->SortierteListenErstellenButton->click();
    ASSERT_EQ(notifier.meldungen().size(), 1u);
    EXPECT_EQ(notifier.meldungen().front().art, Notifier::Art::Information);
    EXPECT_EQ(notifier.texte().first(),
              QStringLiteral("Für die Datenbank \"Akten\" existieren keine Dokumente, die "
                             "sortiert werden könnten!"));
    EXPECT_FALSE(gruppe().Timer1->isActive());
    EXPECT_TRUE(form->windowTitle().isEmpty());
}

TEST_F(SortiergruppeTest, DerLaufGibtBeideViewerFrei) {
    gruppeOeffnen();
    schreibe("Datenbank/Akten_UTF8Dokument.txt", satz("Wort").toUtf8());
    form->UTF8LadenButtonClick();
    ASSERT_FALSE(form->Viewer->FileName().isEmpty());
    form->Label2->setText(QStringLiteral("123"));
    ASSERT_TRUE(form->Viewer2->Open(nativ("Datenbank/Akten_UTF8Dokument.txt")));
    form->SortierteListenErstellenButton->click();
    EXPECT_TRUE(form->Viewer->FileName().isEmpty());
    EXPECT_TRUE(form->DokumentDatei.isEmpty());
    EXPECT_FALSE(form->Viewer2->IstOffen());
    EXPECT_TRUE(gruppe().DokumentWarOffen);
    EXPECT_TRUE(form->Label2->text().isEmpty());
    EXPECT_TRUE(form->viewerMemoLeer());
    form->SortierteListenErstellenButton->click();
    EXPECT_FALSE(gruppe().DokumentWarOffen);
}

TEST_F(SortiergruppeTest, AbbruchWaehrendDesLaufs) {
    gruppeOeffnen();
    QString text = satz("eins zwei drei");
    for (int i = 0; i < 50; ++i)
        text += QStringLiteral("Zeile Nummer %1\r\n").arg(i);
    schreibe("Datenbank/Akten_AnsiDokument.txt", text.toLatin1());
    schreibe("Datenbank/Akten_UTF8Dokument.txt", text.toUtf8());
    schreibe("Datenbank/Akten_Phrasen_Woerter_AnsiListe.txt", "alt");
    QString titelBeimAbbruch;
    bool offenBeimAbbruch = false;
    // Some lines into the extracting pass the user presses "Abbrechen / Schließen".
    pumpe.ausloesen = 70;
    pumpe.aktion = [&] {
        form->SortAbbrechenButton->click();
        titelBeimAbbruch = form->windowTitle();
        offenBeimAbbruch = gruppeSichtbar();
    };
    form->SortierteListenErstellenButton->click();
    EXPECT_EQ(titelBeimAbbruch,
              QStringLiteral("Abbruch durch Benutzer! Bitte Geduld! Ich höre gleich auf!"));
    // While a list is being built the click only sets the flag.
    EXPECT_TRUE(offenBeimAbbruch);
    EXPECT_TRUE(gruppe().abbruch());
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_AnsiListe.txt"), QByteArray("alt"));
    EXPECT_FALSE(gibt("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"));
    // The line loop stopped at once, long before the words of every line.
    EXPECT_LT(pumpe.runden, 80);
    // The run flag was still set when the run ended, so the run ends the cancel: flag
    // cleared and the group closed.
    EXPECT_FALSE(form->SortierungLaeuft);
    EXPECT_TRUE(gruppeVerborgen());
    EXPECT_FALSE(form->Panel2->isHidden());
    EXPECT_EQ(form->Label4->text(), QStringLiteral("Sortierte Liste von: "));
    EXPECT_TRUE(form->windowTitle().isEmpty());
    EXPECT_TRUE(form->AnsiLadenButton->isEnabled());
    EXPECT_TRUE(form->UTF8LadenButton->isEnabled());
}

TEST_F(SortiergruppeTest, TimerBeendetDenAbbruchUndHoertNachZehnTaktenAuf) {
    gruppeOeffnen();
    form->Panel2->hide();
    form->SortierungLaeuft = true;
    form->SortAbbrechenButton->click();
    EXPECT_TRUE(gruppeSichtbar());
    gruppe().Timer1->start();
    gruppe().Timer1Timer();
    EXPECT_FALSE(form->SortierungLaeuft);
    EXPECT_TRUE(gruppeVerborgen());
    EXPECT_FALSE(form->Panel2->isHidden());
    for (int i = 2; i <= 9; ++i)
        gruppe().Timer1Timer();
    EXPECT_TRUE(gruppe().Timer1->isActive());
    gruppe().Timer1Timer();
    EXPECT_FALSE(gruppe().Timer1->isActive());
    // The counter is never reset: a timer started later stops at its first tick.
    gruppe().Timer1->start();
    gruppe().Timer1Timer();
    EXPECT_FALSE(gruppe().Timer1->isActive());
    EXPECT_EQ(gruppe().Timerzaehler, 11);
}

TEST_F(SortiergruppeTest, AbbrechenOhneLaufSchliesstSofort) {
    gruppeOeffnen();
    schreibe("Datenbank/Akten_AnsiDokument.txt", "abc");
    schreibe("Datenbank/Akten_UTF8Dokument.txt", "ab");
    schreibe("Datenbank/Akten_UnicodeDokument.txt", QByteArray("\xFF\xFE"
                                                               "a\0",
                                                               4));
    for (QWidget* w : std::initializer_list<QWidget*>{
             form->AnsiLadenButton, form->UTF8LadenButton, form->UnicodeLadenButton, form->TntEdit2,
             form->CancelBtn, form->SortierteListenErstellenButton})
        w->setEnabled(false);
    form->ProgressBar1->setValue(50);
    form->SortAbbrechenButton->click();
    EXPECT_TRUE(gruppeVerborgen());
    EXPECT_FALSE(form->Panel2->isHidden());
    EXPECT_TRUE(form->windowTitle().isEmpty());
    EXPECT_EQ(form->Label4->text(), QStringLiteral("Sortierte Liste von: "));
    EXPECT_EQ(form->ProgressBar1->value(), 0);
    // Ansi and UTF8 from 3 bytes on, Unicode from 5.
    EXPECT_TRUE(form->AnsiLadenButton->isEnabled());
    EXPECT_FALSE(form->UTF8LadenButton->isEnabled());
    EXPECT_FALSE(form->UnicodeLadenButton->isEnabled());
    EXPECT_TRUE(form->TntEdit2->isEnabled());
    EXPECT_TRUE(form->CancelBtn->isEnabled());
    EXPECT_TRUE(form->SortierteListenErstellenButton->isEnabled());
    EXPECT_TRUE(gruppe().abbruch());
}

TEST_F(SortiergruppeTest, GemeinsamesAbbruchflagVerhindertDenStart) {
    bool abbruch = false;
    gruppe().setAbbruchFlag(abbruch);
    gruppeOeffnen();
    abbruch = true;
    schreibe("Datenbank/Akten_UTF8Dokument.txt", satz("Wort").toUtf8());
    form->SortierteListenErstellenButton->click();
    EXPECT_FALSE(gibt("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"));
    EXPECT_FALSE(gruppe().Timer1->isActive());
    EXPECT_TRUE(gruppeSichtbar());
    abbruch = false;
    form->SortierteListenErstellenButton->click();
    EXPECT_TRUE(gibt("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"));
}

TEST_F(SortiergruppeTest, SortierteListeLadenZeigtDieListe) {
    gruppeOeffnen();
    schreibe("Datenbank/Akten_UTF8Dokument.txt", satz("Zebra Haus Äpfel").toUtf8());
    form->SortierteListenErstellenButton->click();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->UTF8LadenButtonClick();
    ASSERT_TRUE(form->ZeilenAlsListeSortieren->isEnabled());
    form->ZeilenAlsListeSortieren->click();
    const QString liste = win("Datenbank\\Akten_Phrasen_Woerter_Utf8Liste.txt");
    EXPECT_EQ(form->DokumentDatei, liste);
    EXPECT_EQ(form->Viewer->FileName(), nativ("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"));
    EXPECT_TRUE(form->SortierteListeAngezeigt);
    EXPECT_EQ(form->Label8->text(), QStringLiteral("Sortierte UTF8-Liste von DB: \"Akten\""));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Sortierte UTF8-Liste von "));
    EXPECT_TRUE(form->Label2->text().isEmpty());
    EXPECT_TRUE(form->LesezeichenBtn->isHidden());
    // The search field's handler ran last: with an empty field the search stays off.
    EXPECT_FALSE(form->WeiterSuche->isEnabled());
    QTest::qWait(50);
    EXPECT_TRUE(form->ViewerMemo->toPlainText().startsWith(QStringLiteral("Haus\nZebra")))
        << form->ViewerMemo->toPlainText().toStdString();
    // No title is looked up while a list is shown.
    form->AnsichtPosition = 20;
    form->ZeigDieTitelAn();
    EXPECT_EQ(form->Label2->text(), QStringLiteral("20"));
    form->TntEdit1->setText(QStringLiteral("Haus"));
    form->ZeilenAlsListeSortieren->click();
    EXPECT_TRUE(form->WeiterSuche->isEnabled());
}

TEST_F(SortiergruppeTest, OhneListeBleibtDasDokument) {
    schreibe("Datenbank/Akten_AnsiDokument.txt", satz("Wort").toLatin1());
    form->AnsiLadenButtonClick();
    gruppe().ZeilenAlsListeSortierenClick();
    EXPECT_EQ(form->DokumentDatei, win("Datenbank\\Akten_AnsiDokument.txt"));
    EXPECT_FALSE(form->SortierteListeAngezeigt);
    EXPECT_EQ(form->Label8->text(), QStringLiteral("ANSI-DB: \"Akten\"  Position: "));
    EXPECT_TRUE(form->LesezeichenBtn->isHidden());
}

TEST_F(SortiergruppeTest, SchliessenDesFenstersSchliesstAuchDieGruppe) {
    form->show();
    // Without the group open nothing is cancelled.
    form->CancelBtn->click();
    EXPECT_FALSE(gruppe().abbruch());
    gruppeOeffnen();
    form->show();
    form->CancelBtn->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(gruppeVerborgen());
    EXPECT_FALSE(form->Panel2->isHidden());
    EXPECT_TRUE(gruppe().abbruch());
    EXPECT_EQ(form->Label4->text(), QStringLiteral("Sortierte Liste von: "));
}
