#include "FontSpec.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

// Heights converted as on a screen of the given DPI.
HeightToPoints ScreenAt(std::int32_t dpi) {
    return [dpi](std::int32_t height) { return PointsFromHeightAt(height, dpi); };
}

struct Parsed {
    FontSpecParts parts;
    std::int32_t style = 0;
};

Parsed Parse(std::string_view spec, std::int32_t style = 0, FontSpecParts parts = {}) {
    Parsed parsed{std::move(parts), style};
    ParseFontSpec(spec, parsed.parts, parsed.style, ScreenAt(96));
    return parsed;
}

TEST(FontSpecShortForm, ReadsFacePointsAndStyleBits) {
    const Parsed bold = Parse("Tahoma,10,1");
    EXPECT_EQ(bold.parts.face, "Tahoma");
    EXPECT_EQ(bold.parts.points, 10);
    EXPECT_EQ(bold.parts.weight, 700);
    EXPECT_EQ(bold.parts.italic, 0);
    EXPECT_EQ(bold.parts.underline, 0);
    EXPECT_EQ(bold.parts.strikeout, 0);
    EXPECT_EQ(bold.style, 1);

    EXPECT_EQ(Parse("Courier New,8,0").parts.weight, 400);
    EXPECT_EQ(Parse("Segoe UI,12,1").parts.face, "Segoe UI");
}

TEST(FontSpecShortForm, EachStyleBitSetsItsAttributeAndOthersAreIgnored) {
    const Parsed boldItalic = Parse("Tahoma,10,3");
    EXPECT_EQ(boldItalic.parts.weight, 700);
    EXPECT_EQ(boldItalic.parts.italic, 1);
    EXPECT_EQ(boldItalic.parts.underline, 0);

    const Parsed all = Parse("Tahoma,10,15");
    EXPECT_EQ(all.parts.weight, 700);
    EXPECT_EQ(all.parts.italic, 1);
    EXPECT_EQ(all.parts.underline, 1);
    EXPECT_EQ(all.parts.strikeout, 1);

    const Parsed sixteen = Parse("Tahoma,10,16");
    EXPECT_EQ(sixteen.parts.weight, 400);
    EXPECT_EQ(sixteen.parts.italic, 0);
    EXPECT_EQ(sixteen.parts.underline, 0);
    EXPECT_EQ(sixteen.parts.strikeout, 0);
}

TEST(FontSpecShortForm, StyleIsReplacedAndClearBitsLeaveTheCallersValues) {
    FontSpecParts preset;
    preset.italic = 1;
    const Parsed parsed = Parse("Tahoma,10,0", 8, preset);
    EXPECT_EQ(parsed.style, 0);
    EXPECT_EQ(parsed.parts.italic, 1);
}

TEST(FontSpecShortForm, NumbersRoundHalvesToEvenAndMissingFieldsAreZero) {
    EXPECT_EQ(Parse("Tahoma,9.5,1").parts.points, 10);
    EXPECT_EQ(Parse("Tahoma,10.5,1").parts.points, 10);
    EXPECT_EQ(Parse("Tahoma,11.5,1").parts.points, 12);

    const Parsed noStyle = Parse("Tahoma,10");
    EXPECT_EQ(noStyle.parts.points, 10);
    EXPECT_EQ(noStyle.parts.weight, 400);
    EXPECT_EQ(noStyle.style, 0);

    const Parsed faceOnly = Parse("Tahoma");
    EXPECT_EQ(faceOnly.parts.face, "Tahoma");
    EXPECT_EQ(faceOnly.parts.points, 0);

    EXPECT_EQ(Parse("").parts.face, "");
    EXPECT_EQ(Parse("Tahoma,big,bold").parts.points, 0);
}

TEST(FontSpecShortForm, QuotedFaceMayHoldACommaAndTenFieldsAreStillShort) {
    EXPECT_EQ(Parse("\"Odd, Face\",12,2").parts.face, "Odd, Face");
    EXPECT_EQ(Parse("\"Odd, Face\",12,2").parts.italic, 1);

    const Parsed ten = Parse("Tahoma,10,1,0,0,0,0,0,0,0");
    EXPECT_EQ(ten.parts.points, 10);
    EXPECT_EQ(ten.parts.weight, 700);
}

TEST(FontSpecLongForm, ElevenFieldsReadAsALogfont) {
    const Parsed parsed = Parse("Tahoma,-16,0,0,0,700,0,0,0,0,0");
    EXPECT_EQ(parsed.parts.face, "Tahoma");
    EXPECT_EQ(parsed.parts.points, 12);
    EXPECT_EQ(parsed.parts.weight, 700);
    EXPECT_EQ(parsed.style, 1);

    const Parsed styled = Parse("Arial,-13,0,0,0,400,255,1,1,0,0,0,0,0");
    EXPECT_EQ(styled.parts.points, 10);
    EXPECT_EQ(styled.parts.weight, 400);
    EXPECT_EQ(styled.parts.italic, 255);
    EXPECT_EQ(styled.parts.underline, 1);
    EXPECT_EQ(styled.parts.strikeout, 1);
    EXPECT_EQ(styled.style, 2 + 4 + 8);
}

TEST(FontSpecLongForm, HeightsConvertAtTheScreensDpi) {
    Parsed parsed;
    ParseFontSpec("Tahoma,-16,0,0,0,400,0,0,0,0,0", parsed.parts, parsed.style, ScreenAt(120));
    EXPECT_EQ(parsed.parts.points, 10);  // 9.6
}

TEST(FontSpecLongForm, StyleBitsAddToTheCallersAndOnlyWeight700IsBold) {
    EXPECT_EQ(Parse("Tahoma,-16,0,0,0,700,0,0,0,0,0", 16).style, 17);
    EXPECT_EQ(Parse("Tahoma,-16,0,0,0,800,0,0,0,0,0").style, 0);
    EXPECT_EQ(Parse("Tahoma,-16,0,0,0,600,0,0,0,0,0").style, 0);
}

TEST(WindowsVersionFrom, IsMajorPlusMinorHundredths) {
    EXPECT_DOUBLE_EQ(WindowsVersionFrom(6, 1), 6.01);
    EXPECT_DOUBLE_EQ(WindowsVersionFrom(5, 1), 5.01);
    EXPECT_DOUBLE_EQ(WindowsVersionFrom(10, 0), 10.0);
    EXPECT_GE(WindowsVersionFrom(6, 0), kSegoeVersion);
    EXPECT_LT(WindowsVersionFrom(5, 99), kSegoeVersion);
}

TEST(DefaultFace, IsSegoeUiNineFromVersionSixAndTahomaEightBefore) {
    EXPECT_EQ(DefaultFace(6.0), "Segoe UI");
    EXPECT_EQ(DefaultPoints(6.0), 9);
    EXPECT_EQ(DefaultFace(10.0), "Segoe UI");
    EXPECT_EQ(DefaultFace(5.01), "Tahoma");
    EXPECT_EQ(DefaultPoints(5.01), 8);
}

TEST(SubstituteFace, KeepsEverythingAfterTheFirstComma) {
    EXPECT_EQ(SubstituteFace("Tahoma,10,1", 6.0), "Segoe UI,10,1");
    EXPECT_EQ(SubstituteFace("Tahoma,10,1", 5.01), "Tahoma,10,1");
    EXPECT_EQ(SubstituteFace("Courier New,8,0", 6.01), "Segoe UI,8,0");
    EXPECT_EQ(SubstituteFace("Tahoma", 6.0), "Segoe UI,");
    EXPECT_EQ(SubstituteFace("Tahoma", 5.0), "Tahoma,");
    EXPECT_EQ(SubstituteFace("", 6.0), "Segoe UI,");
}

TEST(FontHeightForPoints, TenPointsAtTheUsualDpis) {
    EXPECT_EQ(FontHeightForPoints(10, 96), -13);
    EXPECT_EQ(FontHeightForPoints(10, 120), -17);
    EXPECT_EQ(FontHeightForPoints(10, 144), -20);
    EXPECT_EQ(FontHeightForPoints(8, 96), -11);
    EXPECT_EQ(FontHeightForPoints(0, 96), 0);
}

TEST(PointsFromHeightAt, IsTheAbsoluteRoundedPointSize) {
    EXPECT_EQ(PointsFromHeightAt(-16, 96), 12);
    EXPECT_EQ(PointsFromHeightAt(-13, 96), 10);  // 9.75
    EXPECT_EQ(PointsFromHeightAt(16, 96), 12);
    // The display arithmetic gives -1 without a DPI; its absolute value is 1.
    EXPECT_EQ(PointsFromHeightAt(-16, 0), 1);
}

TEST(ScaledPoints, TruncatesTowardZeroAndKeepsPointsWithoutAScreen) {
    EXPECT_EQ(ScaledPoints(120, 10, 120), 10);
    EXPECT_EQ(ScaledPoints(96, 10, 120), 8);
    EXPECT_EQ(ScaledPoints(120, 9, 96), 11);  // 11.25
    EXPECT_EQ(ScaledPoints(96, -9, 120), -7);  // -7.2
    EXPECT_EQ(ScaledPoints(96, 10, 0), 10);
}

}  // namespace
}  // namespace trelvane
