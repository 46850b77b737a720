#include "platform/WindowRegistry.h"

#include "tests/common/TestUmgebung.h"

#include <QDir>
#include <QFile>

using WindowRegistryTest = Umgebung;

// Titles are found in any case, classes only as written, and only while the window and its
// process live.
TEST_F(WindowRegistryTest, FensterSindNurSolangeSieLeben) {
    QDir().mkpath(WindowRegistry::ordner());
    QFile tot(WindowRegistry::ordner() + "/999999999-1.fenster");
    ASSERT_TRUE(tot.open(QIODevice::WriteOnly) && tot.write("Erstelle Dateiliste\nTForm1\n") > 0);
    tot.close();
    EXPECT_FALSE(WindowRegistry::findfenster("Dateiliste") ||
                 WindowRegistry::klasseVorhanden("TForm1"));
    {
        WindowRegistry::Eintrag e("Erstelle Dateiliste H:", "TForm1");
        EXPECT_TRUE(WindowRegistry::findfenster("dateiliste") &&
                    WindowRegistry::klasseVorhanden("TForm1"));
        EXPECT_FALSE(WindowRegistry::klasseVorhanden("tform1"));
        e.setTitel("Fertig");
        EXPECT_FALSE(WindowRegistry::findfenster("Dateiliste").has_value());
    }
    EXPECT_FALSE(WindowRegistry::findfenster("Fertig").has_value());
}
