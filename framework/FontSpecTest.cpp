#include "FontSpec.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

struct Parsed {
    FontSpecParts parts;
    std::int32_t style = 0;
};

// Parsed with heights converted as on a screen of dpi.
Parsed Parse(std::string_view spec, std::int32_t style = 0, FontSpecParts parts = {}, std::int32_t dpi = 96) {
    Parsed parsed{std::move(parts), style};
    ParseFontSpec(spec, parsed.parts, parsed.style, [dpi](std::int32_t h) { return PointsFromHeightAt(h, dpi); });
    return parsed;
}

// face, points, weight, italic, underline, strikeout, style
using Expected = std::tuple<std::string, int, int, int, int, int, int>;
Expected Fields(const Parsed& p) {
    return {p.parts.face, p.parts.points, p.parts.weight, p.parts.italic, p.parts.underline, p.parts.strikeout,
            p.style};
}

TEST(FontSpecShortForm, ReadsFacePointsAndStyleBits) {
    EXPECT_EQ(Fields(Parse("Tahoma,10,1")), (Expected{"Tahoma", 10, 700, 0, 0, 0, 1}));
    EXPECT_EQ(Fields(Parse("Courier New,8,0")), (Expected{"Courier New", 8, 400, 0, 0, 0, 0}));
    EXPECT_EQ(Fields(Parse("Tahoma,10,3")), (Expected{"Tahoma", 10, 700, 1, 0, 0, 3}));
    EXPECT_EQ(Fields(Parse("Tahoma,10,15")), (Expected{"Tahoma", 10, 700, 1, 1, 1, 15}));
    EXPECT_EQ(Fields(Parse("Tahoma,10,16")), (Expected{"Tahoma", 10, 400, 0, 0, 0, 16}));
    EXPECT_EQ(Fields(Parse("\"Odd, Face\",12,2")), (Expected{"Odd, Face", 12, 400, 1, 0, 0, 2}));
    EXPECT_EQ(Fields(Parse("Tahoma,10,1,0,0,0,0,0,0,0")), (Expected{"Tahoma", 10, 700, 0, 0, 0, 1}));  // 10 fields
}

TEST(FontSpecShortForm, RoundsHalvesToEvenAndReadsMissingFieldsAsZero) {
    EXPECT_EQ(Parse("Tahoma,9.5,1").parts.points, 10);
    EXPECT_EQ(Parse("Tahoma,10.5,1").parts.points, 10);
    EXPECT_EQ(Fields(Parse("Tahoma,10")), (Expected{"Tahoma", 10, 400, 0, 0, 0, 0}));
    EXPECT_EQ(Fields(Parse("Tahoma")), (Expected{"Tahoma", 0, 400, 0, 0, 0, 0}));
    EXPECT_EQ(Parse("").parts.face, "");
}

TEST(FontSpecShortForm, ReplacesStyleAndLeavesClearBitsToTheCaller) {
    FontSpecParts preset;
    preset.italic = 1;
    const Parsed parsed = Parse("Tahoma,10,0", 8, preset);
    EXPECT_EQ(parsed.style, 0);
    EXPECT_EQ(parsed.parts.italic, 1);
}

TEST(FontSpecLongForm, ElevenFieldsReadAsALogfontWithDerivedStyleBits) {
    EXPECT_EQ(Fields(Parse("Tahoma,-16,0,0,0,700,0,0,0,0,0")), (Expected{"Tahoma", 12, 700, 0, 0, 0, 1}));
    EXPECT_EQ(Fields(Parse("Arial,-13,0,0,0,400,255,1,1,0,0,0")), (Expected{"Arial", 10, 400, 255, 1, 1, 14}));
    EXPECT_EQ(Parse("Tahoma,-16,0,0,0,700,0,0,0,0,0", 16).style, 17);  // added to the caller's
    EXPECT_EQ(Parse("Tahoma,-16,0,0,0,800,0,0,0,0,0").style, 0);       // only 700 is bold
    EXPECT_EQ(Parse("Tahoma,-16,0,0,0,400,0,0,0,0,0", 0, {}, 120).parts.points, 10);  // 9.6
}

TEST(WindowsVersion, DecidesTheDefaultFaceAndPointsAtSix) {
    EXPECT_DOUBLE_EQ(WindowsVersionFrom(6, 1), 6.01);
    EXPECT_DOUBLE_EQ(WindowsVersionFrom(10, 0), 10.0);
    EXPECT_EQ(DefaultFace(WindowsVersionFrom(6, 0)), "Segoe UI");
    EXPECT_EQ(DefaultPoints(WindowsVersionFrom(6, 0)), 9);
    EXPECT_EQ(DefaultFace(WindowsVersionFrom(5, 1)), "Tahoma");
    EXPECT_EQ(DefaultPoints(WindowsVersionFrom(5, 1)), 8);
}

TEST(SubstituteFace, KeepsEverythingAfterTheFirstComma) {
    EXPECT_EQ(SubstituteFace("Tahoma,10,1", 6.0), "Segoe UI,10,1");
    EXPECT_EQ(SubstituteFace("Tahoma,10,1", 5.01), "Tahoma,10,1");
    EXPECT_EQ(SubstituteFace("Tahoma", 6.0), "Segoe UI,");
    EXPECT_EQ(SubstituteFace("Tahoma", 5.0), "Tahoma,");
}

TEST(FontArithmetic, HeightsPointsAndScaledPoints) {
    EXPECT_EQ(FontHeightForPoints(10, 96), -13);
    EXPECT_EQ(FontHeightForPoints(10, 120), -17);
    EXPECT_EQ(FontHeightForPoints(10, 144), -20);
    EXPECT_EQ(PointsFromHeightAt(-13, 96), 10);  // 9.75
    EXPECT_EQ(PointsFromHeightAt(16, 96), 12);
    EXPECT_EQ(PointsFromHeightAt(-16, 0), 1);  // -1 without a DPI, made absolute
    EXPECT_EQ(ScaledPoints(120, 9, 96), 11);    // 11.25
    EXPECT_EQ(ScaledPoints(96, -9, 120), -7);   // -7.2, toward zero
    EXPECT_EQ(ScaledPoints(96, 10, 0), 10);     // no screen: unchanged
}

}  // namespace
}  // namespace trelvane
