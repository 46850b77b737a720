#include "searchwin/Titelanzeige.h"

#include "tests/common/TestUmgebung.h"

TEST(Titelanzeige, TitelBeschriftungUndKuerzung) {
    Titelanzeige t;
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
    const auto passt = [](const QString& s) { return s.size() <= 20; };
    // 34, 27 and 20 characters with the dots are too long; 13 with them are 16. Twenty fit.
    for (const auto& [laenge, bleibt] : {std::pair{34, 13}, {22, 15}, {20, 20}})
        EXPECT_EQ(Titelanzeige::gekuerzt(QString(laenge, 'x'), passt),
                  QString(bleibt, 'x') + (bleibt < laenge ? "..." : ""))
            << laenge;
}
