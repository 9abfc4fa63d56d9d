#include "Scaling.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

TEST(ScalingFor, TakesTheRequestOrTheScreensDpi) {
    const Scaling screen = ScalingFor(-1.0f, 120, 120);
    EXPECT_EQ(screen.Dpi, 120);
    EXPECT_FLOAT_EQ(screen.ScaleX, 1.25f);
    const Scaling asked = ScalingFor(144.0f, 96, 120);
    EXPECT_EQ(asked.Dpi, 144);
    EXPECT_FLOAT_EQ(asked.ScaleY, 1.5f);
    const Scaling fractional = ScalingFor(120.5f, 96, 96);
    EXPECT_EQ(fractional.Dpi, 120);
    EXPECT_FLOAT_EQ(fractional.ScaleX, 120.5f / 96.0f);
    // Just below zero rounds to 0 and takes each axis from the screen.
    const Scaling nearZero = ScalingFor(-0.3f, 120, 144);
    EXPECT_EQ(nearZero.Dpi, 0);
    EXPECT_FLOAT_EQ(nearZero.ScaleX, 1.25f);
    EXPECT_FLOAT_EQ(nearZero.ScaleY, 1.5f);
}

TEST(ScaleDesignUnits, RoundsHalvesToEvenAndPassesUseDefault) {
    EXPECT_EQ(ScaleDesignUnits(635, 1.25f), 794);  // 793.75
    EXPECT_EQ(ScaleDesignUnits(500, 1.25f), 625);
    EXPECT_EQ(ScaleDesignUnits(635, 1.5f), 952);  // 952.5
    EXPECT_EQ(ScaleDesignUnits(5, 1.5f), 8);      // 7.5
    EXPECT_EQ(ScaleDesignUnits(-3, 1.5f), -4);    // -4.5
    EXPECT_EQ(ScaleDesignUnits(kUseDefaultCoordinate, 1.5f), kUseDefaultCoordinate);
}

}  // namespace
}  // namespace trelvane
