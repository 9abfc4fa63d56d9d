#include "Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace trelvane {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbourOthersToTheNearest) {
    EXPECT_EQ(RoundHalfEven(10.5), 10);
    EXPECT_EQ(RoundHalfEven(11.5), 12);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(9.5001), 10);
    EXPECT_EQ(RoundHalfEven(-9.6), -10);
    EXPECT_EQ(RoundHalfEven(1e12), kMax);
    EXPECT_EQ(RoundHalfEven(-1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}

TEST(MulDivRounded, RoundsHalvesAwayFromZeroAndFailsAsMinusOne) {
    EXPECT_EQ(MulDivRounded(10, 96, 72), 13);   // 13.33
    EXPECT_EQ(MulDivRounded(10, 120, 72), 17);  // 16.67
    EXPECT_EQ(MulDivRounded(1, 3, 2), 2);
    EXPECT_EQ(MulDivRounded(-1, 3, 2), -2);
    EXPECT_EQ(MulDivRounded(1, 3, -2), -2);
    EXPECT_EQ(MulDivRounded(kMax, 2, 2), kMax);  // the product may exceed 32 bits
    EXPECT_EQ(MulDivRounded(kMax, 2, 1), -1);
    EXPECT_EQ(MulDivRounded(10, 72, 0), -1);
}

}  // namespace
}  // namespace trelvane
