#include "Fonts.h"

#include <gtest/gtest.h>

#include <tuple>

#include "TestWindows.h"
#include "WindowsText.h"

namespace trelvane {
namespace {

struct HeightsAt {
    int dpi;
    int tenPoints;
    int longFormMinus16;  // made again from PointsFromHeight(-16)
};
constexpr HeightsAt kHeights[] = {{96, -13, -16}, {120, -17, -17}, {144, -20, -16}};  // 12, 9.6, 8 points

// face, height, weight, italic, underline, strikeout
using ReadBack = std::tuple<std::string, int, int, int, int, int>;
ReadBack FontMadeFrom(std::string_view spec) {
    const LOGFONTW info = test::FontInfo(FontFromSpec(spec).get());
    return {
        Utf8FromWide(info.lfFaceName), info.lfHeight, info.lfWeight, info.lfItalic, info.lfUnderline, info.lfStrikeOut};
}

TEST(FontFromSpec, ReadsBackFaceHeightAndStyleAtTheScreensDpiAndMakesNoneWithoutAFace) {
    const HeightsAt& heights = test::RowForScreen(kHeights);
    EXPECT_EQ(FontMadeFrom("Tahoma,10,1"), (ReadBack{"Tahoma", heights.tenPoints, 700, 0, 0, 0}));
    EXPECT_EQ(FontMadeFrom("Courier New,10,14"), (ReadBack{"Courier New", heights.tenPoints, 400, 1, 1, 1}));
    EXPECT_EQ(FontMadeFrom("Tahoma,-16,0,0,0,700,0,1,0,0,0"),
              (ReadBack{"Tahoma", heights.longFormMinus16, 700, 0, 1, 0}));
    EXPECT_FALSE(FontFromSpec(""));
    EXPECT_FALSE(FontFromSpec("  ,10,1"));
}

}  // namespace
}  // namespace trelvane
