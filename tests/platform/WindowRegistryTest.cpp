#include "platform/WindowRegistry.h"

#include "tests/common/TestUmgebung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

using WindowRegistryTest = Umgebung;

TEST_F(WindowRegistryTest, FensterSindNurSolangeSieLeben) {
    EXPECT_FALSE(WindowRegistry::findfenster("Dateiliste").has_value());
    {
        WindowRegistry::Eintrag e("Erstelle Dateiliste H:", "TForm1");
        const auto f = WindowRegistry::findfenster("dateiliste");
        ASSERT_TRUE(f.has_value());
        EXPECT_EQ(f->klasse, "TForm1");
        EXPECT_EQ(f->pid, QCoreApplication::applicationPid());
        EXPECT_TRUE(WindowRegistry::klasseVorhanden("TForm1"));
        EXPECT_FALSE(WindowRegistry::klasseVorhanden("tform1"));
        e.setTitel("Fertig");
        EXPECT_FALSE(WindowRegistry::findfenster("Dateiliste").has_value());
        EXPECT_TRUE(WindowRegistry::findfenster("FERTIG").has_value());
    }
    EXPECT_TRUE(WindowRegistry::alle().empty());
}

TEST_F(WindowRegistryTest, EintraegeToterProzesseZaehlenNicht) {
    const QString datei = WindowRegistry::ordner() + "/999999999-1.fenster";
    QDir().mkpath(WindowRegistry::ordner());
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Erstelle Dateiliste\nTForm1\n");
    f.close();
    EXPECT_FALSE(WindowRegistry::findfenster("Dateiliste").has_value());
}
