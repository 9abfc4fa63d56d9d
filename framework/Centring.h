#pragma once

#include <cstdint>

#include "Geometry.h"

namespace trelvane {

// Top-left corner that centres a width x height window over reference,
// kept inside work: a window that would cross the work area's right or
// bottom side is pulled back, and one that would start before its left or
// top side (a window larger than the work area) starts there. Halves are
// truncated toward zero.
Point CentredPosition(const Rect& reference, const Rect& work, std::int32_t width, std::int32_t height);

}  // namespace trelvane
