#include "Fonts.h"

#include <gtest/gtest.h>

#include <string>

#include "TestWindows.h"

namespace trelvane {
namespace {

using test::ExpectedDpi;
using test::FontInfo;
using test::IsGdiObject;

// LOGFONT heights at the three screen DPIs the tests run at.
struct HeightsAt {
    int dpi;
    int tenPoints;
    int eightPoints;
    int longFormMinus16;  // PointsFromHeight(-16) points, made again at this DPI
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

TEST(ScreenDpi, IsTheOneThePrefixWasMadeFor) {
    const ScreenDc screen;
    EXPECT_EQ(screen.Caps(LOGPIXELSX), ExpectedDpi());
    EXPECT_EQ(screen.Caps(LOGPIXELSY), ExpectedDpi());
    EXPECT_EQ(ScreenScaling(-1.0f).Dpi, ExpectedDpi());
}

TEST(FontFromSpec, BoldSpecificationReadsBackAtTheScreensDpi) {
    const UniqueFont font = FontFromSpec("Tahoma,10,1");
    ASSERT_TRUE(font);
    const LOGFONTA info = FontInfo(font.get());
    EXPECT_STREQ(info.lfFaceName, "Tahoma");
    EXPECT_EQ(info.lfHeight, HeightsHere().tenPoints);
    EXPECT_EQ(info.lfWeight, 700);
    EXPECT_EQ(info.lfItalic, 0);
    EXPECT_EQ(info.lfUnderline, 0);
    EXPECT_EQ(info.lfStrikeOut, 0);
    EXPECT_EQ(info.lfOutPrecision, OUT_TT_PRECIS);
    EXPECT_EQ(info.lfQuality, DEFAULT_QUALITY);
    EXPECT_EQ(info.lfWidth, 0);
}

TEST(FontFromSpec, StyleBitsBecomeItalicUnderlineAndStrikeout) {
    const LOGFONTA all = FontInfo(FontFromSpec("Tahoma,10,15").get());
    EXPECT_EQ(all.lfWeight, 700);
    EXPECT_EQ(all.lfItalic, 1);
    EXPECT_EQ(all.lfUnderline, 1);
    EXPECT_EQ(all.lfStrikeOut, 1);

    const LOGFONTA regular = FontInfo(FontFromSpec("Courier New,8,0").get());
    EXPECT_STREQ(regular.lfFaceName, "Courier New");
    EXPECT_EQ(regular.lfHeight, HeightsHere().eightPoints);
    EXPECT_EQ(regular.lfWeight, 400);
    EXPECT_EQ(regular.lfItalic, 0);
}

TEST(FontFromSpec, LongFormHeightGoesThroughPointsAtTheScreensDpi) {
    const LOGFONTA info = FontInfo(FontFromSpec("Tahoma,-16,0,0,0,700,0,1,0,0,0").get());
    EXPECT_EQ(info.lfHeight, HeightsHere().longFormMinus16);
    EXPECT_EQ(info.lfWeight, 700);
    EXPECT_EQ(info.lfUnderline, 1);
}

TEST(FontFromSpec, EachCallMakesANewFont) {
    const UniqueFont first = FontFromSpec("Tahoma,10,1");
    const UniqueFont second = FontFromSpec("Tahoma,10,1");
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);
    EXPECT_NE(first.get(), second.get());
}

TEST(FontFromSpec, EmptySpecificationMakesNoFont) {
    EXPECT_FALSE(FontFromSpec(""));
    EXPECT_FALSE(FontFromSpec("  ,10,1"));
}

TEST(FontFromSpec, FaceThatIsNotInstalledStillGivesAFontInCharsetZero) {
    EXPECT_EQ(FindFaceCharset("No Such Face Anywhere"), 0);
    const UniqueFont font = FontFromSpec("No Such Face Anywhere,10,0");
    ASSERT_TRUE(font);
    const LOGFONTA info = FontInfo(font.get());
    EXPECT_STREQ(info.lfFaceName, "No Such Face Anywhere");
    EXPECT_EQ(info.lfCharSet, 0);
}

TEST(MakeFont, UsesTheCharsetFoundForTheFace) {
    const UniqueFont font = MakeFont("Tahoma", 10, 400, 0, 0, 0);
    EXPECT_EQ(FontInfo(font.get()).lfCharSet, FindFaceCharset("Tahoma"));
}

TEST(MakeScaledFontAt, CutsTheFaceTo31CharactersAndKeepsPointsWhenAsked) {
    const std::string longFace(40, 'F');
    const LOGFONTA cut = FontInfo(MakeScaledFontAt(96, longFace, 10, 400, 0, 0, 0, 0, false).get());
    EXPECT_EQ(std::string(cut.lfFaceName), std::string(31, 'F'));

    // Laid out for 192 DPI the point size doubles first, unless kept.
    const LOGFONTA doubled = FontInfo(MakeScaledFontAt(ExpectedDpi() * 2, "Tahoma", 10, 400, 0, 0, 0, 0, false).get());
    EXPECT_EQ(doubled.lfHeight, FontHeightForPoints(20, ExpectedDpi()));
    const LOGFONTA kept = FontInfo(MakeScaledFontAt(ExpectedDpi() * 2, "Tahoma", 10, 400, 0, 0, 0, 0, true).get());
    EXPECT_EQ(kept.lfHeight, HeightsHere().tenPoints);
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

TEST(UniqueFont, DeletesTheFontWhenItGoes) {
    HFONT handle = nullptr;
    {
        const UniqueFont font = FontFromSpec("Tahoma,10,1");
        handle = font.get();
        EXPECT_TRUE(IsGdiObject(handle));
    }
    EXPECT_FALSE(IsGdiObject(handle));
}

}  // namespace
}  // namespace trelvane
