#include "searchwin/Titelanzeige.h"

#include "tests/common/TestUmgebung.h"

// A position equal to the next start still belongs to the one before; before the first
// only the number, with thousands points.
TEST(Titelanzeige, TitelUndBeschriftung) {
    Titelanzeige t;
    // Offset, blank, path line in byte form, all in UTF-8, as the indexing run writes it.
    t.laden("9 #D:\\a.pdf\r\n500 #D:\\B\xC3\x83\xC2\xA4r.pdf\r\n900 #D:\\c.pdf\r\n");
    ASSERT_EQ(t.anzahl(), 3);
    const std::pair<qint64, QString> faelle[] = {{8, ""},
                                                 {500, "D:\\a.pdf"},
                                                 {501, "D:\\Bär.pdf"},
                                                 {900, "D:\\Bär.pdf"},
                                                 {901, "D:\\c.pdf"}};
    for (const auto& [position, titel] : faelle)
        EXPECT_EQ(t.titel(position), titel) << position;
    EXPECT_EQ(t.beschriftung(8), QStringLiteral("8"));
    EXPECT_EQ(t.beschriftung(1234), QStringLiteral("1.234  \"D:\\c.pdf\""));
    Titelanzeige leer;
    leer.laden(QByteArray());
    EXPECT_TRUE(leer.leer());
    EXPECT_EQ(leer.beschriftung(1234567), QStringLiteral("1.234.567"));
}

// Too long a title loses seven characters at a time, with three dots in their place.
TEST(Titelanzeige, ZuLangWirdInSiebenerschrittenGekuerzt) {
    const auto passt = [](const QString& s) { return s.size() <= 20; };
    // 34, 27 and 20 characters with the dots are too long; 13 with them are 16. Twenty fit.
    for (const auto& [laenge, bleibt] : {std::pair{34, 13}, {22, 15}, {20, 20}})
        EXPECT_EQ(Titelanzeige::gekuerzt(QString(laenge, 'x'), passt),
                  QString(bleibt, 'x') + (bleibt < laenge ? "..." : ""))
            << laenge;
}
