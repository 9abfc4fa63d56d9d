#include "Fonts.h"

#include <gtest/gtest.h>

#include "TestWindows.h"

namespace trelvane {
namespace {

using test::ExpectedDpi;
using test::FontInfo;

struct HeightsAt {
    int dpi;
    int tenPoints;
    int longFormMinus16;  // made again from PointsFromHeight(-16)
};
constexpr HeightsAt kHeights[] = {{96, -13, -16}, {120, -17, -17}, {144, -20, -16}};  // 12, 9.6, 8 points

TEST(FontFromSpec, ReadsBackFaceHeightAndStyleAtTheScreensDpi) {
    ASSERT_EQ(ScreenScaling(-1.0f).Dpi, ExpectedDpi()) << "the Wine prefix's DPI";
    const HeightsAt& heights = test::RowForScreen(kHeights);
    struct Case {
        const char* spec;
        const char* face;
        int height, weight, italic, underline, strikeout;
    };
    const Case cases[] = {
        {"Tahoma,10,1", "Tahoma", heights.tenPoints, 700, 0, 0, 0},
        {"Courier New,10,14", "Courier New", heights.tenPoints, 400, 1, 1, 1},
        {"Tahoma,-16,0,0,0,700,0,1,0,0,0", "Tahoma", heights.longFormMinus16, 700, 0, 1, 0},
    };
    for (const Case& c : cases) {
        const LOGFONTA info = FontInfo(FontFromSpec(c.spec).get());
        EXPECT_STREQ(info.lfFaceName, c.face) << c.spec;
        EXPECT_EQ(info.lfHeight, c.height) << c.spec;
        EXPECT_EQ(info.lfWeight, c.weight) << c.spec;
        EXPECT_EQ(info.lfItalic, c.italic) << c.spec;
        EXPECT_EQ(info.lfUnderline, c.underline) << c.spec;
        EXPECT_EQ(info.lfStrikeOut, c.strikeout) << c.spec;
    }
    EXPECT_EQ(PointsFromHeight(heights.tenPoints), 10);
}

TEST(FontFromSpec, MakesANewFontEachCallAndNoneForAnEmptyFontSpecification) {
    const UniqueFont first = FontFromSpec("Tahoma,10,1");
    const UniqueFont second = FontFromSpec("Tahoma,10,1");
    ASSERT_TRUE(first && second);
    EXPECT_NE(first.get(), second.get());
    EXPECT_FALSE(FontFromSpec(""));
    EXPECT_FALSE(FontFromSpec("  ,10,1"));
}

}  // namespace
}  // namespace trelvane
