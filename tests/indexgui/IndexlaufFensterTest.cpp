#include "app/gui/TMainForm_Kelvora_PDF.h"
#include "index/gui/TOKBottomDlg.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

class Indexfenster : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        Programmordner(win()).ordnerAnlegen(notifier);
        QDir().mkpath(nativ("Akten"));
        fenster = std::make_unique<TMainForm_Kelvora_PDF>(
            Dienste{einstellungen, notifier, shell, pump}, Programmordner(win()));
    }
    void neueDatenbank(const std::function<void(TOKBottomDlg*)>& ordner) {
        fenster->show();
        QTimer::singleShot(0, [&] {
            auto* d = fenster->neueDatenbankDialog();
            d->Edit1->setText("Akten");
            ordner(d);
            d->OKBtnClick();
        });
        fenster->NeuErstellenBtnClick();
    }
    ProtokollNotifier notifier;
    SpeicherEinstellungen einstellungen;
    ProtokollShell shell;
    EventPump pump;
    std::unique_ptr<TMainForm_Kelvora_PDF> fenster;
};

// Re-indexing asks about the master list the run will read: the control folder's when that is
// in effect, else the program folder's.
TEST_F(Indexfenster, EingabenUndDieListeDesWirksamenOrdners) {
    TOKBottomDlg* dialog = fenster->neueDatenbankDialog();
    QTest::keyClicks(dialog->Edit1, "Akten/2019");
    EXPECT_EQ(dialog->Edit1->text(), QStringLiteral("Akten2019"));
    EXPECT_EQ(notifier.texte(), QStringList{"Sie haben ungültige Zeichen eingegeben!"});
    dialog->OrdnerEdit->setText("Q:\\Stick");
    EXPECT_TRUE(dialog->OrdnerEdit->text().isEmpty());
    const struct {
        const char* name;
        bool steuerordner, listeImProgrammordner, listeImSteuerordner, gefragt;
    } faelle[] = {
        {"Liste nur im Steuerordner", true, false, true, true},
        {"Liste nur im Programmordner, Steuerordner wirksam", true, true, false, false},
        {"Ohne Steuerordner", false, true, false, true},
    };
    notifier.setStandardAntwort(false);
    const QString vorhanden = "Die \"Haupt_Dateinamen_Liste_Laufwerk_T.txt\" ist schon vorhanden.";
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        QFile::remove(nativ("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt"));
        QFile::remove(nativ("Steuer/Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt"));
        if (fall.listeImProgrammordner)
            schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt", "");
        if (fall.listeImSteuerordner)
            schreibe("Steuer/Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt", "");
        dialog->setSteuerordner(fall.steuerordner ? win("Steuer\\") : QString());
        dialog->setAktualisierung(true);
        dialog->Edit1->setText("Akten");
        dialog->OrdnerEdit->setText(win("Akten"));
        notifier.leeren();
        dialog->OKBtnClick();
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(notifier.meldungen().size(), fall.gefragt ? 1u : 0u);
        EXPECT_EQ(notifier.texte().value(0).split("\r\n").value(1),
                  fall.gefragt ? vorhanden : QString());
        EXPECT_EQ(dialog->listerNoetig(), !fall.gefragt);
    }
}

TEST_F(Indexfenster, BleibtBedienbarUndBrichtAb) {
    einstellungen.werte["Konverter_Prozesse"] = "2";
    einstellungen.werte["Zeitlimit_Konverter"] = "30";
    QByteArray liste;
    for (const QString n : {"a.pdf", "b.pdf", "c.pdf", "langsam.pdf", "e.pdf", "f.pdf"}) {
        ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/" + n), {"Inhalt von " + n}));
        liste += win("Akten\\" + n).toUtf8() + "\r\n";
    }
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt", liste);
    schreibe("pdftotext", "#!/bin/sh\ncase \"$4\" in *langsam*) echo $$ > " +
                              QFile::encodeName(nativ("pid")) + "; exec sleep 300;; esac\nexec " +
                              QFile::encodeName(QStandardPaths::findExecutable("pdftotext")) +
                              " \"$@\"\n");
    QFile(nativ("pdftotext")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);

    int takte = 0;
    QString status;
    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, [&] {
        ++takte;
        if (status.isEmpty() &&
            fenster->windowTitle() == "3   UTF8-Datei:  " + win("Akten\\c.pdf")) {
            status = QStringLiteral("gedrückt");
            QTimer::singleShot(200, [&, bisher = takte] {
                EXPECT_GT(takte, bisher + 5);
                fenster->BitBtn2Click();
                status = fenster->Label1->text();
            });
        }
    });
    takt.start(10);
    neueDatenbank([this](TOKBottomDlg* d) { d->OrdnerEdit->setText(win("Akten")); });

    EXPECT_EQ(status, "Indizierung wurde abgebrochen! Die Daten werden gespeichert");
    const QByteArray dok = lies("Datenbank/Akten_UTF8Dokument.txt");
    for (const char* n : {"a.pdf", "b.pdf", "c.pdf"})
        EXPECT_TRUE(dok.contains(QByteArray("Inhalt von ") + n)) << n;
    EXPECT_FALSE(dok.contains("langsam"));
    const QByteArray pid = lies("pid").trimmed();
    ASSERT_FALSE(pid.isEmpty());
    QFile stat("/proc/" + pid + "/stat");
    EXPECT_TRUE(!stat.open(QIODevice::ReadOnly) || stat.readAll().contains(") Z "));
    EXPECT_TRUE(fenster->NeuErstellenBtn->isEnabled() && notifier.meldungen().empty())
        << notifier.texte().join('|').toStdString();
}

TEST_F(Indexfenster, ListerOhneFensterWirdAufgegeben) {
    fenster->setUeberwachIntervall(1);
    schreibe("ErstelleDateiliste", "#!/bin/sh\n");
    QFile(nativ("ErstelleDateiliste")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    neueDatenbank([this](TOKBottomDlg* d) {
        d->setOrdnerWahl([this](const QString&) { return nativ("Akten"); });
        d->OrdnerwaehlenButtonClick();
    });
    ASSERT_TRUE(fenster->wartetAufLister());
    const QString wartet = "Kelvora-PDF wartet auf Erstellung der Hauptdatei-Liste! ";
    EXPECT_TRUE(QTest::qWaitFor([&] { return fenster->windowTitle().startsWith(wartet); }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fenster->wartetAufLister(); }, 10000));
    EXPECT_EQ(fenster->Label1->text(),
              QStringLiteral("\"ErstelleDateiliste.exe\" wurde abgebrochen, Vorgabezeit "
                             "überschritten oder noch nicht mit \"JA\" bestätigt!"));
    ASSERT_FALSE(notifier.texte().isEmpty());
    EXPECT_TRUE(notifier.texte().last().startsWith("Die Vorgabezeit ist überschritten! "));
    EXPECT_FALSE(gibt("Datenbank/Akten.dat"));
    EXPECT_TRUE(fenster->NeuErstellenBtn->isEnabled() && fenster->BitBtn2->isEnabled() &&
                fenster->windowTitle().isEmpty());
}
