#include "index/Indexlauf.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"
#include "tests/search/Suchdaten.h"

#include <QDir>
#include <QFile>

class IndexlaufTest : public Umgebung {
protected:
    ProtokollNotifier notifier;
};

// Control folder, program folder, the caller's folder, the installed place; only a
// program that can be run counts.
TEST_F(IndexlaufTest, ListerReihenfolgeDerOrte) {
    const Programmordner ordner(win("Kelvora\\"));
    const QString bin = nativ("inst/bin");
    const QStringList orte{nativ("ErstelleDateiliste"), nativ("Kelvora/ErstelleDateiliste"),
                           nativ("inst/bin/ErstelleDateiliste"),
                           nativ("inst/libexec/kelvora-pdf/ErstelleDateiliste")};
    Programmdateien::Suche s = Indexlauf::listerSuchen(ordner, win(), bin);
    EXPECT_TRUE(s.gefunden.isEmpty());
    EXPECT_EQ(s.orte, orte);
    EXPECT_EQ(Indexlauf::listerFehltMeldung(s),
              "ErstelleDateiliste ist nicht vorhanden! Gesucht wurde in:\n" + orte.join('\n'));
    schreibe("inst/bin/ErstelleDateiliste", "nicht ausführbar");
    EXPECT_TRUE(Indexlauf::listerSuchen(ordner, win(), bin).gefunden.isEmpty());
    // Made runnable from the last place to the first, each one found before the later ones.
    const QStringList gefunden{win("ErstelleDateiliste"), win("Kelvora\\ErstelleDateiliste"),
                               orte[2], orte[3]};
    for (int i = 3; i >= 0; --i) {
        schreibe(QDir(nativ()).relativeFilePath(orte[i]), "#!/bin/sh\n");
        QFile(orte[i]).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_EQ(Indexlauf::listerSuchen(ordner, win(), bin).gefunden, gefunden[i]);
    }
    // Without a control folder in effect it is not looked in.
    s = Indexlauf::listerSuchen(ordner, QString(), bin);
    EXPECT_EQ(s.gefunden, gefunden[1]);
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

// A database written by hand, and runs that build on it.
class IndexlaufAmBestandTest : public SuchUmgebung {
protected:
    Indexlauf::Auftrag auftrag(const QString& ordner, const QString& endungen = "*.pdf") {
        Indexlauf::Auftrag a;
        a.name = QStringLiteral("Akten");
        a.ordner = ordner;
        a.endungen = endungen;
        return a;
    }
};

// Without a master list the run still writes the log of the database on disk, whose
// document keeps the title positions written with it; a database that is not on disk gets
// nothing.
TEST_F(IndexlaufAmBestandTest, OhneHauptlisteStatistikUndDieTitelpositionenBleiben) {
    dat("Akten", "T:\\Akten");
    const QByteArray a = satz("T:\\Akten\\a.pdf", "Erstes");
    const QByteArray dokument = a + satz("T:\\Akten\\b.pdf", "Zweites");
    const QByteArray titel =
        "9 #T:\\Akten\\a.pdf\r\n" + QByteArray::number(a.size() + 9) + " #T:\\Akten\\b.pdf\r\n";
    schreibe("Datenbank/Akten_UTF8Dokument.txt", dokument);
    schreibe("Datenbank/Akten_Utf8_TitelPositionen.txt", titel);
    Indexlauf lauf(Programmordner(win()), notifier, Pump::still());
    lauf.setLaufzeit([] { return QStringLiteral("0:0:4"); });
    const Indexlauf::Ergebnis r = lauf.nachListe(auftrag("T:\\Akten"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(notifier.texte(),
              QStringList{"Die Datei T:\\Datenbank\\Haupt_Dateinamen_Liste_Laufwerk_T.txt fehlt!"});
    EXPECT_EQ(lies("Datenbank/Akten_Utf8_TitelPositionen.txt"), titel);
    EXPECT_EQ(lies("Datenbank/Akten.log"),
              utf16le(" \r\nDateien insgesamt: 0\r\nKonnten nicht indiziert werden: 0\r\n0 "
                      "PDF-Dateien wurden indiziert.   Zeit: 0:0:4  Gesamtgröße der Datei(en) : "
                      "0 Bytes\r\n"));
    EXPECT_EQ(lies("Datenbank/Akten_UTF8Dokument.txt"), dokument);

    Indexlauf::Auftrag neu = auftrag("T:\\Akten");
    neu.name = QStringLiteral("Neu");
    EXPECT_FALSE(lauf.nachListe(neu).ok);
    for (const char* datei : {"Neu_Utf8_TitelPositionen.txt", "Neu.log", "Neu.dat"})
        EXPECT_FALSE(gibt(QStringLiteral("Datenbank/") + datei)) << datei;
}

// Folder text and extensions that match nothing in the list: a wrong spelling (the folder
// test is case-sensitive), an extension no file has, and the drive letter of another
// drive. The run says so and leaves the database as it was.
TEST_F(IndexlaufAmBestandTest, NichtsGefundenWirdGesagtUndAendertNichts) {
    DriveMap::global().setzeWurzel(QLatin1Char('U'), nativ("u"));
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_T.txt",
             "T:\\Akten\\a.pdf\r\n\" b.pdf\r\nT:\\Akten\\Unter\\c.txt\r\n");
    schreibe("Datenbank/Haupt_Dateinamen_Liste_Laufwerk_U.txt", "U:\\Anderes\\x.pdf\r\n");
    const std::tuple<const char*, const char*, const char*> faelle[] = {
        {"T:\\akten", "*.pdf", "Für den Ordner \"T:\\akten\" und die Endung \"*.pdf\" "},
        {"T:\\Akten", "*.doc *.odt",
         "Für den Ordner \"T:\\Akten\" und die Endungen \"*.doc *.odt\" "},
        {"U:\\Akten", "*.pdf", "Für den Ordner \"U:\\Akten\" und die Endung \"*.pdf\" "},
    };
    const QString rest =
        "wurde keine Datei gefunden. Es wurde nichts indiziert.\nBitte prüfen Sie die "
        "Schreibweise des Ordners (auch Groß- und Kleinschreibung), den Laufwerksbuchstaben und "
        "die Endungen. Fehlen nur neue Dateien, lassen Sie die Hauptdateiliste neu erstellen.";
    for (const auto& [ordner, endungen, meldungsAnfang] : faelle) {
        SCOPED_TRACE(ordner);
        schreibe("Datenbank/Akten.dat", "alt");
        notifier.leeren();
        qint64 gelesen = -1;
        Indexlauf lauf(Programmordner(win()), notifier, Pump::still());
        lauf.setListeGelesen([&](qint64 n) { gelesen = n; });
        const Indexlauf::Ergebnis r = lauf.nachListe(auftrag(ordner, endungen));
        EXPECT_TRUE(!r.ok && r.keineDatei);
        EXPECT_EQ(gelesen, 0);
        EXPECT_EQ(notifier.texte(), QStringList{QString::fromUtf8(meldungsAnfang) + rest});
        EXPECT_EQ(lies("Datenbank/Akten.dat"), QByteArray("alt"));
        EXPECT_FALSE(gibt("Datenbank/Akten.log") || gibt("Datenbank/Akten_UTF8Dokument.txt"));
    }
}
