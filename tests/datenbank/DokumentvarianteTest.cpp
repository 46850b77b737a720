#include "datenbank/Dokumentvariante.h"

#include <gtest/gtest.h>

// Each variant's code page, caption word, prefix and loading caption.
TEST(Dokumentvariante, CodePageUndBeschriftungen) {
    struct Fall {
        Dokumentvariante v;
        int codePage;
        const char* anzeige;
        const char* praefix;
        const char* ladetext;
    } faelle[] = {{Dokumentvariante::Ansi, 1252, "ANSI", "ANSI-", "Lade ANSI-Dokument:"},
                  {Dokumentvariante::Utf8, 65001, "UTF8", "UTF8-", "Lade Utf8-Dokument"},
                  {Dokumentvariante::Unicode, 1200, "Unicode", "UNICODE-", "Lade Unicode-Dokument"},
                  {Dokumentvariante::Keine, 0, "", "", ""}};
    for (const Fall& f : faelle) {
        EXPECT_EQ(Dokumentvarianten::codePage(f.v), f.codePage);
        EXPECT_EQ(Dokumentvarianten::anzeigename(f.v), QString::fromUtf8(f.anzeige));
        EXPECT_EQ(Dokumentvarianten::praefix(f.v), QString::fromUtf8(f.praefix));
        EXPECT_EQ(Dokumentvarianten::ladetext(f.v), QString::fromUtf8(f.ladetext));
    }
}
