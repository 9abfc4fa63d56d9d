#pragma once

#include <cstdint>

namespace trelvane {

// Nearest integer, halves to even (10.5 gives 10, 11.5 gives 12); every
// conversion of a position, size or font specification field to an integer goes
// through here. Values beyond the 32-bit range are held at its ends, and a
// value that is not a number gives 0.
std::int32_t RoundHalfEven(double value);

// a * b / c rounded to nearest with halves away from zero, as the display
// arithmetic of Windows does it: -1 when c is 0 or the result does not fit.
std::int32_t MulDivRounded(std::int32_t a, std::int32_t b, std::int32_t c);

}  // namespace trelvane
