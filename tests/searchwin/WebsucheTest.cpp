#include "searchwin/Websuche.h"

#include <QStringList>

#include <utility>

#include <gtest/gtest.h>

namespace {

struct Protokoll {
    QStringList ereignisse;
    Websuche::Aktionen aktionen() {
        return {[this](const QString& t) { ereignisse << QStringLiteral("ablage:") + t; },
                [this](const QString& a) { ereignisse << QStringLiteral("browser:") + a; }};
    }
};

} // namespace

TEST(Websuche, SuchendeAdresseBekommtDenTextKodiert) {
    Protokoll p;
    EXPECT_TRUE(Websuche::suchen(true, QStringLiteral("https://s.de/?q="),
                                 QStringLiteral("Äpfel und Birnen"), false, p.aktionen()));
    EXPECT_EQ(p.ereignisse, QStringList{"browser:https://s.de/?q=%C3%84pfel%20und%20Birnen"});
}

// Characters that mean something in an address reach the site as part of the word.
TEST(Websuche, ZeichenDerAdresseWerdenKodiert) {
    const std::pair<const char*, const char*> faelle[] = {
        {"Tom & Jerry", "Tom%20%26%20Jerry"},
        {"a+b=c#d?e", "a%2Bb%3Dc%23d%3Fe"},
        {"50% / 100%", "50%25%20%2F%20100%25"},
        {"<script>\"", "%3Cscript%3E%22"},
        {"ß€", "%C3%9F%E2%82%AC"},
        {"A-Z_a.z~0", "A-Z_a.z~0"},
    };
    for (const auto& [wort, kodiert] : faelle)
        EXPECT_EQ(
            Websuche::zieladresse(QStringLiteral("https://s.de/?q="), QString::fromUtf8(wort)),
            QStringLiteral("https://s.de/?q=") + QLatin1String(kodiert))
            << wort;
}

TEST(Websuche, UngetrimmterTextWirdAngehaengt) {
    EXPECT_EQ(Websuche::zieladresse(QStringLiteral("https://s.de/"), QStringLiteral("Rosen ")),
              QStringLiteral("https://s.de/Rosen%20"));
    EXPECT_EQ(Websuche::zieladresse(QStringLiteral("https://s.de"), QStringLiteral("Rosen")),
              QStringLiteral("https://s.de"));
}

TEST(Websuche, ZwischenablageVorDemBrowserstart) {
    Protokoll p;
    EXPECT_TRUE(Websuche::suchen(true, QStringLiteral("https://s.de"), QStringLiteral("Rosen  "),
                                 true, p.aktionen()));
    EXPECT_EQ(p.ereignisse, (QStringList{"ablage:Rosen", "browser:https://s.de"}));
}

TEST(Websuche, OhneAdresseOderTextGeschiehtNichts) {
    Protokoll p;
    EXPECT_FALSE(Websuche::suchen(false, QString(), QStringLiteral("Rosen"), true, p.aktionen()));
    EXPECT_FALSE(Websuche::suchen(true, QStringLiteral("https://s.de/"), QStringLiteral(" \t"),
                                  true, p.aktionen()));
    EXPECT_TRUE(p.ereignisse.isEmpty());
}

TEST(Websuche, LabelBeimZurueckholenDesPanels) {
    EXPECT_EQ(Websuche::suchtextLabel(QStringLiteral("Rosen")), QStringLiteral("Suchtext: Rosen"));
    EXPECT_EQ(Websuche::suchtextLabel(QStringLiteral("  ")),
              QStringLiteral("Suchtext: Es wurde kein Text eingegeben!"));
}
