#include "Fonts.h"

#include <gtest/gtest.h>

#include <string>

#include "TestWindows.h"

namespace trelvane {
namespace {

using test::ExpectedDpi;
using test::FontInfo;

// LOGFONT heights at the screen DPIs the tests run at.
struct HeightsAt {
    int dpi;
    int tenPoints;
    int eightPoints;
    int longFormMinus16;  // made again from PointsFromHeight(-16)
};
constexpr HeightsAt kHeights[] = {
    {96, -13, -11, -16},   // 12 points
    {120, -17, -13, -17},  // 9.6 -> 10 points
    {144, -20, -16, -16},  // 8 points
};

const HeightsAt& HeightsHere() {
    for (const HeightsAt& heights : kHeights) {
        if (heights.dpi == ExpectedDpi()) return heights;
    }
    ADD_FAILURE() << "no expected heights for " << ExpectedDpi() << " DPI";
    return kHeights[0];
}

TEST(FontFromSpec, ReadsBackFaceHeightAndStyleAtTheScreensDpi) {
    ASSERT_EQ(ScreenScaling(-1.0f).Dpi, ExpectedDpi()) << "the Wine prefix's DPI";
    const LOGFONTA bold = FontInfo(FontFromSpec("Tahoma,10,1").get());
    EXPECT_STREQ(bold.lfFaceName, "Tahoma");
    EXPECT_EQ(bold.lfHeight, HeightsHere().tenPoints);
    EXPECT_EQ(bold.lfWeight, 700);
    EXPECT_EQ(bold.lfItalic + bold.lfUnderline + bold.lfStrikeOut, 0);
    EXPECT_EQ(bold.lfOutPrecision, OUT_TT_PRECIS);

    const LOGFONTA all = FontInfo(FontFromSpec("Tahoma,10,15").get());
    EXPECT_EQ(all.lfWeight, 700);
    EXPECT_EQ(all.lfItalic, 1);
    EXPECT_EQ(all.lfUnderline, 1);
    EXPECT_EQ(all.lfStrikeOut, 1);

    const LOGFONTA regular = FontInfo(FontFromSpec("Courier New,8,0").get());
    EXPECT_STREQ(regular.lfFaceName, "Courier New");
    EXPECT_EQ(regular.lfHeight, HeightsHere().eightPoints);
    EXPECT_EQ(regular.lfWeight, 400);

    const LOGFONTA longForm = FontInfo(FontFromSpec("Tahoma,-16,0,0,0,700,0,1,0,0,0").get());
    EXPECT_EQ(longForm.lfHeight, HeightsHere().longFormMinus16);
    EXPECT_EQ(longForm.lfUnderline, 1);
}

TEST(FontFromSpec, MakesANewFontEachCallAndNoneForAnEmptySpecification) {
    const UniqueFont first = FontFromSpec("Tahoma,10,1");
    const UniqueFont second = FontFromSpec("Tahoma,10,1");
    ASSERT_TRUE(first && second);
    EXPECT_NE(first.get(), second.get());
    EXPECT_FALSE(FontFromSpec(""));
    EXPECT_FALSE(FontFromSpec("  ,10,1"));
}

TEST(FontFromSpec, FaceNotInstalledStillGivesAFontInCharsetZero) {
    EXPECT_EQ(FindFaceCharset("No Such Face Anywhere"), 0);
    const LOGFONTA info = FontInfo(FontFromSpec("No Such Face Anywhere,10,0").get());
    EXPECT_STREQ(info.lfFaceName, "No Such Face Anywhere");
    EXPECT_EQ(info.lfCharSet, 0);
    EXPECT_EQ(FontInfo(MakeFont("Tahoma", 10, 400, 0, 0, 0).get()).lfCharSet, FindFaceCharset("Tahoma"));
}

TEST(MakeScaledFontAt, CutsLongFacesAndScalesPointsUnlessKept) {
    const LOGFONTA cut = FontInfo(MakeScaledFontAt(96, std::string(40, 'F'), 10, 400, 0, 0, 0, 0, false).get());
    EXPECT_EQ(std::string(cut.lfFaceName), std::string(31, 'F'));
    // Laid out for twice the screen's DPI the points double first, unless kept.
    const int doubleDpi = ExpectedDpi() * 2;
    EXPECT_EQ(FontInfo(MakeScaledFontAt(doubleDpi, "Tahoma", 5, 400, 0, 0, 0, 0, false).get()).lfHeight,
              HeightsHere().tenPoints);
    EXPECT_EQ(FontInfo(MakeScaledFontAt(doubleDpi, "Tahoma", 10, 400, 0, 0, 0, 0, true).get()).lfHeight,
              HeightsHere().tenPoints);
}

TEST(PointsFromHeight, ConvertsAtTheScreensDpi) {
    EXPECT_EQ(PointsFromHeight(HeightsHere().tenPoints), 10);
    EXPECT_EQ(PointsFromHeight(-ExpectedDpi()), 72);
}

TEST(WindowsVersion, MatchesTheVersionWindowsReports) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_DOUBLE_EQ(WindowsVersion(), WindowsVersionFrom(info.dwMajorVersion, info.dwMinorVersion));
}

}  // namespace
}  // namespace trelvane
