#include "app/gui/TMainForm_Kelvora_PDF.h"

#include "index/gui/TOKBottomDlg.h"
#include "platform/gui/PlatformGui.h"
#include "searchwin/Suchformp.h"
#include "settings/einstellformp.h"
#include "tests/common/Datensatz.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/BildPdf.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Answers like the user at a message box: the event loop runs while the box is shown.
class BedenkenderNotifier : public ProtokollNotifier {
public:
    bool fragen(const QString& text, const QString& titel) override {
        if (bedenkzeitMs > 0)
            QTest::qWait(bedenkzeitMs);
        return ProtokollNotifier::fragen(text, titel);
    }
    int bedenkzeitMs = 0;
};

// Indexing from the main window with real PDFs and the real converter; the dialog is
// filled in while it is shown.
class IndizierungTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        Programmordner(win()).ordnerAnlegen(notifier);
        QDir().mkpath(nativ("Akten"));
        // A run that does not end fails the test instead of holding it.
        wache_.callOnTimeout([] { qFatal("The run did not end."); });
        wache_.start(60000);
    }

    TMainForm_Kelvora_PDF& fenster() {
        if (!fenster_) {
            const Dienste dienste{einstellungen, notifier, shell, pump};
            fenster_ = std::make_unique<TMainForm_Kelvora_PDF>(dienste, Programmordner(win()));
            fenster_->setFenster(new TSuchForm(dienste, Programmordner(win()), fenster_.get()),
                                 new TEinstellform(einstellungen, fenster_.get()));
            fenster_->show();
        }
        return *fenster_;
    }

    // PDFs "Akten/<i>.pdf" with the text "Blatt <i>", listed in the drive's master list
    // around the extra entries.
    void akten(int anzahl, const QStringList& dazu = {}) {
        QByteArray liste;
        for (int i = 1; i <= anzahl; ++i) {
            ASSERT_TRUE(PdfSchreiber::schreiben(nativ(QStringLiteral("Akten/%1.pdf").arg(i)),
                                                {QStringLiteral("Blatt %1").arg(i)}));
            liste += win(QStringLiteral("Akten\\%1.pdf").arg(i)).toUtf8() + "\r\n";
            if (i <= dazu.size())
                liste += win("Akten\\" + dazu[i - 1]).toUtf8() + "\r\n";
        }
        schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt", liste);
    }

    // "Neue DB erstellen" with the list on disk.
    void neueDatenbank(const QString& name, const QString& endungen = QStringLiteral("*.pdf")) {
        auto& f = fenster();
        QTimer::singleShot(0, &f, [this, &f, name, endungen] {
            auto* d = f.neueDatenbankDialog();
            d->Edit1->setText(name);
            d->OrdnerEdit->setText(win("Akten"));
            d->EndungEdit->setText(endungen);
            d->OKBtnClick();
        });
        f.NeuErstellenBtnClick();
    }
    // "DB erneut indizieren" of the selected database, keeping the list on disk.
    void erneutIndizieren() {
        auto& f = fenster();
        notifier.antworten(false);
        QTimer::singleShot(0, &f, [&f] { f.neueDatenbankDialog()->OKBtnClick(); });
        f.DBerneutIndizierenBtnClick();
    }

    QString log(const QString& name) const {
        return TextFiles::dekodieren(lies("Datenbank/" + name + ".log"));
    }
    // The records of a document: one per header line the run wrote.
    int saetze(const QString& name) const {
        return int(lies("Datenbank/" + name + "_UTF8Dokument.txt").count("\r\n#T:\\Akten\\"));
    }
    QString status() { return fenster().Label1->text(); }

    SpeicherEinstellungen einstellungen;
    BedenkenderNotifier notifier;
    ProtokollShell shell;
    EventPump pump;
    std::unique_ptr<TMainForm_Kelvora_PDF> fenster_;
    QTimer wache_;
};

// Re-indexed, the database stays selected, also when another one's name contains its name;
// a run that fails (a converter that cannot start) says so and keeps the database; one
// that finds no file says so in the window and makes none.
TEST_F(IndizierungTest, ErneutIndizierenUndScheitern) {
    akten(2);
    for (const QString n : {"Akten", "Akten2"})
        schreibe("Datenbank/" + n + ".dat", "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n");
    auto& f = fenster();
    ASSERT_EQ(f.ListBox1->item(0)->text(), QStringLiteral("Akten"));
    f.ListBox1->setCurrentRow(0);
    f.ListBox1Click();
    erneutIndizieren();
    EXPECT_EQ(status(), QStringLiteral("Fertig mit der Indizierung."));
    EXPECT_EQ(saetze("Akten"), 2);
    ASSERT_NE(f.ListBox1->currentItem(), nullptr);
    EXPECT_EQ(f.ListBox1->currentItem()->text(), QStringLiteral("Akten"));

    const QByteArray vorher = lies("Datenbank/Akten_UTF8Dokument.txt");
    schreibe("pdftotext", "kein Programm");
    erneutIndizieren();
    EXPECT_EQ(status(), QStringLiteral("Die Indizierung ist gescheitert. Die bisherige "
                                       "Datenbank bleibt unverändert."));
    EXPECT_EQ(lies("Datenbank/Akten_UTF8Dokument.txt"), vorher);

    neueDatenbank("Briefe", "*.odt");
    EXPECT_EQ(status(), QStringLiteral("Keine Datei gefunden. Es wurde nichts indiziert."));
    EXPECT_FALSE(gibt("Datenbank/Briefe.dat"));
    EXPECT_TRUE(fenster().NeuErstellenBtn->isEnabled());
}

// Closing the window while it indexes cancels the run as the cancel button does; the
// window closes once the run has written what it finished, and nothing is taken from
// under it meanwhile.
class SchliessenWaehrendDesLaufs : public IndizierungTest {
protected:
    // Runs a new database of six PDFs and calls `schliessen` once, while the second PDF
    // is converted; returns the number of records the run finished.
    int lauf(const std::function<void(TMainForm_Kelvora_PDF&)>& schliessen) {
        akten(6);
        // One converter at a time, each taking a second.
        einstellungen.werte.insert("Konverter_Prozesse", "1");
        const QString echt = QStandardPaths::findExecutable("pdftotext");
        schreibe("pdftotext", "#!/bin/sh\nsleep 1\nexec " + echt.toUtf8() + " \"$@\"\n");
        QFile(nativ("pdftotext")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        auto& f = fenster();
        bool ausgeloest = false;
        QString zaehler;
        QObject::connect(&f, &QWidget::windowTitleChanged, &f, [&](const QString& t) {
            if (!ausgeloest && t.startsWith("2 Größe:")) {
                ausgeloest = true;
                zaehler = f.Label2->text();
                schliessen(f);
            }
        });
        // The question box stays open longer than the converter takes for a file.
        notifier.bedenkzeitMs = 500;
        notifier.antworten(true);
        neueDatenbank("Rechnungen", "*.pdf *.doc");
        EXPECT_TRUE(ausgeloest);
        EXPECT_TRUE(zaehler.startsWith("Anzahl Dateien:     6     Zeit: 0:0:"))
            << zaehler.toStdString();
        // The new extensions join the dialog's choices, in the window and in their file.
        EXPECT_EQ(lies("AuswahlEndungen.txt"), QByteArray("*.pdf\r\n*.doc\r\n"));
        EXPECT_EQ(f.auswahlEndungen(), (QStringList{"*.pdf", "*.doc"}));
        EXPECT_FALSE(f.isVisible());
        EXPECT_EQ(notifier.texte().count("Kelvora-PDF wirklich schließen?"), 1);
        const int n = saetze("Rechnungen");
        const QByteArray dokument = lies("Datenbank/Rechnungen_UTF8Dokument.txt");
        for (int i = 1; i <= n; ++i)
            EXPECT_TRUE(dokument.contains("Blatt " + QByteArray::number(i))) << i;
        // The log tells what the document holds.
        const QString bilanz = "\r\nKonnten nicht indiziert werden: %1\r\n%2 PDF-Dateien wurden "
                               "indiziert.";
        EXPECT_TRUE(log("Rechnungen").contains(bilanz.arg(6 - n).arg(n)))
            << log("Rechnungen").toStdString();
        // Closing saved the settings and emptied Temp once the run was over.
        EXPECT_EQ(einstellungen.werte.value("Weite"), QString::number(f.width()));
        EXPECT_TRUE(QDir(nativ("Datenbank/Temp")).isEmpty());
        EXPECT_FALSE(gibt("Datenbank/Rechnungen.sperre"));
        return n;
    }
};

TEST_F(SchliessenWaehrendDesLaufs, Schliessknopf) {
    const int n =
        lauf([](TMainForm_Kelvora_PDF& f) { QTimer::singleShot(0, &f, [&f] { f.close(); }); });
    // The close arrives while the second PDF converts; that one is finished.
    EXPECT_EQ(n, 2);
}

// The close message of another program; a message with another parameter is ignored.
TEST_F(SchliessenWaehrendDesLaufs, SchliessnachrichtVonAussen) {
    const int n = lauf([](TMainForm_Kelvora_PDF&) {
        const auto pid = static_cast<pid_t>(QCoreApplication::applicationPid());
        ASSERT_TRUE(Fensternachricht::senden(pid, 7));
        ASSERT_TRUE(Fensternachricht::senden(pid, 99));
    });
    EXPECT_GE(n, 2);
    EXPECT_LT(n, 6);
}

// While the lister works nothing has been converted: closing ends the wait at once.
TEST_F(IndizierungTest, SchliessenWaehrendDerListerWartet) {
    schreibe("ErstelleDateiliste", "#!/bin/sh\nexec sleep 5\n");
    QFile(nativ("ErstelleDateiliste")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    auto& f = fenster();
    QTimer::singleShot(0, &f, [this, &f] {
        auto* d = f.neueDatenbankDialog();
        d->Edit1->setText("Rechnungen");
        d->setOrdnerWahl([this](const QString&) { return nativ("Akten"); });
        d->OrdnerwaehlenButtonClick();
        d->OKBtnClick();
    });
    f.NeuErstellenBtnClick();
    ASSERT_TRUE(f.wartetAufLister());
    EXPECT_TRUE(gibt("Datenbank/Rechnungen.sperre"));
    notifier.antworten(true);
    EXPECT_TRUE(f.close());
    EXPECT_FALSE(f.wartetAufLister());
    EXPECT_FALSE(gibt("Datenbank/Rechnungen.sperre"));
}

// With "Texterkennung" on, cancel while a page is read ends the run long before the time
// limit; it keeps the scanned file as the converter gave it, and nothing half read in the
// text cache.
TEST_F(IndizierungTest, AbbruchWaehrendDerTexterkennung) {
    akten(2, {"scan.pdf"});
    ASSERT_TRUE(
        BildPdf::schreiben(nativ("Akten/scan.pdf"), {{QStringLiteral("Mahnung")}}, QPageSize::A6));
    einstellungen.werte.insert("Konverter_Prozesse", "1");
    einstellungen.werte.insert("Texterkennung", "1");
    // Language data that never arrive: tesseract waits until it is ended.
    QTemporaryDir daten;
    for (const char* name : {"deu.traineddata", "eng.traineddata"})
        ASSERT_EQ(QProcess::execute("mkfifo", {daten.filePath(QLatin1String(name))}), 0);
    const Umgebungswert haengend("TESSDATA_PREFIX", QFile::encodeName(daten.path()));
    auto& f = fenster();
    bool abgebrochen = false;
    QObject::connect(&f, &QWidget::windowTitleChanged, &f, [&](const QString& t) {
        if (!abgebrochen && t == "Texterkennung: Seite 1 von 1  " + win("Akten\\scan.pdf")) {
            abgebrochen = true;
            QTimer::singleShot(200, &f, [&f] { f.BitBtn2->click(); });
        }
    });
    neueDatenbank("Post");
    EXPECT_TRUE(abgebrochen);
    EXPECT_EQ(status(), QStringLiteral("Fertig mit der abgebrochenen Indizierung."));
    const QByteArray dokument = lies("Datenbank/Post_UTF8Dokument.txt");
    EXPECT_FALSE(dokument.contains("Blatt 2"));
    EXPECT_TRUE(dokument.endsWith(satzkopf(win("Akten\\scan.pdf")).toUtf8() + "\f\r\n"))
        << dokument.toStdString();
    EXPECT_TRUE(log("Post").contains("\r\n2 PDF-Dateien wurden indiziert."));
    EXPECT_FALSE(log("Post").contains("Texterkennung"));
    EXPECT_TRUE(QDir(nativ("Datenbank/Post_Textcache/Texterkennung")).isEmpty());
}
