#include "index/Indexlauf.h"

#include "datenbank/DatenbankKatalog.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

class IndexlaufTest : public Umgebung {
protected:
    static QString listerOrdner() { return QFileInfo(QStringLiteral(KELVORA_LISTER)).path(); }
    ProtokollNotifier notifier;
};

// Control folder, program folder, the caller's folder, the installed place; only a
// program that can be run counts.
TEST_F(IndexlaufTest, ListerReihenfolgeDerOrte) {
    const Programmordner ordner(win("Kelvora\\"));
    QDir().mkpath(nativ("Kelvora"));
    QDir().mkpath(nativ("inst/bin"));
    QDir().mkpath(nativ("inst/libexec/kelvora-pdf"));
    const QString bin = nativ("inst/bin");
    const QStringList orte{nativ("ErstelleDateiliste"), nativ("Kelvora/ErstelleDateiliste"),
                           nativ("inst/bin/ErstelleDateiliste"),
                           nativ("inst/libexec/kelvora-pdf/ErstelleDateiliste")};
    auto ausfuehrbar = [this](const QString& relativ) {
        schreibe(relativ, "#!/bin/sh\n");
        QFile(nativ(relativ)).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    };
    Programmdateien::Suche s = Indexlauf::listerSuchen(ordner, win(), bin);
    EXPECT_TRUE(s.gefunden.isEmpty());
    EXPECT_EQ(s.orte, orte);
    EXPECT_EQ(Indexlauf::listerFehltMeldung(s),
              "ErstelleDateiliste ist nicht vorhanden! Gesucht wurde in:\n" + orte.join('\n'));

    schreibe("inst/bin/ErstelleDateiliste", "nicht ausführbar");
    EXPECT_TRUE(Indexlauf::listerSuchen(ordner, win(), bin).gefunden.isEmpty());
    ausfuehrbar("inst/libexec/kelvora-pdf/ErstelleDateiliste");
    EXPECT_EQ(Indexlauf::listerSuchen(ordner, win(), bin).gefunden, orte[3]);
    ausfuehrbar("inst/bin/ErstelleDateiliste");
    EXPECT_EQ(Indexlauf::listerSuchen(ordner, win(), bin).gefunden, orte[2]);
    ausfuehrbar("Kelvora/ErstelleDateiliste");
    EXPECT_EQ(Indexlauf::listerSuchen(ordner, win(), bin).gefunden,
              win("Kelvora\\ErstelleDateiliste"));
    ausfuehrbar("ErstelleDateiliste");
    s = Indexlauf::listerSuchen(ordner, win(), bin);
    EXPECT_EQ(s.gefunden, win("ErstelleDateiliste"));
    EXPECT_EQ(s.orte, orte);
    // Without a control folder in effect it is not looked in.
    s = Indexlauf::listerSuchen(ordner, QString(), bin);
    EXPECT_EQ(s.gefunden, win("Kelvora\\ErstelleDateiliste"));
    EXPECT_EQ(s.orte, orte.mid(1));
}

TEST_F(IndexlaufTest, HauptlisteUnterDemWirksamenOrdner) {
    Indexlauf lauf(Programmordner(win("Kelvora\\")), notifier, Pump::still());
    Indexlauf::Auftrag a;
    a.ordner = QStringLiteral("d:\\Akten");
    EXPECT_EQ(lauf.hauptliste(a), win("Kelvora\\Datenbank\\Haupt_Dateinamen_Liste_Laufwerk_d.txt"));
    lauf.setSteuerordner(win());
    EXPECT_EQ(lauf.listerBasis(), win());
    EXPECT_EQ(lauf.hauptliste(a), win("Datenbank\\Haupt_Dateinamen_Liste_Laufwerk_d.txt"));
}

// The whole road with the real lister: it lists drive T: into the program folder, the
// run filters that list to the folder and converts what it found.
TEST_F(IndexlaufTest, NeueListeMitDemEchtenLister) {
    SettingsStore einstellungen;
    einstellungen.SchreibeRegKey(QStringLiteral("Laufwerk_T"), programmNativ_);
    const Programmordner ordner(win());
    ordner.ordnerAnlegen(notifier);
    QDir().mkpath(nativ("Akten/Unter"));
    ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/a.pdf"), {"Erstes Blatt"}));
    ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Akten/Unter/b.pdf"), {"Zweites Blatt"}));
    ASSERT_TRUE(PdfSchreiber::schreiben(nativ("Anderes.pdf"), {"Nicht dabei"}));

    Indexlauf lauf(ordner, notifier, Pump::still());
    lauf.setLister(Indexlauf::listerSuchen(ordner, QString(), listerOrdner()));
    Indexlauf::Auftrag a;
    a.name = QStringLiteral("Akten");
    a.ordner = win("Akten");
    a.neueListe = true;
    const Indexlauf::Ergebnis r = lauf.ausfuehren(a);
    ASSERT_TRUE(r.ok) << notifier.texte().join("|").toStdString();
    EXPECT_EQ(r.dateien, 2);
    EXPECT_TRUE(gibt("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt"));
    const QByteArray dokument = lies("Datenbank/Akten_UTF8Dokument.txt");
    EXPECT_TRUE(dokument.contains("Erstes Blatt"));
    EXPECT_TRUE(dokument.contains("Zweites Blatt"));
    EXPECT_FALSE(dokument.contains("Nicht dabei"));
    // What "kelvora list" and the main window show.
    EXPECT_EQ(DatenbankKatalog(ordner).namen(), QStringList{"Akten"});
    EXPECT_TRUE(gibt("Datenbank/Akten_Utf8_TitelPositionen.txt"));
}

// A lister that fails ends the run at once with its exit code and what it said, even
// when an old list lies on disk; nothing is indexed.
TEST_F(IndexlaufTest, GescheiterterListerBeendetDenLauf) {
    const Programmordner ordner(win());
    ordner.ordnerAnlegen(notifier);
    QDir().mkpath(nativ("Akten"));
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt", "T:\\Akten\\alt.pdf\r\n");
    // The lister reads its drive letters from the settings, where T: is not mapped.
    Indexlauf lauf(ordner, notifier, Pump::still());
    lauf.setLister(Indexlauf::listerSuchen(ordner, QString(), listerOrdner()));
    Indexlauf::Auftrag a;
    a.name = QStringLiteral("Akten");
    a.ordner = win("Akten");
    a.neueListe = true;
    EXPECT_FALSE(lauf.ausfuehren(a).ok);
    EXPECT_EQ(notifier.texte().last(),
              QStringLiteral("\"ErstelleDateiliste\" ist mit dem Fehler 1 beendet worden. Die "
                             "Hauptdateiliste wurde nicht erstellt.\nLaufwerk T ist nicht "
                             "zugeordnet."));
    EXPECT_FALSE(gibt("Datenbank/Akten.dat"));
}
