#include "FontSpec.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

// face, points, weight, italic, underline, strikeout, style
using Expected = std::tuple<std::string, int, int, int, int, int, int>;

// Parsed with heights converted as on a screen of 96 DPI.
Expected Parse(std::string_view spec, std::int32_t style = 0, FontSpecParts parts = {}) {
    ParseFontSpec(spec, parts, style, [](std::int32_t h) { return PointsFromHeightAt(h, 96); });
    return {parts.face, parts.points, parts.weight, parts.italic, parts.underline, parts.strikeout, style};
}

TEST(ParseFontSpec, ShortAndLongFormsGiveFacePointsStyleAndStyleBits) {
    const std::pair<const char*, Expected> cases[] = {
        {"Tahoma,10,1", {"Tahoma", 10, 700, 0, 0, 0, 1}},
        {"Courier New,8,0", {"Courier New", 8, 400, 0, 0, 0, 0}},
        {"Tahoma,10,15", {"Tahoma", 10, 700, 1, 1, 1, 15}},
        {"Tahoma,10,16", {"Tahoma", 10, 400, 0, 0, 0, 16}},
        {"\"Odd, Face\",12,2", {"Odd, Face", 12, 400, 1, 0, 0, 2}},
        {"Tahoma,9.5,1,0,0,0,0,0,0,0", {"Tahoma", 10, 700, 0, 0, 0, 1}},  // ten fields: still short
        {"Tahoma,10.5", {"Tahoma", 10, 400, 0, 0, 0, 0}},
        {"Tahoma", {"Tahoma", 0, 400, 0, 0, 0, 0}},
        {"Tahoma,-16,0,0,0,700,0,0,0,0,0", {"Tahoma", 12, 700, 0, 0, 0, 1}},
        {"Arial,-13,0,0,0,400,255,1,1,0,0,0", {"Arial", 10, 400, 255, 1, 1, 14}},
    };
    for (const auto& [spec, expected] : cases) EXPECT_EQ(Parse(spec), expected) << spec;
}

TEST(ParseFontSpec, ShortFormReplacesTheCallersStyleAndLongFormAddsToIt) {
    FontSpecParts italic;
    italic.italic = 1;
    EXPECT_EQ(Parse("Tahoma,10,0", 8, italic), (Expected{"Tahoma", 10, 400, 1, 0, 0, 0}));
    EXPECT_EQ(std::get<6>(Parse("Tahoma,-16,0,0,0,700,0,0,0,0,0", 16)), 17);
    EXPECT_EQ(std::get<6>(Parse("Tahoma,-16,0,0,0,800,0,0,0,0,0")), 0);  // only 700 is bold
}

TEST(FontArithmetic, VersionFacesHeightsAndPoints) {
    EXPECT_DOUBLE_EQ(WindowsVersionFrom(6, 1), 6.01);
    EXPECT_EQ(DefaultFace(6.0), "Segoe UI");
    EXPECT_EQ(DefaultPoints(5.01), 8);
    EXPECT_EQ(SubstituteFace("Tahoma,10,1", 6.0), "Segoe UI,10,1");
    EXPECT_EQ(SubstituteFace("Tahoma", 5.0), "Tahoma,");
    EXPECT_EQ(PointsFromHeightAt(-16, 0), 1);
    // Truncated toward zero, where rounding (either way) or flooring would differ.
    for (const auto& [dpi, points, logPixelsY, scaled] : {std::tuple{120, 9, 96, 11},  // 11.25
                                                          {144, 9, 96, 13},            // 13.5
                                                          {120, 11, 96, 13},           // 13.75
                                                          {96, -9, 120, -7},           // -7.2
                                                          {96, 10, 0, 10}}) {          // no screen: as they are
        EXPECT_EQ(ScaledPoints(dpi, points, logPixelsY), scaled) << dpi << " " << points << " " << logPixelsY;
    }
}

}  // namespace
}  // namespace trelvane
