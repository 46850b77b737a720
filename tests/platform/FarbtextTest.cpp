#include "platform/Farbtext.h"

#include "tests/common/TestUmgebung.h"

TEST(Farbtext, NamenUndZahlen) {
    EXPECT_EQ(Farbtext::text(Farbtext::clBlack), QStringLiteral("clBlack"));
    EXPECT_EQ(Farbtext::text(Farbtext::rgb(255, 0, 0)), QStringLiteral("clRed"));
    EXPECT_EQ(Farbtext::text(Farbtext::clHighlight), QStringLiteral("clHighlight"));
    EXPECT_EQ(Farbtext::text(Farbtext::Standardfarbe), QStringLiteral("$000090FF"));
    EXPECT_EQ(Farbtext::text(Farbtext::rgb(0x12, 0x34, 0x56)), QStringLiteral("$00563412"));
    EXPECT_EQ(Farbtext::wert(QStringLiteral("$000090FF")), Farbtext::Standardfarbe);
    EXPECT_EQ(Farbtext::wert(QStringLiteral("CLRED")), Farbtext::rgb(255, 0, 0));
    EXPECT_EQ(Farbtext::wert(QStringLiteral("37119")), Farbtext::Standardfarbe);
    EXPECT_FALSE(Farbtext::wert(QStringLiteral("clNichts")).has_value());
    EXPECT_FALSE(Farbtext::wert(QString()).has_value());
}
