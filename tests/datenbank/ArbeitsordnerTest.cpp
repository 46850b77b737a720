#include "datenbank/Arbeitsordner.h"

#include "platform/Files.h"
#include "tests/common/TestUmgebung.h"

#include <QDir>
#include <QProcess>
#include <QThread>

using ArbeitsordnerTest = Umgebung;

// Emptying Temp leaves a running job's folder alone, in this process and in another one,
// and removes the leftovers of jobs that have ended.
TEST_F(ArbeitsordnerTest, TempLeerenSchontLaufendeAuftraege) {
    const Programmordner ordner(win());
    schreibe("Datenbank/Temp/Kelvora_Ergebnis.htm", "alt");
    schreibe("Datenbank/Temp/Suche_1_1/Sperre", ""); // a crashed job's folder: lock not held
    schreibe("Datenbank/Temp/Index_2_1/7.txt", "fremd");

    // Another process holds the lock of that folder, as a running index job would.
    QProcess fremd;
    fremd.start("flock", {"-o", nativ("Datenbank/Temp/Index_2_1/Sperre"), "sleep", "10"});
    ASSERT_TRUE(fremd.waitForStarted());
    for (int i = 0;
         i < 100 &&
         QProcess::execute("flock", {"-n", nativ("Datenbank/Temp/Index_2_1/Sperre"), "true"}) == 0;
         ++i)
        QThread::msleep(20);

    auto eigener = Arbeitsordner::anlegen(ordner, "Index");
    ASSERT_NE(eigener, nullptr);
    EXPECT_TRUE(eigener->pfad().startsWith(win("Datenbank\\Temp\\Index_")));
    EXPECT_TRUE(eigener->pfad().endsWith('\\'));
    ASSERT_TRUE(Files::schreiben(eigener->datei("1.txt"), "eigen"));

    ordner.tempLeeren();
    EXPECT_FALSE(gibt("Datenbank/Temp/Kelvora_Ergebnis.htm"));
    EXPECT_FALSE(gibt("Datenbank/Temp/Suche_1_1"));
    EXPECT_EQ(lies("Datenbank/Temp/Index_2_1/7.txt"), "fremd");
    EXPECT_EQ(Files::lesen(eigener->datei("1.txt")), "eigen");

    fremd.kill();
    fremd.waitForFinished();
    ordner.tempLeeren();
    EXPECT_FALSE(gibt("Datenbank/Temp/Index_2_1"));

    const QString nativerPfad = Files::nativ(eigener->pfad());
    eigener.reset();
    EXPECT_FALSE(QDir(nativerPfad).exists());
}

TEST_F(ArbeitsordnerTest, ZweiAuftraegeBekommenVerschiedeneOrdner) {
    const Programmordner ordner(win());
    schreibe("Datenbank/Temp/.keep", "");
    auto a = Arbeitsordner::anlegen(ordner, "Suche");
    auto b = Arbeitsordner::anlegen(ordner, "Suche");
    ASSERT_TRUE(a && b);
    EXPECT_NE(a->pfad(), b->pfad());
    EXPECT_EQ(Arbeitsordner::anlegen(Programmordner(win("fehlt\\nicht\\da")), "Suche"), nullptr);
}
