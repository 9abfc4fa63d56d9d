#include "Scaling.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

TEST(ScalingFor, TakesTheRequestOrEachAxisFromTheScreen) {
    struct Case {
        float requested;
        Scaling expected;  // on a screen of 120 x 144
    };
    const Case cases[] = {
        {-1.0f, {120, 1.25f, 1.25f}},               // the screen's, both axes from LOGPIXELSX
        {120.5f, {120, 120.5f / 96, 120.5f / 96}},  // the factors keep the fraction
        {0.0f, {0, 1.25f, 1.5f}},                   // rounds to 0: each axis from its own capability
        {-0.5f, {0, 1.25f, 1.5f}},
    };
    for (const Case& c : cases) {
        const Scaling scaling = ScalingFor(c.requested, 120, 144);
        EXPECT_EQ(scaling.Dpi, c.expected.Dpi) << c.requested;
        EXPECT_FLOAT_EQ(scaling.ScaleX, c.expected.ScaleX) << c.requested;
        EXPECT_FLOAT_EQ(scaling.ScaleY, c.expected.ScaleY) << c.requested;
    }
}

TEST(ScaleDesignUnits, RoundsHalvesToEvenAndPassesUseDefault) {
    EXPECT_EQ(ScaleDesignUnits(-3, 1.5f), -4);  // -4.5
    EXPECT_EQ(ScaleDesignUnits(kUseDefaultCoordinate, 1.5f), kUseDefaultCoordinate);
    // x and width by ScaleX, y and height by ScaleY.
    EXPECT_EQ(ScaleDesignUnits(Placement{5, 3, 7, 9}, {120, 1.25f, 1.5f}), (Placement{6, 4, 9, 14}));
    EXPECT_EQ(ScaleDesignUnits(Placement{kUseDefaultCoordinate, 3, 7, 9}, {144, 1.5f, 1.5f}),
              (Placement{kUseDefaultCoordinate, 4, 10, 14}));  // 4.5, 10.5, 13.5
}

}  // namespace
}  // namespace trelvane
