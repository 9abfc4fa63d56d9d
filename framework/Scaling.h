#pragma once

#include <cstdint>

#include "Geometry.h"

namespace trelvane {

// The DPI a form lays out and sizes fonts for, and the factors that turn
// its design units (pixels at 96 DPI) into pixels.
struct Scaling {
    std::int32_t Dpi = 96;
    float ScaleX = 1.0f;
    float ScaleY = 1.0f;
};

// The scaling for a requested dpi on a screen reporting logPixelsX and
// logPixelsY. A negative request means the screen's DPI (LOGPIXELSX).
// Requests from -0.5 to 0 round to a Dpi of 0 and take both factors from
// the screen, each axis from its own capability.
Scaling ScalingFor(float dpi, std::int32_t logPixelsX, std::int32_t logPixelsY);

// Windows' "pick a default" coordinate, passed through scaling unchanged.
inline constexpr std::int32_t kUseDefaultCoordinate = static_cast<std::int32_t>(0x80000000u);

// value * scale rounded halves to even; kUseDefaultCoordinate stays as it is.
std::int32_t ScaleDesignUnits(std::int32_t value, float scale);

// x and width scaled by ScaleX, y and height by ScaleY, each as
// ScaleDesignUnits does it.
Placement ScaleDesignUnits(const Placement& design, const Scaling& scaling);

}  // namespace trelvane
