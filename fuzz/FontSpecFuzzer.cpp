// A font specification of any bytes, read and sized the way a control's
// font is made: the parts, the points scaled for the layout's DPI, the
// LOGFONT height, and the face substitution by Windows version. Input:
// int32 screen LOGPIXELSY, int32 layout DPI, uint32 Windows major, uint32
// Windows minor, then the font specification text (the rest).
#include <cstdint>
#include <string>

#include "FontSpec.h"
#include "FuzzInput.h"

using namespace trelvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader in(data, size);
    const std::int32_t logPixelsY = in.Int32();
    const std::int32_t dpi = in.Int32();
    const std::uint32_t major = in.Uint32();
    const std::uint32_t minor = in.Uint32();
    const std::string_view spec = in.Rest();

    FontSpecParts parts;
    std::int32_t style = 0;
    ParseFontSpec(spec, parts, style, [&](std::int32_t height) { return PointsFromHeightAt(height, logPixelsY); });
    fuzz::Check(parts.face.size() <= spec.size(), "the face is part of the font specification");
    if (parts.weight != 400 && parts.weight != 700) {
        fuzz::Check(spec.find(',') != std::string_view::npos, "only the long form sets another weight");
    }
    const std::int32_t points = ScaledPoints(dpi, parts.points, logPixelsY);
    FontHeightForPoints(points, logPixelsY);

    const double version = WindowsVersionFrom(major, minor);
    const std::string substituted = SubstituteFace(spec, version);
    fuzz::Check(substituted.rfind(DefaultFace(version) + ",", 0) == 0, "substitution starts with the default face");
    DefaultPoints(version);
    return 0;
}
