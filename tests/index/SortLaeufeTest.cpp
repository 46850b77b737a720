#include "index/Listendatei.h"
#include "index/Sortierlaeufe.h"
#include "index/Wortbuckets.h"

#include "platform/Platform.h"
#include "tests/common/TestUmgebung.h"

#include <QDir>
#include <QFile>

class SortLaeufeTest : public Umgebung {
protected:
    void SetUp() override {
        Umgebung::SetUp();
        QDir().mkpath(nativ("Datenbank/Temp/Job"));
    }
    static TWideStringList liste(int n, const char* muster = "Wort%1") {
        TWideStringList l;
        for (int i = 0; i < n; ++i)
            l.hinzufuegen(QString::fromLatin1(muster).arg(i));
        return l;
    }
    const QString ordner = QStringLiteral("T:\\Datenbank\\Temp\\Job\\");
};

TEST_F(SortLaeufeTest, SchreibfehlerNenntDieDatei) {
    Wortbuckets e;
    e.auslagernNach(QStringLiteral("T:\\Datenbank\\Temp\\Fehlt\\"), 1, Pump::still(), {});
    e.einordnen(u"Wort");
    e.einordnen(u"Satz");
    EXPECT_TRUE(e.gescheitert());
    EXPECT_EQ(e.fehler(), QStringLiteral("Die Zwischendatei T:\\Datenbank\\Temp\\Fehlt\\"
                                         "Sortierlauf1.lauf der Sortierung kann nicht geschrieben "
                                         "werden!"));
    bool ausgegeben = false;
    EXPECT_FALSE(e.ausgeben([&](Wortbuckets::Liste, QStringView) { return ausgegeben = true; }));
    EXPECT_FALSE(ausgegeben);
}

TEST_F(SortLaeufeTest, AbgeschnittenerLaufIstEinLesefehler) {
    const TWideStringList a = liste(50), b = liste(50, "Satz %1"), leer;
    Sortierlaeufe laeufe(ordner, Pump::still(), {});
    ASSERT_TRUE(laeufe.schreiben({&a, &leer, &leer, &leer, &leer, &leer}));
    ASSERT_TRUE(laeufe.schreiben({&leer, &leer, &leer, &b, &leer, &leer}));
    QFile lauf(nativ("Datenbank/Temp/Job/Sortierlauf1.lauf"));
    ASSERT_TRUE(lauf.resize(lauf.size() / 2));
    QStringList gelesen;
    EXPECT_FALSE(laeufe.mischen([&gelesen](int, QStringView text) {
        gelesen.append(text.toString());
        return true;
    }));
    EXPECT_EQ(laeufe.fehler(), QStringLiteral("Die Zwischendatei T:\\Datenbank\\Temp\\Job\\"
                                              "Sortierlauf1.lauf der Sortierung kann nicht "
                                              "gelesen werden!"));
    EXPECT_LT(gelesen.size(), 50);
}

TEST_F(SortLaeufeTest, AbbruchBeimMischenOhneMeldung) {
    const TWideStringList a = liste(10000), leer;
    bool abbruch = false;
    Sortierlaeufe laeufe(ordner, Pump::still(), [&abbruch] { return abbruch; });
    ASSERT_TRUE(laeufe.schreiben({&a, &leer, &leer, &leer, &leer, &leer}));
    ASSERT_TRUE(laeufe.schreiben({&leer, &a, &leer, &leer, &leer, &leer}));
    int gelesen = 0;
    EXPECT_FALSE(laeufe.mischen([&](int, QStringView) {
        if (++gelesen == 100)
            abbruch = true;
        return true;
    }));
    EXPECT_TRUE(laeufe.fehler().isEmpty());
    EXPECT_LT(gelesen, 10000);
}

// The list file: the code pages byte for byte across the pieces it is written in, and the
// old file left alone until the new one is complete.
TEST_F(SortLaeufeTest, ListendateiInStueckenWieAmStueck) {
    QStringList zeilen;
    // Over two million characters, so the text is written in several pieces; a UTF-8
    // sequence and a broken one in the byte form of every line.
    for (int i = 0; i < 60000; ++i)
        zeilen.append(QStringLiteral("Zeile %1 Gr\u00C3\u00B6\u00C3\u009Fe \u00C3 \u20AC ").arg(i) +
                      QString(20, QChar(u'a' + i % 26)));
    QString ganz;
    for (const QString& z : zeilen)
        ganz += z + QStringLiteral("\r\n");
    const std::tuple<int, bool, QByteArray> faelle[] = {
        {TextFiles::Ansi, false, TextFiles::kodieren(ganz, TextFiles::Ansi)},
        {TextFiles::Utf16Le, false, TextFiles::kodieren(ganz, TextFiles::Utf16Le)},
        {TextFiles::Utf8, true, TextFiles::kodieren(Ansi::ausByteForm(ganz), TextFiles::Utf8)}};
    for (const auto& [codePage, byteForm, soll] : faelle) {
        SCOPED_TRACE(codePage);
        schreibe("Datenbank/Liste.txt", "alt");
        for (const bool abschliessen : {false, true}) {
            {
                Listendatei datei(win("Datenbank\\Liste.txt"), codePage, byteForm);
                ASSERT_TRUE(datei.oeffnen());
                for (const QString& z : zeilen)
                    ASSERT_TRUE(datei.zeile(z));
                ASSERT_TRUE(!abschliessen || datei.abschliessen());
            }
            EXPECT_TRUE(lies("Datenbank/Liste.txt") == (abschliessen ? soll : QByteArray("alt")));
            EXPECT_EQ(QDir(nativ("Datenbank")).entryList(QDir::Files), QStringList{"Liste.txt"});
        }
    }
}
