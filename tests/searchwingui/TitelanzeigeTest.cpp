#include "searchwin/Titelanzeige.h"

#include "platform/Ansi.h"
#include "tests/common/TestUmgebung.h"

namespace {
// A title position file as the indexing run writes it: offset, blank, path line in byte
// form, all in UTF-8.
QByteArray datei(const std::vector<std::pair<qint64, QString>>& eintraege) {
    QByteArray b;
    for (const auto& [zahl, pfad] : eintraege)
        b += QByteArray::number(zahl) + ' ' + Ansi::zuByteForm("#" + pfad).toUtf8() + "\r\n";
    return b;
}
} // namespace

TEST(Titelanzeige, UmlautpfadWirdZweimalDekodiert) {
    Titelanzeige t;
    t.laden(datei({{9, "D:\\Akten\\Bär.pdf"}, {500, "D:\\Akten\\Öl.pdf"}}));
    ASSERT_EQ(t.anzahl(), 2);
    EXPECT_EQ(t.titel(100), QStringLiteral("D:\\Akten\\Bär.pdf"));
    EXPECT_EQ(t.titel(100000), QStringLiteral("D:\\Akten\\Öl.pdf"));
    EXPECT_EQ(t.beschriftung(1234), QStringLiteral("1.234  \"D:\\Akten\\Öl.pdf\""));
}

TEST(Titelanzeige, VorDemErstenTitelNurDieZahl) {
    Titelanzeige t;
    t.laden(datei({{9, "D:\\a.pdf"}, {500, "D:\\b.pdf"}}));
    EXPECT_TRUE(t.titel(8).isEmpty());
    EXPECT_EQ(t.beschriftung(8), QStringLiteral("8"));
    Titelanzeige leer;
    leer.laden(QByteArray());
    EXPECT_TRUE(leer.leer());
    EXPECT_EQ(leer.beschriftung(1234567), QStringLiteral("1.234.567"));
}

TEST(Titelanzeige, GleichDemNaechstenAnfangNimmtDenFrueheren) {
    Titelanzeige t;
    t.laden(datei({{9, "D:\\a.pdf"}, {500, "D:\\b.pdf"}, {900, "D:\\c.pdf"}}));
    EXPECT_EQ(t.titel(500), QStringLiteral("D:\\a.pdf"));
    EXPECT_EQ(t.titel(501), QStringLiteral("D:\\b.pdf"));
    EXPECT_EQ(t.titel(900), QStringLiteral("D:\\b.pdf"));
    EXPECT_EQ(t.titel(901), QStringLiteral("D:\\c.pdf"));
}

TEST(Titelanzeige, ZuLangWirdInSiebenerschrittenGekuerzt) {
    const auto passt = [](const QString& s) { return s.size() <= 20; };
    // 34, 27 and 20 characters with the dots are too long; 13 with them are 16.
    EXPECT_EQ(Titelanzeige::gekuerzt(QString(34, QLatin1Char('x')), passt),
              QString(13, QLatin1Char('x')) + "...");
    EXPECT_EQ(Titelanzeige::gekuerzt(QString(22, QLatin1Char('x')), passt),
              QString(15, QLatin1Char('x')) + "...");
    EXPECT_EQ(Titelanzeige::gekuerzt(QStringLiteral("kurz"), passt), QStringLiteral("kurz"));
}
