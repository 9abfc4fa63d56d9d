#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "FontSpec.h"
#include "Scaling.h"
#include "WinHandles.h"

namespace trelvane {

// The running Windows version as major + minor / 100 (6.1 gives 6.01).
double WindowsVersion();

// A LOGFONT height converted to points at the screen's LOGPIXELSY; 0 when
// there is no display device context.
std::int32_t PointsFromHeight(std::int32_t height);

// Reads a font specification (see FontSpec.h) with heights converted at the
// screen's DPI. Outputs the font specification does not set keep their values.
void ParseFontSpec(std::string_view spec, std::string& face, std::int32_t& points, std::int32_t& weight,
                   std::int32_t& italic, std::int32_t& underline, std::int32_t& strikeout, std::int32_t& style);

// The character set of the last font Windows enumerates for face; 0 when
// the face is not installed.
std::int32_t FindFaceCharset(std::string_view face);

// The scaling context for dpi on this screen (see ScalingFor); -1 gives the
// screen's own DPI.
Scaling ScreenScaling(float dpi);

// The font MakeScaledFontAt makes; read well with designated initialisers:
//     MakeScaledFontAt(dpi, {.face = "Tahoma", .points = 10, .weight = FW_BOLD});
struct FontRequest {
    std::string_view face;
    std::int32_t points = 0;
    std::int32_t weight = FW_NORMAL;
    BYTE italic = 0;
    BYTE underline = 0;
    BYTE strikeout = 0;
    BYTE charset = DEFAULT_CHARSET;
    bool keepPoints = false;  // points as they are, not sized for the layout's DPI
};

// A font for a layout at dpi: unless keepPoints, points are first sized by
// dpi / LOGPIXELSY; the height is then -points * LOGPIXELSY / 72 and the face
// is cut to 31 characters. The caller owns the font.
[[nodiscard]] UniqueFont MakeScaledFontAt(std::int32_t dpi, const FontRequest& request);

// A font of face at points on this screen, in the face's character set.
// An empty face gives no font. Each call makes a new font; the caller owns it.
[[nodiscard]] UniqueFont MakeFont(std::string_view face, std::int32_t points, std::int32_t weight, std::int32_t italic,
                                  std::int32_t underline, std::int32_t strikeout);

// The font a font specification such as "Tahoma,10,1" asks for; empty for
// an empty one. Each call makes a new font; the caller owns it.
[[nodiscard]] UniqueFont FontFromSpec(std::string_view spec);

// The same for a window on a monitor of dpi (per-monitor awareness): the
// height is -points * dpi / 72, what FontFromSpec makes on a screen of that
// DPI.
[[nodiscard]] UniqueFont FontFromSpecAt(std::string_view spec, std::int32_t dpi);

}  // namespace trelvane
