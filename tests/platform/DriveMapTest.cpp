#include "platform/DriveMap.h"

#include "tests/common/TestUmgebung.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

using DriveMapTest = Umgebung;

namespace {

// Sets a folder's modification time an hour back, as for a folder nobody touched lately.
void alt(const QString& ordner) {
    struct timespec zeiten[2] = {{0, UTIME_OMIT}, {::time(nullptr) - 3600, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(ordner).constData(), zeiten, 0), 0);
}

} // namespace

TEST_F(DriveMapTest, StandardLaufwerke) {
    const DriveMap map;
    EXPECT_EQ(map.wurzel(QLatin1Char('H')), QDir::homePath());
    EXPECT_EQ(map.wurzel(QLatin1Char('z')), "/");
    EXPECT_TRUE(map.wurzel(QLatin1Char('Q')).isEmpty());
    EXPECT_EQ(map.nativ("Z:\\etc\\hosts"), "/etc/hosts");
    EXPECT_TRUE(map.nativ("Q:\\x").isEmpty());
    EXPECT_TRUE(map.nativ("relativ\\x").isEmpty());
    EXPECT_EQ(map.nativ("/schon/nativ"), "/schon/nativ");
    EXPECT_EQ(map.dateisystemName(QLatin1Char('Z')), "NTFS");
    EXPECT_TRUE(map.dateisystemName(QLatin1Char('Q')).isEmpty());
}

TEST_F(DriveMapTest, EinstellungOrdnetBuchstabenZu) {
    SpeicherEinstellungen e;
    e.werte["Laufwerk_D"] = nativ("daten");
    DriveMap map;
    map.konfigurieren(e);
    EXPECT_EQ(map.nativ("D:\\Akten\\a.pdf"), nativ("daten/Akten/a.pdf"));
    EXPECT_EQ(map.nativ("d:\\"), nativ("daten"));
    EXPECT_EQ(map.nativ("D:\\Akten\\"), nativ("daten/Akten/"));
    // The longest root wins when the native path lies below several.
    EXPECT_EQ(map.windows(nativ("daten/Akten/a.pdf")), "D:\\Akten\\a.pdf");
    EXPECT_EQ(map.windows("/usr/share"), "Z:\\usr\\share");
    EXPECT_EQ(map.windows(QDir::homePath() + "/x"), "H:\\x");
}

TEST_F(DriveMapTest, NamenOhneRuecksichtAufGrossKlein) {
    schreibe("Akten/Rechnung März.PDF", "x");
    DriveMap& map = DriveMap::global();
    EXPECT_EQ(map.nativ(QStringLiteral("T:\\AKTEN\\rechnung märz.pdf")),
              nativ("Akten/Rechnung März.PDF"));
    // A name that does not exist in any spelling stays as written.
    EXPECT_EQ(map.nativ("T:\\akten\\Neu.txt"), nativ("Akten/Neu.txt"));
    EXPECT_EQ(map.windows(nativ("Akten/Rechnung März.PDF")),
              QStringLiteral("T:\\Akten\\Rechnung März.PDF"));
    // Of two names that differ only in case, the kept listing picks the one a fresh read of
    // the folder picks.
    schreibe("Akten/Akte.pdf", "x");
    schreibe("Akten/AKTE.pdf", "x");
    const QString frisch = map.nativ("T:\\Akten\\akte.PDF");
    EXPECT_TRUE(frisch == nativ("Akten/Akte.pdf") || frisch == nativ("Akten/AKTE.pdf"));
    alt(nativ("Akten"));
    EXPECT_EQ(map.nativ("T:\\Akten\\akte.PDF"), frisch);
    EXPECT_EQ(map.nativ("T:\\Akten\\akte.PDF"), frisch);
}

TEST_F(DriveMapTest, UnveraenderterOrdnerWirdNurEinmalGelesen) {
    schreibe("Akten/Rechnung.PDF", "x");
    schreibe("Akten/b.txt", "x");
    alt(nativ("Akten"));
    const DriveMap& map = DriveMap::global();
    const qint64 vorher = map.Verzeichnislesungen();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(map.nativ("T:\\Akten\\rechnung.pdf"), nativ("Akten/Rechnung.PDF"));
        EXPECT_EQ(map.nativ("T:\\Akten\\B.TXT"), nativ("Akten/b.txt"));
        EXPECT_EQ(map.nativ("T:\\Akten\\fehlt.pdf"), nativ("Akten/fehlt.pdf"));
    }
    EXPECT_EQ(map.Verzeichnislesungen() - vorher, 1);
    // A file that exists as written needs no listing at all.
    EXPECT_EQ(map.nativ("T:\\Akten\\b.txt"), nativ("Akten/b.txt"));
    EXPECT_EQ(map.Verzeichnislesungen() - vorher, 1);
}

TEST_F(DriveMapTest, AenderungImOrdnerLiestIhnNeu) {
    schreibe("Akten/a.pdf", "x");
    alt(nativ("Akten"));
    const DriveMap& map = DriveMap::global();
    EXPECT_EQ(map.nativ("T:\\Akten\\Neu.pdf"), nativ("Akten/Neu.pdf"));
    // Created after the listing was kept, in another spelling: found all the same.
    schreibe("Akten/NEU.PDF", "x");
    EXPECT_EQ(map.nativ("T:\\Akten\\Neu.pdf"), nativ("Akten/NEU.PDF"));
    alt(nativ("Akten"));
    EXPECT_EQ(map.nativ("T:\\Akten\\neu.pdf"), nativ("Akten/NEU.PDF"));
    // Removed after the listing was kept: back to the name as written.
    ASSERT_TRUE(QFile::remove(nativ("Akten/NEU.PDF")));
    EXPECT_EQ(map.nativ("T:\\Akten\\neu.pdf"), nativ("Akten/neu.pdf"));
}

TEST_F(DriveMapTest, FrischGeaenderterOrdnerWirdJedesMalGelesen) {
    schreibe("Temp/Seite.htm", "x");
    const DriveMap& map = DriveMap::global();
    const qint64 vorher = map.Verzeichnislesungen();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(map.nativ("T:\\Temp\\seite.HTM"), nativ("Temp/Seite.htm"));
        schreibe(QString("Temp/Seite%1.htm").arg(i), "x");
        EXPECT_EQ(map.nativ(QString("T:\\Temp\\seite%1.HTM").arg(i)),
                  nativ(QString("Temp/Seite%1.htm").arg(i)));
    }
    EXPECT_EQ(map.Verzeichnislesungen() - vorher, 6);
}
