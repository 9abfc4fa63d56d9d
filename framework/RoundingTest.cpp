#include "Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace trelvane {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbourAndTheRangeIsClamped) {
    const std::pair<double, std::int32_t> cases[] = {{10.5, 10},  {11.5, 12},   {-0.5, 0},
                                                     {-2.5, -2},  {-1.5, -2},   {9.5001, 10},
                                                     {-9.6, -10}, {1e12, kMax}, {std::nan(""), 0}};
    for (const auto& [value, rounded] : cases) EXPECT_EQ(RoundHalfEven(value), rounded) << value;
}

TEST(MulDivRounded, RoundsHalvesAwayFromZeroAndFailsAsMinusOne) {
    EXPECT_EQ(MulDivRounded(1, 3, 2), 2);
    EXPECT_EQ(MulDivRounded(-1, 3, 2), -2);
    EXPECT_EQ(MulDivRounded(kMax, 2, 2), kMax);  // the product may exceed 32 bits
    EXPECT_EQ(MulDivRounded(kMax, 2, 1), -1);
    EXPECT_EQ(MulDivRounded(10, 72, 0), -1);
}

}  // namespace
}  // namespace trelvane
