#include "index/Listerwache.h"

#include "tests/common/TestUmgebung.h"

TEST(Listerwache, FertigWennDasFensterKamUndGing) {
    Listerwache w;
    EXPECT_EQ(w.tick(false), Listerwache::Zustand::Wartet);
    EXPECT_EQ(w.tick(true), Listerwache::Zustand::Wartet);
    EXPECT_EQ(w.tick(true), Listerwache::Zustand::Wartet);
    EXPECT_EQ(w.tick(false), Listerwache::Zustand::Fertig);
}

TEST(Listerwache, NachHundertzwanzigTicksOhneFensterAufgegeben) {
    Listerwache w;
    for (int i = 1; i < Listerwache::Grenze; ++i)
        ASSERT_EQ(w.tick(false), Listerwache::Zustand::Wartet) << i;
    EXPECT_EQ(w.tick(false), Listerwache::Zustand::Aufgegeben);
    // A window that shows only after 61 seconds comes too late.
    Listerwache spaet;
    for (int i = 0; i < 122; ++i)
        if (spaet.tick(false) == Listerwache::Zustand::Aufgegeben)
            break;
    EXPECT_EQ(spaet.zaehler(), Listerwache::Grenze);
    EXPECT_TRUE(
        Listerwache::abbruchStatus().startsWith("\"ErstelleDateiliste.exe\" wurde abgebrochen"));
}
