#include "ListLine.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

// FormatListLine is held by the comparison's and the command line's whole-line checks.
TEST(CountText, IsOneBlankThenTheDigits) {
    EXPECT_EQ(CountText(0), " 0");
    EXPECT_EQ(CountText(40000), " 40000");
}

}  // namespace
}  // namespace trelvane
