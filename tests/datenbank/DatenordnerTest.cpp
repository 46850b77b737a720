#include "datenbank/Arbeitsordner.h"
#include "datenbank/DatenbankKatalog.h"
#include "datenbank/Programmdateien.h"
#include "platform/DriveMap.h"
#include "platform/Files.h"
#include "platform/Notifier.h"
#include "platform/Shell.h"
#include "tests/common/TestUmgebung.h"

#include <QDir>
#include <QProcess>
#include <QThread>

using DatenordnerTest = Umgebung;

TEST_F(DatenordnerTest, ProgrammordnerUndSteuerordner) {
    const auto ordner = [&](const QStringList& argumente) {
        return Programmordner::bestimmen(argumente, nativ("aktuell"), nativ("bin"), nativ("heim"),
                                         DriveMap::global())
            .pfad();
    };
    EXPECT_EQ(ordner({}), "T:\\aktuell\\");
    EXPECT_EQ(ordner({"egal"}), "T:\\bin\\");
    // The menu entry's switch, also among other arguments.
    EXPECT_EQ(ordner({"egal", "--benutzerordner"}), "T:\\heim\\Kelvora-PDF\\");
    const Programmordner o("C:\\Programme\\Kelvora\\");
    EXPECT_TRUE(o.steuerordnerWirksam("KELVORA"));
    EXPECT_FALSE(o.steuerordnerWirksam(QString()) || o.steuerordnerWirksam("D:\\"));
}

// Each folder that cannot be made is reported, and start-up goes on with the next one.
TEST_F(DatenordnerTest, DatenordnerUndWarnung) {
    ProtokollNotifier notifier;
    Programmordner(win()).ordnerAnlegen(notifier);
    EXPECT_TRUE(gibt("Datenbank/Suchwoerterlisten") && gibt("Datenbank/Temp"));
    schreibe("blockiert", "eine Datei, kein Ordner");
    Programmordner(win("blockiert")).ordnerAnlegen(notifier);
    EXPECT_EQ(notifier.texte(),
              (QStringList{"Kann das Verzeichnis T:\\blockiert\\Datenbank nicht anlegen!",
                           "Kann das Verzeichnis T:\\blockiert\\Datenbank\\Suchwoerterlisten "
                           "nicht anlegen!",
                           "Kann das Verzeichnis T:\\blockiert\\Datenbank\\Temp nicht anlegen!"}));
    EXPECT_EQ(notifier.meldungen().front().art, Notifier::Art::Warnung);
}

// The places are looked in in the order the message names them; the first copy found is named.
TEST_F(DatenordnerTest, Hilfe) {
    const QString bin = nativ("inst/bin"), pdf = "/Hilfe_Kelvora_PDF.pdf";
    ProtokollNotifier notifier;
    ProtokollShell shell;
    Programmdateien::hilfeOeffnen(Programmordner(win()), bin, shell, notifier);
    schreibe("inst/share/doc/kelvora-pdf" + pdf, "%PDF-1.4");
    schreibe("inst/bin" + pdf, "%PDF-1.4");
    shell.erfolg = false; // nothing on this system shows PDF files
    Programmdateien::hilfeOeffnen(Programmordner(win()), bin, shell, notifier);
    EXPECT_EQ(notifier.texte(),
              (QStringList{"Die Hilfe \"Hilfe_Kelvora_PDF.pdf\" ist nicht vorhanden! Gesucht wurde "
                           "in:\n" +
                               nativ() + pdf + "\n" + bin + pdf + "\n" +
                               nativ("inst/share/doc/kelvora-pdf") + pdf,
                           "Die Hilfe kann nicht angezeigt werden, weil kein Programm für "
                           "PDF-Dateien gestartet werden konnte. Sie liegt hier:\n" +
                               bin + pdf}));
}

TEST_F(DatenordnerTest, Datenbanken) {
    for (const char* datei : {"Akten.DAT", "Rechnungen.dat", "Alt_MHT.dat", "alt_mht.dat",
                              "Akten_AnsiDokument.txt", "Akten.dat.dat"})
        schreibe(QString("Datenbank/") + datei, "");
    const DatenbankKatalog k{Programmordner(win())};
    EXPECT_EQ(k.namen(), (QStringList{"Akten", "Akten.dat", "Rechnungen"}));
    EXPECT_TRUE(k.existiert("Rechnungen") && !k.existiert("Alt"));
}

// Deleting a database removes its fifteen files in every variant and case, its text cache and
// a half replacement; nothing of the drive, another database or Temp.
TEST_F(DatenordnerTest, LoeschenEntferntAlleFuenfzehnDateienUndSonstNichts) {
    QStringList geloescht;
    for (const QString& d :
         QString("Akten.log Akten.dat Akten_AnsiDokument.txt Akten_UTF8Dokument.txt "
                 "Akten_UnicodeDokument.txt Akten_Ansi_TitelPositionen.txt "
                 "Akten_Utf8_TitelPositionen.txt Akten_Unicode_TitelPositionen.txt "
                 "Akten_Phrasen_Woerter_AnsiListe.txt Akten_Phrasen_Woerter_UnicodeListe.txt "
                 "Akten_Phrasen_Woerter_Utf8Liste.txt S\\Akten_Ansi_Suchwoerterliste.txt "
                 "S\\Akten_Utf8_Suchwoerterliste.txt S\\Akten_Unicode_Suchwoerterliste.txt "
                 "S\\Akten_Gesamt_OhneDB_Suchwoerterliste.txt Akten_Textcache\\")
             .replace("S\\", "Suchwoerterlisten\\")
             .split(' ')) {
        geloescht << "Datenbank\\" + d;
        schreibe(QString(geloescht.last()).replace("UTF8D", "Utf8D") +
                     (d.endsWith('\\') ? "0" : ""),
                 "x");
    }
    const QStringList bleiben =
        QString("Haupt_Dateinamen_Liste_Laufwerk_C.txt Temp/Kelvora_Ergebnis.htm Akten2.dat "
                "Akten2_Textcache/0 Suchwoerterlisten/Akten2_Utf8_Suchwoerterliste.txt "
                "../Akten_Suchwoerterliste.txt")
            .split(' ');
    for (const QString& d : bleiben)
        schreibe("Datenbank/" + d, "x");
    schreibe("Datenbank/Akten.dat.neu", "neu");
    schreibe("Datenbank/Akten.wechsel", ".dat\r\n");
    const DatenbankKatalog k{Programmordner(win())};
    EXPECT_EQ(k.loeschen("Akten"), geloescht);
    for (const char* ordner : {"Datenbank", "Datenbank/Suchwoerterlisten"})
        EXPECT_EQ(QDir(nativ(ordner)).entryList({"Akten_*", "Akten.*"}), QStringList()) << ordner;
    for (const QString& d : bleiben)
        EXPECT_TRUE(gibt("Datenbank/" + d)) << d.toStdString();
}

// Emptying Temp leaves a running job's folder alone, in this process and in another one,
// and removes the leftovers of jobs that have ended; two jobs never share a folder.
TEST_F(DatenordnerTest, TempLeerenSchontLaufendeAuftraege) {
    const Programmordner ordner(win());
    schreibe("Datenbank/Temp/Kelvora_Ergebnis.htm", "alt");
    schreibe("Datenbank/Temp/Suche_1_1/Sperre", ""); // a crashed job's folder: lock not held
    schreibe("Datenbank/Temp/Index_2_1/7.txt", "fremd");
    // Another process holds the lock of that folder, as a running index job would.
    const QString sperre = nativ("Datenbank/Temp/Index_2_1/Sperre");
    QProcess fremd;
    fremd.start("flock", {"-o", sperre, "sleep", "10"});
    ASSERT_TRUE(fremd.waitForStarted());
    while (QProcess::execute("flock", {"-n", sperre, "true"}) == 0)
        QThread::msleep(20);

    auto eigener = Arbeitsordner::anlegen(ordner, "Index");
    auto zweiter = Arbeitsordner::anlegen(ordner, "Index");
    ASSERT_TRUE(eigener && zweiter);
    EXPECT_NE(eigener->pfad(), zweiter->pfad());
    ASSERT_TRUE(Files::schreiben(eigener->datei("1.txt"), "eigen"));
    ordner.tempLeeren();
    EXPECT_FALSE(gibt("Datenbank/Temp/Kelvora_Ergebnis.htm") || gibt("Datenbank/Temp/Suche_1_1"));
    EXPECT_EQ(lies("Datenbank/Temp/Index_2_1/7.txt"), "fremd");
    EXPECT_EQ(Files::lesen(eigener->datei("1.txt")), "eigen");

    fremd.kill();
    fremd.waitForFinished();
    EXPECT_EQ(Arbeitsordner::anlegen(Programmordner(win("fehlt\\nicht\\da")), "Suche"), nullptr);
}
