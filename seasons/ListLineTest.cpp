#include "ListLine.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

TEST(ListLine, FiveDigitsTwoBlanksTheNameInTwentyTwoColumnsCutIfLongerThenTheTeam) {
    EXPECT_EQ(FormatListLine(12345, "Doe,Jan", "Northport Gulls"), "12345  Doe,Jan               Northport Gulls");
    EXPECT_EQ(FormatListLine(12345, "Doe,Jan"), "12345  Doe,Jan               ");
    EXPECT_EQ(FormatListLine(50000, ",", " "), "50000  ,                      ");
    EXPECT_EQ(FormatListLine(10001, "Abcdefghijklmnopqrstuv", "T U"),
              "10001  Abcdefghijklmnopqrstuv"
              "T U");
    EXPECT_EQ(FormatListLine(10001, "Vanderhoeven-Castellano,Jan", "T U"),
              "10001  Vanderhoeven-Castellan"
              "T U");
}

TEST(CountText, IsOneBlankThenTheDigits) {
    EXPECT_EQ(CountText(0), " 0");
    EXPECT_EQ(CountText(40000), " 40000");
}

}  // namespace
}  // namespace trelvane
