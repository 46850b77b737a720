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

// H: is home, Z: the root, other letters come from the settings; the longest root wins.
TEST_F(DriveMapTest, LaufwerkeAusStandardUndEinstellung) {
    SpeicherEinstellungen e;
    e.werte["Laufwerk_D"] = nativ("daten");
    DriveMap map;
    map.konfigurieren(e);
    EXPECT_EQ(map.nativ("Z:\\etc\\hosts"), "/etc/hosts");
    EXPECT_EQ(map.nativ("h:\\"), QDir::homePath());
    EXPECT_TRUE(map.nativ("relativ\\x").isEmpty());
    EXPECT_EQ(map.windows(nativ("daten/Akten/a.pdf")), "D:\\Akten\\a.pdf");
    EXPECT_EQ(map.windows("/usr/share"), "Z:\\usr\\share");
}

// Names are found in any case, also when the folder changed since it was listed.
TEST_F(DriveMapTest, NamenOhneRuecksichtAufGrossKlein) {
    schreibe("Akten/Rechnung März.PDF", "x");
    alt(nativ("Akten"));
    const DriveMap& map = DriveMap::global();
    // Asked twice: the second answer from the kept listing.
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(map.nativ(QStringLiteral("T:\\AKTEN\\rechnung märz.pdf")),
                  nativ("Akten/Rechnung März.PDF"));
    // A name that does not exist in any spelling stays as written.
    EXPECT_EQ(map.nativ("T:\\Akten\\Neu.txt"), nativ("Akten/Neu.txt"));
    EXPECT_EQ(map.windows(nativ("Akten/Rechnung März.PDF")),
              QStringLiteral("T:\\Akten\\Rechnung März.PDF"));
    schreibe("Akten/NEU.TXT", "x");
    EXPECT_EQ(map.nativ("T:\\akten\\Neu.txt"), nativ("Akten/NEU.TXT"));
    ASSERT_TRUE(QFile::remove(nativ("Akten/NEU.TXT")));
    EXPECT_EQ(map.nativ("T:\\akten\\Neu.txt"), nativ("Akten/Neu.txt"));
}
