#include "Suchfenster.h"

#include "searchwin/Sortiergruppe.h"
#include "tests/common/Datensatz.h"

namespace {

// Acts at a chosen message round of a run, as a click would arrive.
class Taktpumpe : public Pump {
public:
    void verarbeiten() override {
        if (++runden == ausloesen && aktion)
            aktion();
    }
    void pause(int millisekunden) override { pausen.append(millisekunden); }

    int runden = 0;
    int ausloesen = 0;
    std::function<void()> aktion;
    QList<int> pausen;
};

} // namespace

class SortiergruppeTest : public Suchfenster {
protected:
    void SetUp() override {
        Suchfenster::SetUp();
        pumpe = &takt;
        schreibe("Akten/a.pdf", "%PDF");
        schreibe(
            "Datenbank/Akten.dat",
            ("PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n" + win("Akten\\a.pdf") + "\r\n").toUtf8());
    }
    QString satz(const QString& text) const {
        return satzkopf(win("Akten\\a.pdf")) + text + "\r\n";
    }
    Sortiergruppe& gruppe() { return *form().Sortierung; }
    bool gruppeOffen(bool offen) {
        for (QWidget* w : std::initializer_list<QWidget*>{
                 form().Bevel5, form().Label4, form().ProgressBar1,
                 form().SortierteListenErstellenButton, form().SortAbbrechenButton,
                 form().RadioGroup1, form().nurWoerterButton, form().nurSaetzeButton,
                 form().WoerterUndSaetzeButton})
            if (w->isHidden() == offen)
                return false;
        return form().Panel2->isHidden() == offen;
    }
    void gruppeOeffnen() {
        notifier.antworten(true);
        ASSERT_TRUE(gruppe().SortierungAnzeigen());
        notifier.leeren();
    }

    Taktpumpe takt;
};

TEST_F(SortiergruppeTest, FrageUndLaufMitDemGewaehltenModus) {
    EXPECT_TRUE(form().nurWoerterButton->isChecked());
    bool abbruch = true;
    gruppe().setAbbruchFlag(abbruch);
    notifier.antworten(false);
    EXPECT_FALSE(gruppe().SortierungAnzeigen());
    EXPECT_TRUE(abbruch);
    EXPECT_TRUE(gruppeOffen(false));
    notifier.antworten(true);
    EXPECT_TRUE(gruppe().SortierungAnzeigen());
    ASSERT_EQ(notifier.meldungen().size(), 2u);
    EXPECT_EQ(notifier.meldungen()[1].art, Notifier::Art::Frage);
    EXPECT_EQ(notifier.texte()[1],
              QStringLiteral("Möchten Sie die Dokumente von \"Akten\" sortieren?\r\nVorhandene "
                             "sortierte Listen werden überschrieben! Wenn JA, dann \r\nklicken "
                             "Sie anschließend auf den Schalter \"Sortierte Listen erstellen\""));
    EXPECT_FALSE(abbruch);
    EXPECT_TRUE(gruppeOffen(true));
    notifier.leeren();
    form().nurSaetzeButton->setChecked(true);
    schreibe("Datenbank/Akten_AnsiDokument.txt",
             satz("Der Bär brummt. Ein Satz, so da").toLatin1());
    form().SortierteListenErstellenButton->click();
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_AnsiListe.txt"),
              QByteArray("Der B\xE4r brummt\r\nEin Satz\r\nso da\r\n#T:\\Akten\\a.pdf\r\n"));
    EXPECT_TRUE(notifier.meldungen().empty());
    EXPECT_EQ(form().Label4->text(), QStringLiteral("Fertig"));
    EXPECT_EQ(form().ProgressBar1->value(), 0);
    EXPECT_EQ(form().ProgressBar1->palette().color(QPalette::Highlight), QColor(0, 255, 0));
    EXPECT_TRUE(form().windowTitle().isEmpty());
    EXPECT_FALSE(form().SortierungLaeuft);
    EXPECT_TRUE(gruppe().Timer1->isActive());
    EXPECT_EQ(takt.pausen, QList<int>{100});
    EXPECT_EQ(aktiv({form().TntEdit2, form().AnsiLadenButton, form().UTF8LadenButton}),
              (QList<bool>{true, true, false}));
    EXPECT_TRUE(gruppeOffen(true));
    EXPECT_TRUE(QDir(nativ("Datenbank/Temp")).entryList(QDir::Files).isEmpty());
    form().CancelBtn->click();
    EXPECT_FALSE(form().isVisible());
    EXPECT_TRUE(gruppeOffen(false));
    EXPECT_TRUE(abbruch);
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
    takt.ausloesen = 70;
    takt.aktion = [&] {
        form().SortAbbrechenButton->click();
        titelBeimAbbruch = form().windowTitle();
        offenBeimAbbruch = gruppeOffen(true);
    };
    form().SortierteListenErstellenButton->click();
    EXPECT_EQ(titelBeimAbbruch,
              QStringLiteral("Abbruch durch Benutzer! Bitte Geduld! Ich höre gleich auf!"));
    EXPECT_TRUE(offenBeimAbbruch);
    EXPECT_TRUE(gruppe().abbruch());
    EXPECT_EQ(lies("Datenbank/Akten_Phrasen_Woerter_AnsiListe.txt"), QByteArray("alt"));
    EXPECT_FALSE(form().SortierungLaeuft);
    EXPECT_TRUE(gruppeOffen(false));
    EXPECT_EQ(form().Label4->text(), QStringLiteral("Sortierte Liste von: "));
    EXPECT_TRUE(form().windowTitle().isEmpty());
}

// The load buttons want 3 bytes of an 8-bit document and 5 of a UTF-16 one.
TEST_F(SortiergruppeTest, AbbrechenOhneUndWaehrendDesLaufs) {
    gruppeOeffnen();
    schreibe("Datenbank/Akten_AnsiDokument.txt", "abc");
    schreibe("Datenbank/Akten_UTF8Dokument.txt", "ab");
    schreibe("Datenbank/Akten_UnicodeDokument.txt", utf16le("a"));
    const std::initializer_list<QWidget*> knoepfe{form().AnsiLadenButton, form().UTF8LadenButton,
                                                  form().UnicodeLadenButton, form().TntEdit2};
    for (QWidget* w : knoepfe)
        w->setEnabled(false);
    form().ProgressBar1->setValue(50);
    form().SortAbbrechenButton->click();
    EXPECT_TRUE(gruppeOffen(false));
    EXPECT_EQ(form().Label4->text(), QStringLiteral("Sortierte Liste von: "));
    EXPECT_EQ(form().ProgressBar1->value(), 0);
    EXPECT_EQ(aktiv(knoepfe), (QList<bool>{true, false, false, true}));
    EXPECT_TRUE(gruppe().abbruch());
    // During a run the timer's first tick closes the group, its tenth stops it.
    gruppeOeffnen();
    form().SortierungLaeuft = true;
    form().SortAbbrechenButton->click();
    EXPECT_TRUE(gruppeOffen(true));
    gruppe().Timer1->start();
    gruppe().Timer1Timer();
    EXPECT_FALSE(form().SortierungLaeuft);
    EXPECT_TRUE(gruppeOffen(false));
    for (int i = 2; i <= 9; ++i)
        gruppe().Timer1Timer();
    EXPECT_TRUE(gruppe().Timer1->isActive());
    gruppe().Timer1Timer();
    EXPECT_FALSE(gruppe().Timer1->isActive());
    // The counter is never reset: a timer started later stops at its first tick.
    gruppe().Timer1->start();
    gruppe().Timer1Timer();
    EXPECT_FALSE(gruppe().Timer1->isActive());
}

TEST_F(SortiergruppeTest, GemeinsamesAbbruchflagVerhindertDenStart) {
    bool abbruch = false;
    gruppe().setAbbruchFlag(abbruch);
    gruppeOeffnen();
    abbruch = true;
    schreibe("Datenbank/Akten_UTF8Dokument.txt", satz("Zebra Haus").toUtf8());
    form().SortierteListenErstellenButton->click();
    EXPECT_FALSE(gibt("Datenbank/Akten_Phrasen_Woerter_Utf8Liste.txt"));
    abbruch = false;
    form().SortierteListenErstellenButton->click();
    form().UTF8LadenButtonClick();
    form().ZeilenAlsListeSortieren->click();
    EXPECT_EQ(form().DokumentDatei, win("Datenbank\\Akten_Phrasen_Woerter_Utf8Liste.txt"));
    EXPECT_EQ(form().Label8->text(), QStringLiteral("Sortierte UTF8-Liste von DB: \"Akten\""));
    EXPECT_EQ(form().windowTitle(), QStringLiteral("Sortierte UTF8-Liste von "));
    EXPECT_TRUE(form().LesezeichenBtn->isHidden());
    form().AnsichtPosition = 20;
    form().ZeigDieTitelAn();
    EXPECT_EQ(form().Label2->text(), QStringLiteral("20"));
}
