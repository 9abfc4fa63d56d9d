#include "FontSpec.h"

#include <cmath>
#include <cstdlib>

#include "Rounding.h"
#include "SpecFields.h"

namespace trelvane {
namespace {

constexpr std::size_t kShortFormMaxFields = 10;
constexpr std::int32_t kRegularWeight = 400;
constexpr std::int32_t kBoldWeight = 700;

std::int32_t FieldValue(const std::vector<std::string>& fields, std::size_t number) {
    return number <= fields.size() ? RoundHalfEven(NumericValue(fields[number - 1])) : 0;
}

}  // namespace

void ParseFontSpec(std::string_view spec, FontSpecParts& parts, std::int32_t& style,
                   const HeightToPoints& heightToPoints) {
    const std::vector<std::string> fields = SplitSpecFields(spec);
    parts.face = fields.front();
    if (fields.size() > kShortFormMaxFields) {
        parts.points = heightToPoints(FieldValue(fields, 2));
        parts.weight = FieldValue(fields, 6);
        parts.italic = FieldValue(fields, 7);
        parts.underline = FieldValue(fields, 8);
        parts.strikeout = FieldValue(fields, 9);
        if (parts.weight == kBoldWeight) style += kStyleBold;
        if (parts.italic != 0) style += kStyleItalic;
        if (parts.underline != 0) style += kStyleUnderline;
        if (parts.strikeout != 0) style += kStyleStrikeout;
        return;
    }
    parts.points = FieldValue(fields, 2);
    style = FieldValue(fields, 3);
    parts.weight = (style & kStyleBold) ? kBoldWeight : kRegularWeight;
    if (style & kStyleItalic) parts.italic = 1;
    if (style & kStyleUnderline) parts.underline = 1;
    if (style & kStyleStrikeout) parts.strikeout = 1;
}

double WindowsVersionFrom(std::uint32_t major, std::uint32_t minor) {
    // Held to four decimals, so 6.01 compares as 6.01 and 6.00 as exactly 6.
    return std::round((major + minor / 100.0) * 10000.0) / 10000.0;
}

std::string DefaultFace(double windowsVersion) { return windowsVersion >= kSegoeVersion ? "Segoe UI" : "Tahoma"; }

std::int32_t DefaultPoints(double windowsVersion) { return windowsVersion >= kSegoeVersion ? 9 : 8; }

std::string SubstituteFace(std::string_view spec, double windowsVersion) {
    std::string result = DefaultFace(windowsVersion) + ",";
    const std::size_t comma = spec.find(',');
    if (comma != std::string_view::npos) result += spec.substr(comma + 1);
    return result;
}

std::int32_t PointsFromHeightAt(std::int32_t height, std::int32_t logPixelsY) {
    return std::abs(MulDivRounded(height, 72, logPixelsY));
}

std::int32_t FontHeightForPoints(std::int32_t points, std::int32_t logPixelsY) {
    return -MulDivRounded(points, logPixelsY, 72);
}

std::int32_t ScaledPoints(std::int32_t dpi, std::int32_t points, std::int32_t logPixelsY) {
    if (logPixelsY == 0) return points;
    return static_cast<std::int32_t>(static_cast<std::int64_t>(dpi) * points / logPixelsY);
}

}  // namespace trelvane
