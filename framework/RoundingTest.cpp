#include "Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace trelvane {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(10.5), 10);
    EXPECT_EQ(RoundHalfEven(11.5), 12);
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(793.75), 794);
}

TEST(RoundHalfEven, OtherValuesGoToTheNearest) {
    EXPECT_EQ(RoundHalfEven(9.4999), 9);
    EXPECT_EQ(RoundHalfEven(9.5001), 10);
    EXPECT_EQ(RoundHalfEven(-9.6), -10);
    EXPECT_EQ(RoundHalfEven(-9.4), -9);
}

TEST(RoundHalfEven, ValuesBeyondTheRangeAreHeldAtItsEnds) {
    EXPECT_EQ(RoundHalfEven(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RoundHalfEven(-1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}

TEST(MulDivRounded, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDivRounded(10, 96, 72), 13);   // 13.33
    EXPECT_EQ(MulDivRounded(10, 120, 72), 17);  // 16.67
    EXPECT_EQ(MulDivRounded(10, 144, 72), 20);
    EXPECT_EQ(MulDivRounded(1, 3, 2), 2);
    EXPECT_EQ(MulDivRounded(-1, 3, 2), -2);
    EXPECT_EQ(MulDivRounded(1, 3, -2), -2);
    EXPECT_EQ(MulDivRounded(-16, 72, 96), -12);
}

TEST(MulDivRounded, ZeroDivisorAndOverflowGiveMinusOne) {
    EXPECT_EQ(MulDivRounded(10, 72, 0), -1);
    EXPECT_EQ(MulDivRounded(std::numeric_limits<std::int32_t>::max(), 2, 1), -1);
    // The product may exceed 32 bits as long as the quotient fits.
    EXPECT_EQ(MulDivRounded(std::numeric_limits<std::int32_t>::max(), 2, 2), std::numeric_limits<std::int32_t>::max());
}

}  // namespace
}  // namespace trelvane
