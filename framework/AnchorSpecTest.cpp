#include "AnchorSpec.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

// The parent grows from 600 x 400 to 900 x 600 around a control at (60, 40)-(160, 70).
const Rect kParentBefore{0, 0, 600, 400};
const Rect kParentAfter{0, 0, 900, 600};
const Rect kControl{60, 40, 160, 70};

TEST(AnchoredPlacement, EachEdgeFollowsItsCode) {
    const std::pair<const char*, Placement> cases[] = {
        {"S,S,S,S", {90, 60, 150, 45}},        {"Stretch,s,s,s", {90, 60, 150, 45}},
        {"FL,FT,FR,FB", {60, 40, 400, 230}},   {" fr , ft ,fr,ft", {360, 40, 100, 30}},
        {"F50,FT,F50,FT", {210, 40, 100, 30}}, {"F25,F0,F25,F100", {135, 40, 100, 230}},
        {"FL,FR,FRX,FB", {60, 240, 100, 30}},  // letters only stand for 0 and 100, on any edge
        {"S,S,S,X", {90, 60, 150, -60}},       // unknown or missing codes are 0
        {"FL,FT,FR", {60, 40, 400, -40}},      {"S,S,S,S,X,Y", {90, 60, 150, 45}},
    };
    for (const auto& [anchor, placement] : cases) {
        EXPECT_EQ(AnchoredPlacement(anchor, kParentBefore, kParentAfter, kControl), placement) << anchor;
    }
    EXPECT_EQ(AnchoredPlacement("S,S,S,", kParentBefore, kParentAfter, kControl), std::nullopt);  // under 7
}

TEST(AnchoredPlacement, EdgesRoundHalvesToEvenAndSizesComeFromTheUnroundedEdges) {
    // Edges 7.5 and 22.5: rounded separately they would give a height of 14.
    const auto grown = AnchoredPlacement("S,S,S,S", {0, 0, 10, 400}, {0, 0, 10, 600}, {0, 5, 10, 15});
    EXPECT_EQ(grown->y, 8);
    EXPECT_EQ(grown->height, 15);
    EXPECT_EQ(AnchoredPlacement("S,S,S,S", {0, 0, 10, 400}, {0, 0, 10, 200}, {0, 13, 10, 20})->y, 6);  // 6.5
}

TEST(AnchoredPlacement, ZeroExtentAtCaptureLeavesOnlyScaledEdgesAlone) {
    EXPECT_EQ(AnchoredPlacement("FL,S,FL,S", {0, 0, 600, 0}, kParentAfter, kControl), std::nullopt);
    EXPECT_EQ(AnchoredPlacement("FR,FB,FR,FB", {}, kParentAfter, kControl), (Placement{960, 640, 100, 30}));
}

TEST(StoredAnchor, KeepsAtMostTwentyNineCharacters) {
    EXPECT_EQ(StoredAnchor("F50 , F50 , F50 , F50 , extra text"), "F50 , F50 , F50 , F50 , extra");
}

}  // namespace
}  // namespace trelvane
