#include "datenbank/Datenbankwechsel.h"

#include "datenbank/DatenbankKatalog.h"
#include "platform/Files.h"
#include "platform/Pump.h"
#include "tests/common/TestUmgebung.h"

#include <QProcess>
#include <QThread>

class DatenbankwechselTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        for (const char* e : {"_UTF8Dokument.txt", "_Utf8_TitelPositionen.txt", ".log", ".dat"})
            schreibe(QStringLiteral("Datenbank/Akten") + e, QByteArray("alt") + e);
        for (const char* e : {"_UTF8Dokument.txt", "_Utf8_TitelPositionen.txt", ".log", ".dat"})
            schreibe(QStringLiteral("Datenbank/Temp/Index_1_1/Akten") + e, QByteArray("neu") + e);
    }
    QList<Datenbankwechsel::NeueDatei> neueDateien() const {
        QList<Datenbankwechsel::NeueDatei> d;
        for (const QString& e : Datenbankwechsel::endungen())
            d.append({win("Datenbank\\Temp\\Index_1_1\\Akten" + e), e});
        return d;
    }
    // "alt" or "neu" for all four files, "gemischt" otherwise.
    QByteArray stand() const {
        QByteArray erster;
        for (const QString& e : Datenbankwechsel::endungen()) {
            const QByteArray inhalt = lies("Datenbank/Akten" + e);
            if (inhalt != inhalt.left(3) + e.toLatin1())
                return "kaputt";
            if (erster.isEmpty())
                erster = inhalt.left(3);
            else if (erster != inhalt.left(3))
                return "gemischt";
        }
        return erster;
    }
    Datenbankwechsel wechsel{Programmordner(win()), "Akten"};
};

TEST_F(DatenbankwechselTest, FestschreibenErsetztAlleUndRaeumtAuf) {
    ASSERT_TRUE(wechsel.festschreiben(neueDateien(), Pump::still()));
    EXPECT_EQ(stand(), "neu");
    EXPECT_EQ(QDir(nativ("Datenbank")).entryList({"*.neu", "*.wechsel"}, QDir::Files),
              QStringList());
}

// What a killed job can leave, and what the next one to take the lock makes of it: with the
// marker written the new database counts, without it the old one.
TEST_F(DatenbankwechselTest, WiederherstellenNachAbbruchAnJederStelle) {
    struct Fall {
        int verschoben; // files moved beside their targets as ".neu"
        bool marke;     // the marker written
        int umbenannt;  // ".neu" files renamed over their targets
        const char* erwartet;
    };
    const Fall faelle[] = {{0, false, 0, "alt"}, {2, false, 0, "alt"}, {4, false, 0, "alt"},
                           {4, true, 0, "neu"},  {4, true, 1, "neu"},  {4, true, 3, "neu"},
                           {4, true, 4, "neu"}};
    for (const Fall& f : faelle) {
        SetUp();
        const QStringList e = Datenbankwechsel::endungen();
        for (int i = 0; i < f.verschoben; ++i)
            ASSERT_TRUE(Files::ersetzen(win("Datenbank\\Temp\\Index_1_1\\Akten" + e[i]),
                                        wechsel.neu(e[i])));
        if (f.marke)
            schreibe("Datenbank/Akten.wechsel", e.join("\r\n").toUtf8() + "\r\n");
        for (int i = 0; i < f.umbenannt; ++i)
            ASSERT_TRUE(Files::ersetzen(wechsel.neu(e[i]), wechsel.ziel(e[i])));
        {
            // A reader finishes the renames before it reads.
            const Dateisperre lesend = wechsel.lesen(Pump::still());
            EXPECT_EQ(stand(), f.erwartet) << f.verschoben << f.marke << f.umbenannt;
        }
        // The next writer also removes what never counted.
        wechsel.wiederherstellen(Pump::still());
        EXPECT_EQ(stand(), f.erwartet);
        EXPECT_EQ(QDir(nativ("Datenbank")).entryList({"*.neu", "*.wechsel"}, QDir::Files),
                  QStringList());
    }
}

// A replacement waits while a reader in another process holds the lock, and says so once.
TEST_F(DatenbankwechselTest, WartetAufLesendeProzesse) {
    QProcess leser;
    leser.start("flock", {"-s", nativ("Datenbank"), "sleep", "1"});
    ASSERT_TRUE(leser.waitForStarted());
    while (QProcess::execute("flock", {"-n", "-x", nativ("Datenbank"), "true"}) == 0)
        QThread::msleep(10);
    int gewartet = 0;
    ASSERT_TRUE(wechsel.festschreiben(neueDateien(), Pump::still(), [&] { ++gewartet; }));
    EXPECT_EQ(gewartet, 1);
    // The reader had ended (and with it its lock) before the replacement was done.
    EXPECT_TRUE(leser.waitForFinished(100));
    EXPECT_EQ(stand(), "neu");
}

// A file that cannot be put beside its target leaves the old database as it was.
TEST_F(DatenbankwechselTest, FehlendeNeueDateiLaesstDieAlte) {
    QFile::remove(nativ("Datenbank/Temp/Index_1_1/Akten.log"));
    EXPECT_FALSE(wechsel.festschreiben(neueDateien(), Pump::still()));
    EXPECT_EQ(wechsel.fehlerdatei(), wechsel.neu(".log"));
    EXPECT_EQ(stand(), "alt");
    EXPECT_EQ(QDir(nativ("Datenbank")).entryList({"*.neu", "*.wechsel"}, QDir::Files),
              QStringList());
}

// Deleting a database finishes a half replacement first, so nothing of it comes back, and
// removes its text cache.
TEST_F(DatenbankwechselTest, LoeschenNachAbbruchUndMitTextcache) {
    const QStringList e = Datenbankwechsel::endungen();
    for (const QString& endung : e)
        ASSERT_TRUE(Files::ersetzen(win("Datenbank\\Temp\\Index_1_1\\Akten" + endung),
                                    wechsel.neu(endung)));
    schreibe("Datenbank/Akten.wechsel", e.join("\r\n").toUtf8() + "\r\n");
    schreibe("Datenbank/Akten_Textcache/0123", "x");
    schreibe("Datenbank/Akten2_Textcache/0123", "bleibt");
    const QStringList geloescht = DatenbankKatalog(Programmordner(win())).loeschen("Akten");
    EXPECT_EQ(geloescht.last(), QStringLiteral("Datenbank\\Akten_Textcache\\"));
    EXPECT_EQ(
        QDir(nativ("Datenbank")).entryList({"Akten*"}, QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList{"Akten2_Textcache"});
    Datenbankwechsel(Programmordner(win()), "Akten").wiederherstellen(Pump::still());
    EXPECT_FALSE(gibt("Datenbank/Akten.dat"));
}
