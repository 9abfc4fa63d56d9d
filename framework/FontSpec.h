#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace trelvane {

// What a font specification asks for. Fields the font specification does not set
// keep the values they had when parsing started.
struct FontSpecParts {
    std::string face;
    std::int32_t points = 0;
    std::int32_t weight = 0;
    std::int32_t italic = 0;
    std::int32_t underline = 0;
    std::int32_t strikeout = 0;
};

// Style bits of the short form.
inline constexpr std::int32_t kStyleBold = 1;
inline constexpr std::int32_t kStyleItalic = 2;
inline constexpr std::int32_t kStyleUnderline = 4;
inline constexpr std::int32_t kStyleStrikeout = 8;

// Turns a font height in logical units into points.
using HeightToPoints = std::function<std::int32_t(std::int32_t height)>;

// Reads a font specification. Short form (10 fields or fewer):
// "face,points,style" with the style bits above; style is replaced by field
// 3. Long form (more than 10 fields): a LOGFONT written out with the face
// first: face, height, width, escapement, orientation, weight, italic,
// underline, strikeout, ...; the height becomes points through
// heightToPoints and the style bits it implies are added to style.
void ParseFontSpec(std::string_view spec, FontSpecParts& parts, std::int32_t& style,
                   const HeightToPoints& heightToPoints);

// The Windows version as major + minor / 100 (6.1 gives 6.01, 10.0 gives 10).
double WindowsVersionFrom(std::uint32_t major, std::uint32_t minor);

// From Windows 6.00 on the default face is "Segoe UI" at 9 points, before
// it "Tahoma" at 8.
inline constexpr double kSegoeVersion = 6.0;
std::string DefaultFace(double windowsVersion);
std::int32_t DefaultPoints(double windowsVersion);

// Replaces the face of spec by the default face of windowsVersion: that face
// and a comma, then everything after the first comma of spec (nothing when
// spec has no comma).
std::string SubstituteFace(std::string_view spec, double windowsVersion);

// |height * 72 / logPixelsY|, rounded as the display arithmetic rounds.
std::int32_t PointsFromHeightAt(std::int32_t height, std::int32_t logPixelsY);

// The LOGFONT height (negative: a character height) of points at logPixelsY.
std::int32_t FontHeightForPoints(std::int32_t points, std::int32_t logPixelsY);

// Points sized for a layout at dpi on a screen of logPixelsY: dpi * points /
// logPixelsY truncated toward zero. A logPixelsY of 0 (no screen to ask)
// keeps points as they are.
std::int32_t ScaledPoints(std::int32_t dpi, std::int32_t points, std::int32_t logPixelsY);

}  // namespace trelvane
