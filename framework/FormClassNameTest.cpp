#include "FormClassName.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

TEST(FormClassName, AppendsAColonAndTheRunningNumber) {
    EXPECT_EQ(FormClassName("FORM_X", 0), "FORM_X:0");
    EXPECT_EQ(FormClassName("FORM_X", 1), "FORM_X:1");
    EXPECT_EQ(FormClassName("FORM_KOV_TRELVANE_FORM1_CLASS", 12), "FORM_KOV_TRELVANE_FORM1_CLASS:12");
}

TEST(FormClassName, EmptyNameUsesTheDefaultBase) { EXPECT_EQ(FormClassName("", 3), "ZQWindowClass:3"); }

TEST(FormClassName, LongNamesAreCutButKeepTheirNumber) {
    const std::string base(300, 'A');
    const std::string name = FormClassName(base, 42);
    EXPECT_EQ(name.size(), kMaxClassNameLength);
    EXPECT_EQ(name.substr(name.size() - 3), ":42");
    EXPECT_NE(FormClassName(base, 42), FormClassName(base, 43));
}

TEST(IsFormClassName, NeedsTheExactPrefix) {
    EXPECT_TRUE(IsFormClassName("FORM_X:0"));
    EXPECT_TRUE(IsFormClassName("FORM_"));
    EXPECT_FALSE(IsFormClassName("Form_X:0"));
    EXPECT_FALSE(IsFormClassName("FORM"));
    EXPECT_FALSE(IsFormClassName("ZQWindowClass:0"));
}

}  // namespace
}  // namespace trelvane
