#include "FormClassName.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

TEST(FormClassName, IsTheBaseAColonAndTheNumberWithinTheLimit) {
    const std::string cut = FormClassName(std::string(300, 'A'), 42);
    EXPECT_EQ(cut.size(), kMaxClassNameLength);
    EXPECT_TRUE(cut.ends_with("A:42"));
    EXPECT_TRUE(IsFormClassName("FORM_X:0"));
    EXPECT_FALSE(IsFormClassName("Form_X:0"));
}

}  // namespace
}  // namespace trelvane
