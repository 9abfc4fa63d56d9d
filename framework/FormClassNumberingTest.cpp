#include <gtest/gtest.h>

#include <tuple>

#include "CWindow.h"
#include "FormClassName.h"
#include "TestWindows.h"

namespace trelvane {
namespace {

// Runs in a process of its own, so the first class registered is number 0.
// A base too long for the limit is cut so that the number survives; only
// names that start with "FORM_", in that case, are forms'.
TEST(FormClassNumbering, CountsEveryFormClassFromZeroAndKeepsTheNumberWithinTheLimit) {
    const std::string longBase(300, 'A');
    const std::string cut = std::string(longBase).replace(kMaxClassNameLength - 2, std::string::npos, ":3");
    const std::tuple<std::string_view, std::string_view, bool> forms[] = {
        {"FORM_X", "FORM_X:0", true}, {"FORM_X", "FORM_X:1", true},  {"", "ZQWindowClass:2", false},
        {longBase, cut, false},       {"Form_X", "Form_X:4", false},
    };
    std::vector<CWindowRef> made;
    for (const auto& [base, registered, isForm] : forms) {
        const CWindowRef& form = made.emplace_back(CWindow::Create());
        if (!base.empty()) form->SetClassName(base);
        ASSERT_TRUE(form->CreateForm({.caption = "Form", .at = {.width = 200, .height = 100}}));
        EXPECT_EQ(form->ClassName(), registered);
        EXPECT_EQ(IsFormClassName(form->ClassName()), isForm) << registered;
        EXPECT_EQ(ObjectOfWindow(form->GetHandle()).get(), form.get()) << "each class carries its own object";
    }
    for (const CWindowRef& form : made) DestroyWindow(form->GetHandle());
    test::PumpMessages();
}

}  // namespace
}  // namespace trelvane
