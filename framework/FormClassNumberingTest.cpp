#include <gtest/gtest.h>

#include "CWindow.h"

namespace trelvane {
namespace {

// Runs in a process of its own, so the first class registered is number 0.
TEST(FormClassNumbering, CountsEveryFormClassFromZero) {
    const std::pair<const char*, const char*> forms[] = {
        {"FORM_X", "FORM_X:0"}, {"FORM_X", "FORM_X:1"}, {"", "ZQWindowClass:2"}};
    std::vector<CWindowRef> made;
    for (const auto& [base, registered] : forms) {
        const CWindowRef& form = made.emplace_back(CWindow::Create());
        if (*base) form->SetClassName(base);
        ASSERT_TRUE(form->CreateForm({.caption = "Form", .at = {.width = 200, .height = 100}}));
        EXPECT_EQ(form->ClassName(), registered);
        EXPECT_EQ(ObjectOfWindow(form->GetHandle()).get(), form.get()) << "each class carries its own object";
    }
    for (const CWindowRef& form : made) DestroyWindow(form->GetHandle());
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

}  // namespace
}  // namespace trelvane
