#include "Centring.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

const Rect kWork{0, 0, 1920, 1040};

TEST(CentredPosition, CentresOnTheWorkAreaWithHalvesTruncated) {
    EXPECT_EQ(CentredPosition(kWork, kWork, 794, 625), (Point{563, 207}));  // 207.5
    const Rect shifted{60, 30, 1980, 1070};  // a taskbar on the left and top
    EXPECT_EQ(CentredPosition(shifted, shifted, 794, 625), (Point{623, 237}));
}

TEST(CentredPosition, WindowLargerThanTheWorkAreaStartsAtItsCorner) {
    EXPECT_EQ(CentredPosition(kWork, kWork, 2000, 1100), (Point{0, 0}));
    const Rect shifted{60, 30, 1000, 700};
    EXPECT_EQ(CentredPosition(shifted, shifted, 2000, 1100), (Point{60, 30}));
}

TEST(CentredPosition, CentresOverAReferenceButStaysInsideTheWorkArea) {
    EXPECT_EQ(CentredPosition({100, 100, 500, 400}, kWork, 200, 100), (Point{200, 200}));
    // Near the bottom-right corner the window is pulled back inside.
    EXPECT_EQ(CentredPosition({1800, 1000, 1900, 1040}, kWork, 400, 300), (Point{1520, 740}));
    // Near the top-left corner it is pushed in.
    EXPECT_EQ(CentredPosition({0, 0, 100, 50}, kWork, 400, 300), (Point{0, 0}));
}

TEST(CentredPosition, NegativeHalvesTruncateTowardZero) {
    const Rect wide{-1000, -1000, 1000, 1000};
    EXPECT_EQ(CentredPosition({0, 0, 100, 100}, wide, 101, 103), (Point{0, -1}));
}

}  // namespace
}  // namespace trelvane
