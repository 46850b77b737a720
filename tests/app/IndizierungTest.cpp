#include "app/gui/TMainForm_Kelvora_PDF.h"

#include "index/gui/TOKBottomDlg.h"
#include "platform/Platform.h"
#include "platform/gui/PlatformGui.h"
#include "searchwin/Suchformp.h"
#include "settings/einstellformp.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/BildPdf.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

// Answers like the user at a message box: the event loop runs while the box is shown.
class BedenkenderNotifier : public ProtokollNotifier {
public:
    bool fragen(const QString& text, const QString& titel) override {
        if (bedenkzeitMs > 0) {
            QEventLoop box;
            QTimer::singleShot(bedenkzeitMs, &box, &QEventLoop::quit);
            box.exec();
        }
        return ProtokollNotifier::fragen(text, titel);
    }
    int bedenkzeitMs = 0;
};

// Indexing from the main window as the program builds it, with real PDFs and the real
// converter; the dialog is filled in while it is shown.
class IndizierungTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        Programmordner(win()).ordnerAnlegen(notifier);
        QDir().mkpath(nativ("Akten"));
    }

    TMainForm_Kelvora_PDF& fenster(Pump& pump = Pump::still()) {
        if (!fenster_) {
            const Dienste dienste{einstellungen, notifier, shell, pump};
            fenster_ = std::make_unique<TMainForm_Kelvora_PDF>(dienste, Programmordner(win()));
            suchForm_ = new TSuchForm(dienste, Programmordner(win()), fenster_.get());
            fenster_->setFenster(suchForm_, new TEinstellform(einstellungen, fenster_.get()));
            fenster_->show();
        }
        return *fenster_;
    }

    // PDFs "Akten/<i>.pdf" with the text "Blatt <i>", listed in the drive's master list.
    void akten(int anzahl) {
        QByteArray liste;
        for (int i = 1; i <= anzahl; ++i) {
            ASSERT_TRUE(PdfSchreiber::schreiben(nativ(QStringLiteral("Akten/%1.pdf").arg(i)),
                                                {QStringLiteral("Blatt %1").arg(i)}));
            liste += win(QStringLiteral("Akten\\%1.pdf").arg(i)).toUtf8() + "\r\n";
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
    QStringList temp() const {
        return QDir(nativ("Datenbank/Temp")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    SpeicherEinstellungen einstellungen;
    BedenkenderNotifier notifier;
    ProtokollShell shell;
    std::unique_ptr<TMainForm_Kelvora_PDF> fenster_;
    TSuchForm* suchForm_ = nullptr;
};

// What the window shows while it indexes: the file count once the list is read, the
// title position step in the status line, and no scanner watch left ticking afterwards.
TEST_F(IndizierungTest, AnzeigenWaehrendDesLaufs) {
    akten(3);
    EventPump pump;
    auto& f = fenster(pump);
    QString zaehlerBeimErstenPdf;
    QStringList titel, status;
    QTimer blick;
    QObject::connect(&blick, &QTimer::timeout, &f, [&] {
        if (status.isEmpty() || status.last() != f.Label1->text())
            status << f.Label1->text();
    });
    blick.start(5);
    QObject::connect(&f, &QWidget::windowTitleChanged, &f, [&](const QString& t) {
        titel << t;
        if (t.startsWith("1 Größe:") && zaehlerBeimErstenPdf.isEmpty())
            zaehlerBeimErstenPdf = f.Label2->text();
    });
    neueDatenbank("Rechnungen", "*.pdf *.doc");
    EXPECT_TRUE(zaehlerBeimErstenPdf.startsWith("Anzahl Dateien:     3     Zeit: 0:0:"))
        << zaehlerBeimErstenPdf.toStdString();
    EXPECT_TRUE(status.contains(QStringLiteral("TitelPositionen werden erstellt")))
        << status.join("|").toStdString();
    EXPECT_FALSE(titel.contains("TitelPositionen werden erstellt"));
    EXPECT_EQ(f.Label1->text(), QStringLiteral("Fertig mit der Indizierung."));
    EXPECT_EQ(saetze("Rechnungen"), 3);
    // The new extensions join the dialog's choices, in the window and in the file.
    EXPECT_EQ(lies("AuswahlEndungen.txt"), QByteArray("*.pdf\r\n*.doc\r\n"));
    EXPECT_EQ(f.auswahlEndungen(), (QStringList{"*.pdf", "*.doc"}));
    // No virus scanner runs here: its watch has ended and leaves the title alone.
    QTest::qWait(1300);
    EXPECT_EQ(f.windowTitle(), QString());
}

// After "DB erneut indizieren" the database that was indexed stays selected, also when
// another one's name contains its name.
TEST_F(IndizierungTest, ErneutIndizierteDatenbankBleibtGewaehlt) {
    akten(1);
    schreibe("Datenbank/Akten.dat", "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n");
    schreibe("Datenbank/Akten2.dat", "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n");
    auto& f = fenster();
    ASSERT_EQ(f.ListBox1->item(0)->text(), QStringLiteral("Akten"));
    f.ListBox1->setCurrentRow(0);
    f.ListBox1Click();
    erneutIndizieren();
    EXPECT_EQ(f.Label1->text(), QStringLiteral("Fertig mit der Indizierung."));
    EXPECT_EQ(saetze("Akten"), 1);
    ASSERT_NE(f.ListBox1->currentItem(), nullptr);
    EXPECT_EQ(f.ListBox1->currentItem()->text(), QStringLiteral("Akten"));
    EXPECT_EQ(f.ausgewaehlteDatenbank(), QStringLiteral("Akten"));
}

// A double-click on a database searches in it.
TEST_F(IndizierungTest, DoppelklickStartetDieSuche) {
    for (const char* name : {"Akten", "Post"})
        schreibe(QStringLiteral("Datenbank/%1.dat").arg(QLatin1String(name)),
                 "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n");
    auto& f = fenster();
    QString gezeigt;
    QTimer::singleShot(0, suchForm_, [&] {
        if (suchForm_->isVisible())
            gezeigt = suchForm_->Datenbankname;
        suchForm_->reject();
    });
    const QRect eintrag = f.ListBox1->visualItemRect(f.ListBox1->item(1));
    // What the mouse sends for a double-click: a click, then the double-click.
    QTest::mouseClick(f.ListBox1->viewport(), Qt::LeftButton, {}, eintrag.center());
    QTest::mouseDClick(f.ListBox1->viewport(), Qt::LeftButton, {}, eintrag.center());
    EXPECT_EQ(gezeigt, QStringLiteral("Post"));
}

// A folder and extensions that give no file: a message, and no database.
TEST_F(IndizierungTest, NichtsGefundenWirdGesagt) {
    akten(2);
    neueDatenbank("Briefe", "*.odt");
    auto& f = fenster();
    ASSERT_FALSE(notifier.texte().isEmpty());
    EXPECT_TRUE(notifier.texte().last().startsWith(
        "Für den Ordner \"T:\\Akten\" und die Endung \"*.odt\" wurde keine Datei gefunden."))
        << notifier.texte().last().toStdString();
    EXPECT_EQ(f.Label1->text(), QStringLiteral("Keine Datei gefunden. Es wurde nichts indiziert."));
    EXPECT_FALSE(gibt("Datenbank/Briefe.dat"));
    EXPECT_EQ(f.ListBox1->count(), 0);
    EXPECT_TRUE(f.NeuErstellenBtn->isEnabled());
}

// A run that fails (here: a converter that cannot be started) says so in the status line
// and keeps the database as it was.
TEST_F(IndizierungTest, GescheiterterLaufWirdGesagt) {
    akten(2);
    neueDatenbank("Briefe");
    const QByteArray vorher = lies("Datenbank/Briefe_UTF8Dokument.txt");
    ASSERT_TRUE(vorher.contains("Blatt 2"));
    schreibe("pdftotext", "kein Programm");
    erneutIndizieren();
    EXPECT_EQ(fenster().Label1->text(),
              QStringLiteral("Die Indizierung ist gescheitert. Die bisherige Datenbank bleibt "
                             "unverändert."));
    EXPECT_EQ(lies("Datenbank/Briefe_UTF8Dokument.txt"), vorher);
}

// While another program indexes a database, this window neither indexes nor deletes it;
// once that program has gone (even killed), both work.
TEST_F(IndizierungTest, FremderLaufSperrtDieDatenbank) {
    akten(1);
    schreibe("Datenbank/Rechnungen.dat", "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n");
    const QString sperre = nativ("Datenbank/Rechnungen.sperre");
    QProcess fremd;
    fremd.start("flock", {"-o", sperre, "sleep", "30"});
    ASSERT_TRUE(fremd.waitForStarted());
    for (int i = 0; i < 100 && QProcess::execute("flock", {"-n", sperre, "true"}) == 0; ++i)
        QThread::msleep(20);

    auto& f = fenster();
    f.ListBox1->setCurrentRow(0);
    f.ListBox1Click();
    erneutIndizieren();
    ASSERT_FALSE(notifier.texte().isEmpty());
    EXPECT_EQ(notifier.texte().last(),
              QStringLiteral("Die Datenbank \"Rechnungen\" wird gerade indiziert. Ein zweiter "
                             "Lauf für diese Datenbank ist erst möglich, wenn der erste fertig "
                             "ist."));
    EXPECT_FALSE(gibt("Datenbank/Rechnungen_UTF8Dokument.txt"));
    EXPECT_TRUE(f.DBerneutIndizierenBtn->isEnabled());

    notifier.leeren();
    f.Datenbankloeschen1Click();
    EXPECT_EQ(notifier.texte(),
              QStringList{"Die Datenbank \"Rechnungen\" wird gerade indiziert und kann erst "
                          "danach gelöscht werden."});
    EXPECT_TRUE(gibt("Datenbank/Rechnungen.dat"));

    fremd.kill();
    fremd.waitForFinished();
    erneutIndizieren();
    EXPECT_EQ(f.Label1->text(), QStringLiteral("Fertig mit der Indizierung."));
    EXPECT_EQ(saetze("Rechnungen"), 1);
    EXPECT_FALSE(gibt("Datenbank/Rechnungen.sperre"));
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
        // One converter at a time, each taking a second: the close falls into the third
        // file's conversion, which the cancel ends.
        einstellungen.werte.insert("Konverter_Prozesse", "1");
        const QString echt = QStandardPaths::findExecutable("pdftotext");
        schreibe("pdftotext", "#!/bin/sh\nsleep 1\nexec " + echt.toUtf8() + " \"$@\"\n");
        QFile(nativ("pdftotext")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        auto& f = fenster(pump);
        bool ausgeloest = false;
        QObject::connect(&f, &QWidget::windowTitleChanged, &f, [&](const QString& t) {
            if (!ausgeloest && t.startsWith("2 Größe:")) {
                ausgeloest = true;
                schliessen(f);
            }
        });
        // A run that never ends would keep this test waiting for ever.
        QTimer wache;
        wache.setSingleShot(true);
        QObject::connect(&wache, &QTimer::timeout, [] {
            std::fputs("The run did not end after closing.\n", stderr);
            std::abort();
        });
        wache.start(60000);
        // The question box stays open longer than the converter takes for a file.
        notifier.bedenkzeitMs = 500;
        notifier.antworten(true);
        neueDatenbank("Rechnungen");
        EXPECT_TRUE(ausgeloest);
        EXPECT_FALSE(f.isVisible());
        EXPECT_EQ(notifier.texte().count("Kelvora-PDF wirklich schließen?"), 1);
        const int n = saetze("Rechnungen");
        const QString dokument = QString::fromUtf8(lies("Datenbank/Rechnungen_UTF8Dokument.txt"));
        for (int i = 1; i <= n; ++i)
            EXPECT_TRUE(dokument.contains(QStringLiteral("Blatt %1").arg(i))) << i;
        // The log tells what the document holds.
        EXPECT_TRUE(
            log("Rechnungen")
                .contains(QStringLiteral(
                              "\r\nKonnten nicht indiziert werden: %1\r\n%2 PDF-Dateien wurden "
                              "indiziert.")
                              .arg(6 - n)
                              .arg(n)))
            << log("Rechnungen").toStdString();
        // Closing saved the settings and emptied Temp once the run was over.
        EXPECT_EQ(einstellungen.werte.value("Weite"), QString::number(f.width()));
        EXPECT_EQ(temp(), QStringList());
        EXPECT_FALSE(gibt("Datenbank/Rechnungen.sperre"));
        return n;
    }
    EventPump pump;
};

TEST_F(SchliessenWaehrendDesLaufs, Schliessknopf) {
    const int n = lauf([](TMainForm_Kelvora_PDF& f) {
        QMetaObject::invokeMethod(
            &f, [&f] { f.close(); }, Qt::QueuedConnection);
    });
    // The close arrives while the second PDF converts; that one is finished.
    EXPECT_EQ(n, 2);
}

TEST_F(SchliessenWaehrendDesLaufs, SchliessnachrichtVonAussen) {
    const int n = lauf([](TMainForm_Kelvora_PDF&) {
        ASSERT_TRUE(
            Fensternachricht::senden(static_cast<pid_t>(QCoreApplication::applicationPid()), 99));
    });
    EXPECT_GE(n, 2);
    EXPECT_LT(n, 6);
}

// While the lister works nothing has been converted: closing ends the wait at once.
TEST_F(IndizierungTest, SchliessenWaehrendDerListerWartet) {
    // A lister that is still at work when the window closes.
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

// The window reads "Texterkennung" for each run: off, the scanned page stays empty; on, it is
// read while the title names the page, and the log counts it.
TEST_F(IndizierungTest, TexterkennungWieEingestellt) {
    ASSERT_TRUE(BildPdf::schreiben(
        nativ("Akten/scan.pdf"), {{QStringLiteral("Kündigung des Mietvertrags")}}, QPageSize::A6));
    ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/brief.pdf"), {QStringLiteral("Brief")}));
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt",
             win("Akten\\scan.pdf").toUtf8() + "\r\n" + win("Akten\\brief.pdf").toUtf8() + "\r\n");
    einstellungen.werte.insert("Konverter_Prozesse", "1");
    EventPump pump;
    auto& f = fenster(pump);
    QStringList titel;
    QObject::connect(&f, &QWidget::windowTitleChanged, &f, [&](const QString& t) { titel << t; });
    const QString seite = "Texterkennung: Seite 1 von 1  " + win("Akten\\scan.pdf");
    for (const bool an : {false, true}) {
        SCOPED_TRACE(an);
        const QString name = an ? QStringLiteral("An") : QStringLiteral("Aus");
        einstellungen.werte.insert("Texterkennung", an ? "1" : "0");
        titel.clear();
        neueDatenbank(name);
        EXPECT_EQ(f.Label1->text(), QStringLiteral("Fertig mit der Indizierung."));
        EXPECT_EQ(QString::fromUtf8(lies("Datenbank/" + name + "_UTF8Dokument.txt"))
                      .contains("Kündigung des Mietvertrags"),
                  an);
        EXPECT_EQ(titel.contains(seite), an) << titel.join('|').toStdString();
        EXPECT_EQ(log(name).endsWith("\r\n1 PDF-Dateien wurden mit Texterkennung gelesen.\r\n"), an)
            << log(name).toStdString();
        EXPECT_TRUE(notifier.texte().isEmpty()) << notifier.texte().join('|').toStdString();
    }
}

// Cancel while a page is read ends tesseract at once, long before the time limit; the run
// keeps the files finished and the scanned one as the converter gave it, and keeps nothing
// half read in the text cache.
TEST_F(IndizierungTest, AbbruchWaehrendDerTexterkennung) {
    akten(2);
    ASSERT_TRUE(
        BildPdf::schreiben(nativ("Akten/scan.pdf"), {{QStringLiteral("Mahnung")}}, QPageSize::A6));
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt",
             win("Akten\\1.pdf").toUtf8() + "\r\n" + win("Akten\\scan.pdf").toUtf8() + "\r\n" +
                 win("Akten\\2.pdf").toUtf8() + "\r\n");
    einstellungen.werte.insert("Konverter_Prozesse", "1");
    einstellungen.werte.insert("Texterkennung", "1");
    // Language data that never arrive: tesseract waits until it is ended.
    QTemporaryDir daten;
    for (const char* name : {"deu.traineddata", "eng.traineddata"})
        ASSERT_EQ(QProcess::execute("mkfifo", {daten.filePath(QLatin1String(name))}), 0);
    const Umgebungswert haengend("TESSDATA_PREFIX", QFile::encodeName(daten.path()));
    EventPump pump;
    auto& f = fenster(pump);
    bool abgebrochen = false;
    QObject::connect(&f, &QWidget::windowTitleChanged, &f, [&](const QString& t) {
        if (!abgebrochen && t.startsWith("Texterkennung: Seite 1 von 1")) {
            abgebrochen = true;
            QTimer::singleShot(200, &f, [&f] { f.BitBtn2->click(); });
        }
    });
    QTimer wache;
    wache.setSingleShot(true);
    QObject::connect(&wache, &QTimer::timeout, [] {
        std::fputs("The run did not end after the cancel.\n", stderr);
        std::abort();
    });
    wache.start(60000);
    neueDatenbank("Post");
    EXPECT_TRUE(abgebrochen);
    EXPECT_EQ(f.Label1->text(), QStringLiteral("Fertig mit der abgebrochenen Indizierung."));
    EXPECT_TRUE(kindprozesse("tesseract").isEmpty());
    const QByteArray dokument = lies("Datenbank/Post_UTF8Dokument.txt");
    EXPECT_TRUE(dokument.contains("Blatt 1"));
    EXPECT_FALSE(dokument.contains("Blatt 2"));
    EXPECT_TRUE(dokument.endsWith("#" + win("Akten\\scan.pdf").toUtf8() + "\r\n" +
                                  QByteArray(win("Akten\\scan.pdf").size() / 2, '=') +
                                  "\r\n\f\r\n"))
        << dokument.toStdString();
    EXPECT_TRUE(log("Post").contains("\r\n2 PDF-Dateien wurden indiziert."));
    EXPECT_FALSE(log("Post").contains("Texterkennung"));
    EXPECT_TRUE(QDir(nativ("Datenbank/Post_Textcache/Texterkennung")).isEmpty());
}
