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

// The event loop runs while the question is shown, as it does under a real message box.
class BedenkenderNotifier : public ProtokollNotifier {
public:
    bool fragen(const QString& text, const QString& titel) override {
        if (bedenkzeitMs > 0)
            QTest::qWait(bedenkzeitMs);
        return ProtokollNotifier::fragen(text, titel);
    }
    int bedenkzeitMs = 0;
};

class IndizierungTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        Programmordner(win()).ordnerAnlegen(notifier);
        QDir().mkpath(nativ("Akten"));
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

    // "Akten/<i>.pdf" holding "Blatt <i>", listed in the master list with the extra entries.
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
    void erneutIndizieren() {
        auto& f = fenster();
        notifier.antworten(false);
        QTimer::singleShot(0, &f, [&f] { f.neueDatenbankDialog()->OKBtnClick(); });
        f.DBerneutIndizierenBtnClick();
    }

    QString log(const QString& name) const {
        return TextFiles::dekodieren(lies("Datenbank/" + name + ".log"));
    }
    int saetze(const QString& name) const {
        return int(lies("Datenbank/" + name + "_UTF8Dokument.txt").count("\r\n#T:\\Akten\\"));
    }

    SpeicherEinstellungen einstellungen;
    BedenkenderNotifier notifier;
    ProtokollShell shell;
    EventPump pump;
    std::unique_ptr<TMainForm_Kelvora_PDF> fenster_;
    QTimer wache_;
};

// Re-indexed, the database stays selected although another name contains its name.
TEST_F(IndizierungTest, ErneutIndizierenUndScheitern) {
    akten(2);
    for (const QString n : {"Akten", "Akten2"})
        schreibe("Datenbank/" + n + ".dat", "PFAD_UND_ENDUNGEN= T:\\Akten *.pdf    \r\n");
    auto& f = fenster();
    ASSERT_EQ(f.ListBox1->item(0)->text(), QStringLiteral("Akten"));
    f.ListBox1->setCurrentRow(0);
    f.ListBox1Click();
    erneutIndizieren();
    EXPECT_EQ(f.Label1->text(), QStringLiteral("Fertig mit der Indizierung."));
    EXPECT_EQ(saetze("Akten"), 2);
    EXPECT_EQ(f.ListBox1->currentRow(), 0);

    const QByteArray vorher = lies("Datenbank/Akten_UTF8Dokument.txt");
    schreibe("pdftotext", "kein Programm");
    erneutIndizieren();
    EXPECT_EQ(f.Label1->text(), QStringLiteral("Die Indizierung ist gescheitert. Die bisherige "
                                               "Datenbank bleibt unverändert."));
    EXPECT_EQ(lies("Datenbank/Akten_UTF8Dokument.txt"), vorher);

    neueDatenbank("Briefe", "*.odt");
    EXPECT_EQ(f.Label1->text(), QStringLiteral("Keine Datei gefunden. Es wurde nichts indiziert."));
    EXPECT_FALSE(gibt("Datenbank/Briefe.dat"));
    EXPECT_TRUE(f.NeuErstellenBtn->isEnabled());
}

class SchliessenWaehrendDesLaufs : public IndizierungTest {
protected:
    // Calls `schliessen` while the second of six PDFs converts; returns the records finished.
    int lauf(const std::function<void(TMainForm_Kelvora_PDF&)>& schliessen) {
        akten(6);
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
        // Longer than the converter takes for a file.
        notifier.bedenkzeitMs = 500;
        notifier.antworten(true);
        neueDatenbank("Rechnungen", "*.pdf *.doc");
        EXPECT_TRUE(ausgeloest);
        EXPECT_TRUE(zaehler.startsWith("Anzahl Dateien:     6     Zeit: 0:0:"))
            << zaehler.toStdString();
        EXPECT_EQ(lies("AuswahlEndungen.txt"), QByteArray("*.pdf\r\n*.doc\r\n"));
        EXPECT_EQ(f.auswahlEndungen(), (QStringList{"*.pdf", "*.doc"}));
        EXPECT_FALSE(f.isVisible());
        EXPECT_EQ(notifier.texte().count("Kelvora-PDF wirklich schließen?"), 1);
        const int n = saetze("Rechnungen");
        const QByteArray dokument = lies("Datenbank/Rechnungen_UTF8Dokument.txt");
        for (int i = 1; i <= n; ++i)
            EXPECT_TRUE(dokument.contains("Blatt " + QByteArray::number(i))) << i;
        const QString bilanz = "\r\nKonnten nicht indiziert werden: %1\r\n%2 PDF-Dateien wurden "
                               "indiziert.";
        EXPECT_TRUE(log("Rechnungen").contains(bilanz.arg(6 - n).arg(n)))
            << log("Rechnungen").toStdString();
        EXPECT_EQ(einstellungen.werte.value("Weite"), QString::number(f.width()));
        EXPECT_TRUE(QDir(nativ("Datenbank/Temp")).isEmpty());
        EXPECT_FALSE(gibt("Datenbank/Rechnungen.sperre"));
        return n;
    }
};

TEST_F(SchliessenWaehrendDesLaufs, Schliessknopf) {
    const int n =
        lauf([](TMainForm_Kelvora_PDF& f) { QTimer::singleShot(0, &f, [&f] { f.close(); }); });
    EXPECT_EQ(n, 2);
}

TEST_F(SchliessenWaehrendDesLaufs, SchliessnachrichtVonAussen) {
    const int n = lauf([](TMainForm_Kelvora_PDF&) {
        const auto pid = static_cast<pid_t>(QCoreApplication::applicationPid());
        ASSERT_TRUE(Fensternachricht::senden(pid, 7));
        ASSERT_TRUE(Fensternachricht::senden(pid, 99));
    });
    EXPECT_GE(n, 2);
    EXPECT_LT(n, 6);
}

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

// Cancelled during a page's text recognition, the scan is kept as the converter gave it.
TEST_F(IndizierungTest, AbbruchWaehrendDerTexterkennung) {
    akten(2, {"scan.pdf"});
    ASSERT_TRUE(
        BildPdf::schreiben(nativ("Akten/scan.pdf"), {{QStringLiteral("Mahnung")}}, QPageSize::A6));
    einstellungen.werte.insert("Konverter_Prozesse", "1");
    einstellungen.werte.insert("Texterkennung", "1");
    // Language data that never arrive: tesseract waits until ended.
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
    EXPECT_EQ(f.Label1->text(), QStringLiteral("Fertig mit der abgebrochenen Indizierung."));
    const QByteArray dokument = lies("Datenbank/Post_UTF8Dokument.txt");
    EXPECT_FALSE(dokument.contains("Blatt 2"));
    EXPECT_TRUE(dokument.endsWith(satzkopf(win("Akten\\scan.pdf")).toUtf8() + "\f\r\n"))
        << dokument.toStdString();
    EXPECT_TRUE(log("Post").contains("\r\n2 PDF-Dateien wurden indiziert."));
    EXPECT_FALSE(log("Post").contains("Texterkennung"));
    EXPECT_TRUE(QDir(nativ("Datenbank/Post_Textcache/Texterkennung")).isEmpty());
}
