#include "platform/Farbtext.h"

#include "tests/common/TestUmgebung.h"

TEST(Farbtext, NamenUndZahlen) {
    EXPECT_EQ(Farbtext::text(Farbtext::clBlack), "clBlack");
    EXPECT_EQ(Farbtext::text(Farbtext::rgb(255, 0, 0)), "clRed");
    EXPECT_EQ(Farbtext::text(Farbtext::clHighlight), "clHighlight");
    EXPECT_EQ(Farbtext::text(Farbtext::Standardfarbe), "$000090FF");
    EXPECT_EQ(Farbtext::text(Farbtext::rgb(0x12, 0x34, 0x56)), "$00563412");
    EXPECT_EQ(Farbtext::wert("$000090FF"), Farbtext::Standardfarbe);
    EXPECT_EQ(Farbtext::wert("CLRED"), Farbtext::rgb(255, 0, 0));
    EXPECT_EQ(Farbtext::wert("37119"), Farbtext::Standardfarbe);
    EXPECT_FALSE(Farbtext::wert("clNichts").has_value());
    EXPECT_FALSE(Farbtext::wert(QString()).has_value());
}
