#include "AnchorSpec.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

// The parent grows from 600 x 400 to 900 x 600; the control sits at
// (60, 40)-(160, 70).
const Rect kParentBefore{0, 0, 600, 400};
const Rect kParentAfter{0, 0, 900, 600};
const Rect kControl{60, 40, 160, 70};

std::optional<Placement> Grown(std::string_view anchor) {
    return AnchoredPlacement(anchor, kParentBefore, kParentAfter, kControl);
}

TEST(AnchoredPlacement, ScaleMovesAndStretchesInProportion) {
    EXPECT_EQ(Grown("S,S,S,S"), (Placement{90, 60, 150, 45}));
    EXPECT_EQ(Grown("s,s,s,s"), (Placement{90, 60, 150, 45}));
    EXPECT_EQ(Grown("Stretch,S,S,S"), (Placement{90, 60, 150, 45}));
}

TEST(AnchoredPlacement, FixedEdgesKeepTheirDistanceToTheirSide) {
    EXPECT_EQ(Grown("FL,FT,FR,FB"), (Placement{60, 40, 400, 230}));
    EXPECT_EQ(Grown("FR,FT,FR,FT"), (Placement{360, 40, 100, 30}));
    EXPECT_EQ(Grown(" fr , ft ,fr,ft"), (Placement{360, 40, 100, 30}));
}

TEST(AnchoredPlacement, PercentagesFollowThatShareOfTheGrowth) {
    EXPECT_EQ(Grown("F50,FT,F50,FT"), (Placement{210, 40, 100, 30}));
    EXPECT_EQ(Grown("F25,F0,F25,F100"), (Placement{135, 40, 100, 230}));
}

TEST(AnchoredPlacement, LettersOnlyStandForZeroAndOneHundred) {
    // FR on the top edge follows the whole height change; FRX reads as F0.
    EXPECT_EQ(Grown("FL,FR,FRX,FB"), (Placement{60, 240, 100, 30}));
    EXPECT_EQ(Grown("F,FT,FQ,FT"), (Placement{60, 40, 100, 30}));
}

TEST(AnchoredPlacement, UnknownOrMissingCodesGiveZeroAndShortSpecificationsNothing) {
    EXPECT_EQ(Grown("S,S,S,X"), (Placement{90, 60, 150, -60}));
    EXPECT_EQ(Grown("FL,FT,FR"), (Placement{60, 40, 400, -40}));
    EXPECT_EQ(Grown("S,S,S,S,X,Y"), (Placement{90, 60, 150, 45}));
    EXPECT_EQ(Grown("S,S,S,"), std::nullopt);  // shorter than 7: left alone
    EXPECT_EQ(Grown(""), std::nullopt);
}

TEST(AnchoredPlacement, RoundsHalvesToEven) {
    const Rect top5{0, 5, 10, 20};
    EXPECT_EQ(AnchoredPlacement("S,S,S,S", {0, 0, 10, 400}, {0, 0, 10, 600}, top5)->y, 8);  // 7.5
    const Rect top13{0, 13, 10, 20};
    EXPECT_EQ(AnchoredPlacement("S,S,S,S", {0, 0, 10, 400}, {0, 0, 10, 200}, top13)->y, 6);  // 6.5
}

TEST(AnchoredPlacement, SizesRoundFromTheUnroundedEdges) {
    // Edges 7.5 and 22.5: rounded separately they would give 8 and 22, a
    // height of 14; the difference of the edges is exactly 15.
    const auto placement = AnchoredPlacement("S,S,S,S", {0, 0, 10, 400}, {0, 0, 10, 600}, {0, 5, 10, 15});
    EXPECT_EQ(placement->y, 8);
    EXPECT_EQ(placement->height, 15);
}

TEST(AnchoredPlacement, ZeroExtentAtCaptureLeavesScaledControlsWhereTheyAre) {
    const Rect emptyParent{0, 0, 0, 0};
    EXPECT_EQ(AnchoredPlacement("S,S,S,S", emptyParent, kParentAfter, kControl), std::nullopt);
    EXPECT_EQ(AnchoredPlacement("FL,S,FL,S", {0, 0, 600, 0}, kParentAfter, kControl), std::nullopt);
    // Fixed and percentage edges need no division and still apply.
    EXPECT_EQ(AnchoredPlacement("FR,FB,FR,FB", emptyParent, kParentAfter, kControl), (Placement{960, 640, 100, 30}));
}

TEST(StoredAnchor, KeepsAtMostTwentyNineCharacters) {
    EXPECT_EQ(StoredAnchor("S,S,S,S"), "S,S,S,S");
    EXPECT_EQ(StoredAnchor("F50 , F50 , F50 , F50 , extra text"), "F50 , F50 , F50 , F50 , extra");
    EXPECT_EQ(StoredAnchor("F50 , F50 , F50 , F50 , extra text").size(), kMaxAnchorLength);
}

}  // namespace
}  // namespace trelvane
