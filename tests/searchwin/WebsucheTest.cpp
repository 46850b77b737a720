#include "searchwin/Websuche.h"

#include <utility>

#include <gtest/gtest.h>

TEST(Websuche, ZieladresseKodiertDenText) {
    const std::pair<const char*, const char*> faelle[] = {
        {"Tom & Jerry", "Tom%20%26%20Jerry"}, {"a+b=c#d?e/50%", "a%2Bb%3Dc%23d%3Fe%2F50%25"},
        {"<script>\"", "%3Cscript%3E%22"},    {"ß€", "%C3%9F%E2%82%AC"},
        {"A-Z_a.z~0 ", "A-Z_a.z~0%20"},
    };
    for (const auto& [wort, kodiert] : faelle)
        EXPECT_EQ(Websuche::zieladresse("https://s.de/?q=", QString::fromUtf8(wort)),
                  QStringLiteral("https://s.de/?q=") + QLatin1String(kodiert))
            << wort;
    EXPECT_EQ(Websuche::zieladresse("https://s.de", "Rosen"), "https://s.de");
}
