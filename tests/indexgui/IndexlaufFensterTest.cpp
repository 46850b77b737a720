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
#include <QTimer>

// The main window indexes with converters side by side while its event loop keeps running,
// and its close button ends the run at once, keeping every record finished before.
TEST_F(Umgebung, HauptfensterBleibtBedienbarUndBrichtAb) {
    ProtokollNotifier notifier;
    Programmordner(win()).ordnerAnlegen(notifier);
    SpeicherEinstellungen einstellungen;
    einstellungen.werte["Konverter_Prozesse"] = "2";
    // Only a guard: the close button is meant to end the slow file long before.
    einstellungen.werte["Zeitlimit_Konverter"] = "30";
    ProtokollShell shell;
    EventPump pump;
    TMainForm_Kelvora_PDF fenster({einstellungen, notifier, shell, pump}, Programmordner(win()));
    fenster.show();
    QByteArray liste;
    QDir().mkpath(nativ("Akten"));
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
        // Once the slow file is the one awaited, the user presses the close button.
        ++takte;
        if (status.isEmpty() &&
            fenster.windowTitle() == "3   UTF8-Datei:  " + win("Akten\\c.pdf")) {
            status = QStringLiteral("gedrückt");
            QTimer::singleShot(200, [&, bisher = takte] {
                EXPECT_GT(takte, bisher + 5);
                fenster.BitBtn2Click();
                status = fenster.Label1->text();
            });
        }
    });
    takt.start(10);
    QTimer::singleShot(0, [&] {
        auto* d = fenster.neueDatenbankDialog();
        d->Edit1->setText("Akten");
        d->OrdnerEdit->setText(win("Akten"));
        d->OKBtnClick();
    });
    fenster.NeuErstellenBtnClick();

    EXPECT_EQ(status,
              QStringLiteral("Indizierung wurde abgebrochen! Die Daten werden gespeichert"));
    EXPECT_EQ(fenster.Label1->text(), QStringLiteral("Fertig mit der abgebrochenen Indizierung."));
    const QByteArray dok = lies("Datenbank/Akten_UTF8Dokument.txt");
    for (const char* n : {"a.pdf", "b.pdf", "c.pdf"})
        EXPECT_TRUE(dok.contains(QByteArray("Inhalt von ") + n)) << n;
    EXPECT_FALSE(dok.contains("langsam"));
    // The slow converter was ended, not left running.
    const QByteArray pid = lies("pid").trimmed();
    ASSERT_FALSE(pid.isEmpty());
    QFile stat("/proc/" + pid + "/stat");
    EXPECT_TRUE(!stat.open(QIODevice::ReadOnly) || stat.readAll().contains(") Z "));
    EXPECT_TRUE(fenster.NeuErstellenBtn->isEnabled());
    EXPECT_TRUE(notifier.meldungen().empty()) << notifier.texte().join('|').toStdString();
}
