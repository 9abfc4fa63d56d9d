#include "Scaling.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

TEST(ScalingFor, NegativeRequestTakesTheScreensDpi) {
    const Scaling scaling = ScalingFor(-1.0f, 120, 120);
    EXPECT_EQ(scaling.Dpi, 120);
    EXPECT_FLOAT_EQ(scaling.ScaleX, 1.25f);
    EXPECT_FLOAT_EQ(scaling.ScaleY, 1.25f);
}

TEST(ScalingFor, GivenDpiSetsBothFactorsWhateverTheScreen) {
    const Scaling scaling = ScalingFor(144.0f, 96, 120);
    EXPECT_EQ(scaling.Dpi, 144);
    EXPECT_FLOAT_EQ(scaling.ScaleX, 1.5f);
    EXPECT_FLOAT_EQ(scaling.ScaleY, 1.5f);
}

TEST(ScalingFor, FractionalDpiRoundsHalfEvenButScalesUnrounded) {
    const Scaling scaling = ScalingFor(120.5f, 96, 96);
    EXPECT_EQ(scaling.Dpi, 120);
    EXPECT_FLOAT_EQ(scaling.ScaleX, 120.5f / 96.0f);
}

TEST(ScalingFor, RequestJustBelowZeroTakesEachAxisFromTheScreen) {
    const Scaling scaling = ScalingFor(-0.3f, 120, 144);
    EXPECT_EQ(scaling.Dpi, 0);
    EXPECT_FLOAT_EQ(scaling.ScaleX, 1.25f);
    EXPECT_FLOAT_EQ(scaling.ScaleY, 1.5f);
}

TEST(ScaleDesignUnits, RoundsHalvesToEven) {
    EXPECT_EQ(ScaleDesignUnits(635, 1.25f), 794);  // 793.75
    EXPECT_EQ(ScaleDesignUnits(500, 1.25f), 625);
    EXPECT_EQ(ScaleDesignUnits(635, 1.5f), 952);  // 952.5
    EXPECT_EQ(ScaleDesignUnits(5, 1.5f), 8);      // 7.5
    EXPECT_EQ(ScaleDesignUnits(3, 1.5f), 4);      // 4.5
    EXPECT_EQ(ScaleDesignUnits(-3, 1.5f), -4);    // -4.5
    EXPECT_EQ(ScaleDesignUnits(635, 1.0f), 635);
}

TEST(ScaleDesignUnits, LeavesTheUseDefaultCoordinateAlone) {
    EXPECT_EQ(ScaleDesignUnits(kUseDefaultCoordinate, 1.5f), kUseDefaultCoordinate);
}

}  // namespace
}  // namespace trelvane
