#include "SpecFields.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

using Fields = std::vector<std::string>;

TEST(SplitSpecFields, TrimsSpacesAndUnquotesFields) {
    EXPECT_EQ(SplitSpecFields("  Segoe UI , 12 ,1 "), (Fields{"Segoe UI", "12", "1"}));
    EXPECT_EQ(SplitSpecFields("\tTahoma\t,10"), (Fields{"\tTahoma\t", "10"}));  // tabs stay
    EXPECT_EQ(SplitSpecFields("  \" Face, Bold \" ignored ,5"), (Fields{" Face, Bold ", "5"}));
    EXPECT_EQ(SplitSpecFields("10,\"open to the end, still"), (Fields{"10", "open to the end, still"}));
    EXPECT_EQ(SplitSpecFields("Tahoma,"), (Fields{"Tahoma", ""}));
}

TEST(NumericValue, TakesTheLongestNumericPrefixAfterBlanksOrZero) {
    for (const auto& [text, value] : {std::pair{" \t\r\n12.5pt", 12.5},
                                      {"-16", -16.0},
                                      {"+3", 3.0},
                                      {".5", 0.5},
                                      {"1e2", 100.0},
                                      {"1e+2", 100.0},
                                      {"25E-1", 2.5},
                                      {"1e", 1.0},
                                      {"", 0.0},
                                      {"- 5", 0.0},
                                      {".", 0.0}}) {
        EXPECT_DOUBLE_EQ(NumericValue(text), value) << text;
    }
}

}  // namespace
}  // namespace trelvane
