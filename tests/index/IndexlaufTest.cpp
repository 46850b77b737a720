#include "index/Indexlauf.h"

#include "datenbank/DatenbankKatalog.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"
#include "tests/fixtures/PdfSchreiber.h"

#include <QDir>
#include <QFile>

class IndexlaufTest : public Umgebung {
protected:
    ProtokollNotifier notifier;
};

TEST_F(IndexlaufTest, ListerVomSteuerordnerVorDemProgrammordner) {
    const Programmordner ordner(win("Kelvora\\"));
    QDir().mkpath(nativ("Kelvora"));
    const QString woanders = tmp_.filePath("nichts");
    EXPECT_TRUE(Indexlauf::listerSuchen(ordner, win(), woanders).isEmpty());
    schreibe("Kelvora/ErstelleDateiliste", "");
    EXPECT_EQ(Indexlauf::listerSuchen(ordner, win(), woanders), win("Kelvora\\ErstelleDateiliste"));
    schreibe("ErstelleDateiliste", "");
    EXPECT_EQ(Indexlauf::listerSuchen(ordner, win(), woanders), win("ErstelleDateiliste"));
    EXPECT_EQ(Indexlauf::listerSuchen(ordner, QString(), woanders),
              win("Kelvora\\ErstelleDateiliste"));
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
    ASSERT_TRUE(QFile::copy(QStringLiteral(KELVORA_LISTER), nativ("ErstelleDateiliste")));
    QFile(nativ("ErstelleDateiliste")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);

    Indexlauf lauf(ordner, notifier, Pump::still());
    lauf.setLister(Indexlauf::listerSuchen(ordner, QString(), QString()));
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
