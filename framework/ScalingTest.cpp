#include "Scaling.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

TEST(ScalingFor, TakesTheRequestOrEachAxisFromTheScreen) {
    EXPECT_EQ(ScalingFor(-1.0f, 120, 120).Dpi, 120);
    const Scaling asked = ScalingFor(120.5f, 96, 144);
    EXPECT_EQ(asked.Dpi, 120);
    EXPECT_FLOAT_EQ(asked.ScaleY, 120.5f / 96.0f);
    const Scaling nearZero = ScalingFor(-0.3f, 120, 144);  // rounds to 0: the screen's own scales
    EXPECT_EQ(nearZero.Dpi, 0);
    EXPECT_FLOAT_EQ(nearZero.ScaleX, 1.25f);
    EXPECT_FLOAT_EQ(nearZero.ScaleY, 1.5f);
}

TEST(ScaleDesignUnits, RoundsHalvesToEvenAndPassesUseDefault) {
    EXPECT_EQ(ScaleDesignUnits(635, 1.25f), 794);
    EXPECT_EQ(ScaleDesignUnits(635, 1.5f), 952);  // 952.5
    EXPECT_EQ(ScaleDesignUnits(-3, 1.5f), -4);    // -4.5
    EXPECT_EQ(ScaleDesignUnits(kUseDefaultCoordinate, 1.5f), kUseDefaultCoordinate);
}

}  // namespace
}  // namespace trelvane
