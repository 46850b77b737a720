#include "searchwin/Websuche.h"

#include <utility>

#include <gtest/gtest.h>

// Characters that mean something in an address reach the site as part of the word; the
// text goes untrimmed, and only to an address that searches.
TEST(Websuche, ZieladresseKodiertDenText) {
    const std::pair<const char*, const char*> faelle[] = {
        {"Tom & Jerry", "https://s.de/?q=Tom%20%26%20Jerry"},
        {"a+b=c#d?e", "https://s.de/?q=a%2Bb%3Dc%23d%3Fe"},
        {"50% / 100%", "https://s.de/?q=50%25%20%2F%20100%25"},
        {"<script>\"", "https://s.de/?q=%3Cscript%3E%22"},
        {"ß€", "https://s.de/?q=%C3%9F%E2%82%AC"},
        {"A-Z_a.z~0", "https://s.de/?q=A-Z_a.z~0"},
        {"Rosen ", "https://s.de/?q=Rosen%20"},
    };
    for (const auto& [wort, adresse] : faelle)
        EXPECT_EQ(
            Websuche::zieladresse(QStringLiteral("https://s.de/?q="), QString::fromUtf8(wort)),
            QLatin1String(adresse))
            << wort;
    EXPECT_EQ(Websuche::zieladresse(QStringLiteral("https://s.de"), QStringLiteral("Rosen")),
              QStringLiteral("https://s.de"));
}
