#include "Centring.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

TEST(CentredPosition, CentresWithHalvesTruncatedAndStaysInsideTheWorkArea) {
    const Rect work{0, 0, 1920, 1040};
    EXPECT_EQ(CentredPosition(work, work, 794, 625), (Point{563, 207}));  // 207.5
    EXPECT_EQ(CentredPosition({60, 30, 1000, 700}, {60, 30, 1000, 700}, 2000, 1100), (Point{60, 30}));
    EXPECT_EQ(CentredPosition({1800, 1000, 1900, 1040}, work, 400, 300), (Point{1520, 740}));  // pulled back
    EXPECT_EQ(CentredPosition({0, 0, 100, 100}, {-1000, -1000, 1000, 1000}, 101, 103), (Point{0, -1}));
}

}  // namespace
}  // namespace trelvane
