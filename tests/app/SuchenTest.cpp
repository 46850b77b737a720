#include "app/gui/TMainForm_Kelvora_PDF.h"

#include "platform/gui/PlatformGui.h"
#include "search/Suchknopf.h"
#include "search/Suchlauf.h"
#include "searchwin/Suchformp.h"
#include "settings/einstellformp.h"
#include "tests/search/Suchdaten.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

// The "Suchen" button with the modal search window in between: what the user types into
// the window is set by a timer while the window runs its own event loop.
class SuchenTest : public SuchUmgebung {
protected:
    void SetUp() override {
        SuchUmgebung::SetUp();
        dat("Akten", "T:\\Akten");
        pdf("Akten/a.pdf");
        pdf("Akten/b.pdf");
        pdf("Akten/c.pdf");
        utf8Datenbank("Akten", {{win("Akten/a.pdf"), "Ein Apfel im Korb"},
                                {win("Akten/b.pdf"), "Nur Birnen"},
                                {win("Akten/c.pdf"), "Apfelkuchen und Apfel"}});
    }

    TMainForm_Kelvora_PDF& fenster() {
        if (!fenster_) {
            const Dienste dienste{einstellungen, notifier, shell, Pump::still()};
            fenster_ = std::make_unique<TMainForm_Kelvora_PDF>(dienste, Programmordner(win()));
            suchForm_ = new TSuchForm(dienste, Programmordner(win()), fenster_.get());
            einstellform_ = new TEinstellform(einstellungen, fenster_.get());
            fenster_->setFenster(suchForm_, einstellform_);
            fenster_->show();
        }
        return *fenster_;
    }

    // Clicks "Suchen"; while the search window is shown, `imFenster` plays the user.
    void suchen(std::function<void(TSuchForm&)> imFenster) {
        fenster();
        QTimer::singleShot(0, suchForm_, [this, imFenster] { imFenster(*suchForm_); });
        // Should the window not close, the test fails instead of hanging.
        QTimer::singleShot(10000, suchForm_, [this] {
            ADD_FAILURE() << "Suchfenster blieb offen";
            suchForm_->reject();
        });
        fenster().SuchenBtn->click();
    }
    void lokaleSuche(const QString& text) {
        suchen([text](TSuchForm& s) {
            s.TntEdit2->setText(text);
            s.OKBtnClick();
        });
    }
    QStringList vorschlaege() const {
        QStringList out;
        for (int i = 0; i < suchForm_->TntListBox2->count(); ++i)
            out << suchForm_->TntListBox2->item(i)->text();
        return out;
    }
    static QString listendatei(const QString& mitte) {
        return "Datenbank/Suchwoerterlisten/Akten_" + mitte + "_Suchwoerterliste.txt";
    }

    SpeicherEinstellungen einstellungen;
    ProtokollShell shell;
    std::unique_ptr<TMainForm_Kelvora_PDF> fenster_;
    TSuchForm* suchForm_ = nullptr;
    TEinstellform* einstellform_ = nullptr;
};

TEST_F(SuchenTest, TrefferGebenSeiteBrowserListeUndZwischenablage) {
    lokaleSuche(QStringLiteral("Apfel"));
    EXPECT_EQ(suchForm_->result(), int(QDialog::Accepted));
    const QString seite = QString::fromUtf8(lies("Datenbank/Temp/Kelvora_Ergebnis.htm"));
    EXPECT_TRUE(seite.contains(">file:///T:/Akten/a.pdf</a><br><font color=\"#000080\">Ein "
                               "<b>Apfel</b> im Korb"));
    EXPECT_FALSE(seite.contains("b.pdf"));
    EXPECT_TRUE(seite.contains(">file:///T:/Akten/c.pdf</a>"));
    ASSERT_EQ(shell.aufrufe.size(), 1u);
    EXPECT_EQ(shell.aufrufe[0].programm, win("Datenbank\\Temp\\kelvora_ergebnis.htm"));
    EXPECT_EQ(fenster().Label1->text(), QStringLiteral("Fertig mit der Suche."));
    EXPECT_EQ(vorschlaege(), QStringList{"Apfel"});
    // No document was shown, so the list without document is written: UTF-16 LE, CR LF.
    EXPECT_EQ(lies(listendatei("Gesamt_OhneDB")), QByteArray("\xFF\xFE"
                                                             "A\0p\0f\0e\0l\0\r\0\n\0",
                                                             16));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Apfel"));
    // The window is ready for the next search.
    EXPECT_TRUE(suchForm_->TntEdit2->isEnabled());
    EXPECT_TRUE(suchForm_->GrossKleinBeachten->isEnabled());
    EXPECT_EQ(suchForm_->CancelBtn->toolTip(), QStringLiteral("Schließt das Fenster"));
    EXPECT_TRUE(suchForm_->windowTitle().isEmpty());
    EXPECT_FALSE(suchForm_->SucheLaeuft);
}

TEST_F(SuchenTest, OhneTrefferBleibtDieListendateiUnberuehrt) {
    lokaleSuche(QStringLiteral("Kirsche"));
    EXPECT_TRUE(gibt("Datenbank/Temp/Kelvora_Ergebnis.htm"));
    EXPECT_FALSE(gibt(listendatei("Gesamt_OhneDB")));
    EXPECT_EQ(vorschlaege(), QStringList{"Kirsche"});
}

TEST_F(SuchenTest, ZwischenablageNurWennEingestellt) {
    fenster();
    einstellform_->SuchtextInClipbrdCheckBox->setChecked(false);
    QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));
    lokaleSuche(QStringLiteral("Apfel Korb"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("vorher"));
}

TEST_F(SuchenTest, GeladeneVarianteSchreibtIhreListeUndWirdNeuGeladen) {
    fenster();
    suchForm_->setDatenbank("Akten");
    suchForm_->UTF8LadenButtonClick();
    ASSERT_EQ(suchForm_->GeladeneVariante, Dokumentvariante::Utf8);
    lokaleSuche(QStringLiteral("Apfel"));
    EXPECT_TRUE(gibt(listendatei("Utf8")));
    EXPECT_FALSE(gibt(listendatei("Gesamt_OhneDB")));
    EXPECT_EQ(suchForm_->GeladeneVariante, Dokumentvariante::Utf8);
    EXPECT_EQ(suchForm_->DokumentDatei, win("Datenbank\\Akten_UTF8Dokument.txt"));
}

TEST_F(SuchenTest, EinZeichenWirdAbgelehntUndDasFensterBleibtBenutzbar) {
    lokaleSuche(QStringLiteral(" A "));
    EXPECT_TRUE(notifier.texte().contains(
        "Nur ein Zeichen als Suchtext ist bei der \"Suche\" nicht erlaubt"));
    EXPECT_FALSE(gibt("Datenbank/Temp/Kelvora_Ergebnis.htm"));
    EXPECT_TRUE(shell.aufrufe.empty());
    EXPECT_FALSE(gibt(listendatei("Gesamt_OhneDB")));
    EXPECT_TRUE(suchForm_->OKBtn->isEnabled());
    EXPECT_TRUE(suchForm_->TntEdit2->isEnabled());

    notifier.leeren();
    lokaleSuche(QStringLiteral("Apfel"));
    EXPECT_TRUE(notifier.texte().isEmpty());
    EXPECT_TRUE(gibt("Datenbank/Temp/Kelvora_Ergebnis.htm"));
}

TEST_F(SuchenTest, LeererSuchtextWirdGemeldet) {
    lokaleSuche(QString());
    EXPECT_EQ(notifier.texte(), QStringList{"Sie haben keinen Suchtext eingegeben!"});
    EXPECT_TRUE(fenster().Label1->text().isEmpty());
}

TEST_F(SuchenTest, AbbrechenSchliesstOhneNachlauf) {
    suchen([](TSuchForm& s) {
        s.TntEdit2->setText(QStringLiteral("Apfel"));
        s.CancelBtnClick();
    });
    EXPECT_EQ(suchForm_->result(), int(QDialog::Rejected));
    EXPECT_TRUE(vorschlaege().isEmpty());
    EXPECT_FALSE(gibt("Datenbank/Temp/Kelvora_Ergebnis.htm"));
}

TEST_F(SuchenTest, OhneAuswahlOderOhneDatenbankWirdGemeldet) {
    fenster().ListBox1->clearSelection();
    fenster().SuchenBtn->click();
    EXPECT_EQ(notifier.texte(),
              QStringList{"Markieren Sie eine Datenbank und betätigen Sie dann nochmal den "
                          "Suchen Schalter!"});
    EXPECT_FALSE(suchForm_->isVisible());

    notifier.leeren();
    QFile::remove(nativ("Datenbank/Akten.dat"));
    fenster().LiesNamenDatenbanken();
    fenster().SuchenBtn->click();
    EXPECT_EQ(notifier.texte(), QStringList{"Es existiert noch keine Datenbank! "});
}

TEST_F(SuchenTest, AndereDatenbankLeertDieDokumentsuche) {
    schreibe("Datenbank/Post.dat", "");
    lokaleSuche(QStringLiteral("Apfel"));
    suchForm_->TntEdit1->setText(QStringLiteral("Korb"));
    suchen([](TSuchForm& s) { s.reject(); });
    EXPECT_EQ(suchForm_->TntEdit1->text(), QStringLiteral("Korb"));

    fenster().LiesNamenDatenbanken();
    fenster().ListBox1->setCurrentRow(1);
    fenster().ListBox1Click();
    suchen([](TSuchForm& s) { s.reject(); });
    EXPECT_TRUE(suchForm_->TntEdit1->text().isEmpty());
}
