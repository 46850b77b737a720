#include "searchwin/Websuche.h"

#include <QStringList>

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

TEST(Websuche, SuchendeAdresseBekommtDenTextUnveraendert) {
    Protokoll p;
    EXPECT_TRUE(Websuche::suchen(true, QStringLiteral("https://s.de/?q="),
                                 QStringLiteral("Äpfel und Birnen"), false, p.aktionen()));
    EXPECT_EQ(p.ereignisse, QStringList{"browser:https://s.de/?q=Äpfel und Birnen"});
}

TEST(Websuche, UngetrimmterTextWirdAngehaengt) {
    EXPECT_EQ(Websuche::zieladresse(QStringLiteral("https://s.de/"), QStringLiteral("Rosen ")),
              QStringLiteral("https://s.de/Rosen "));
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
