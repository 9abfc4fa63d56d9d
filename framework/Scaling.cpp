#include "Scaling.h"

#include "Rounding.h"

namespace trelvane {

Scaling ScalingFor(float dpi, std::int32_t logPixelsX, std::int32_t logPixelsY) {
    Scaling scaling;
    scaling.Dpi = RoundHalfEven(dpi);
    if (scaling.Dpi < 0) {
        scaling.Dpi = logPixelsX;
        dpi = static_cast<float>(logPixelsX);
    }
    if (dpi > 0) {
        scaling.ScaleX = dpi / 96.0f;
        scaling.ScaleY = dpi / 96.0f;
    } else {
        scaling.ScaleX = static_cast<float>(logPixelsX) / 96.0f;
        scaling.ScaleY = static_cast<float>(logPixelsY) / 96.0f;
    }
    return scaling;
}

std::int32_t ScaleDesignUnits(std::int32_t value, float scale) {
    if (value == kUseDefaultCoordinate) return value;
    return RoundHalfEven(static_cast<double>(value) * scale);
}

Placement ScaleDesignUnits(const Placement& design, const Scaling& scaling) {
    return {ScaleDesignUnits(design.x, scaling.ScaleX), ScaleDesignUnits(design.y, scaling.ScaleY),
            ScaleDesignUnits(design.width, scaling.ScaleX), ScaleDesignUnits(design.height, scaling.ScaleY)};
}

}  // namespace trelvane
