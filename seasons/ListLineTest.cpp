#include "ListLine.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

TEST(ListLine, PadsNameToTwentyTwoColumnsAndPutsTheTeamAtColumnThirty) {
    EXPECT_EQ(FormatListLine(12345, "Doe,Jan", "Northport Gulls"),
              "12345  Doe,Jan               Northport Gulls");
    EXPECT_EQ(FormatListLine(12345, "Doe,Jan"), "12345  Doe,Jan               ");
    EXPECT_EQ(FormatListLine(12345, "Doe,Jan").size(), 29u);
}

TEST(ListLine, NameOfExactlyTwentyTwoTouchesTheTeamAndLongerIsCut) {
    EXPECT_EQ(FormatListLine(10001, "Abcdefghijklmnopqrstuv", "T U"), "10001  Abcdefghijklmnopqrstuv" "T U");
    EXPECT_EQ(FormatListLine(10001, "Vanderhoeven-Castellano,Jan", "T U"),
              "10001  Vanderhoeven-Castellan" "T U");
}

TEST(ListLine, IdentifiersKeepFiveDigitsAndTwoBlanks) {
    EXPECT_EQ(FormatListLine(10001, ",").substr(0, 8), "10001  ,");
    EXPECT_EQ(FormatListLine(50000, ",").substr(0, 8), "50000  ,");
}

TEST(ListLine, EmptyTeamLeavesTheNameFieldsTrailingBlanks) {
    EXPECT_EQ(FormatListLine(20000, ",", ""), "20000  ,                     ");
    EXPECT_EQ(FormatListLine(20000, ",", " "), "20000  ,                      ");
}

TEST(CountText, IsOneBlankThenTheDigits) {
    EXPECT_EQ(CountText(0), " 0");
    EXPECT_EQ(CountText(7), " 7");
    EXPECT_EQ(CountText(40000), " 40000");
}

}  // namespace
}  // namespace trelvane
