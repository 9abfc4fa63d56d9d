#include <gtest/gtest.h>

#include <string>

#include "CWindow.h"

namespace trelvane {
namespace {

// Runs in a process of its own, so the first class registered is number 0.
TEST(FormClassNumbering, CountsEveryFormClassFromZero) {
    const CWindowRef first = CWindow::Create();
    first->SetClassName("FORM_X");
    EXPECT_EQ(first->ClassName(), "FORM_X");
    ASSERT_TRUE(first->CreateForm(nullptr, "First", 0, 0, 200, 100, 0, 0, nullptr, false));
    EXPECT_EQ(first->ClassName(), "FORM_X:0");

    const CWindowRef second = CWindow::Create();
    second->SetClassName("FORM_X");
    ASSERT_TRUE(second->CreateForm(nullptr, "Second", 0, 0, 200, 100, 0, 0, nullptr, false));
    EXPECT_EQ(second->ClassName(), "FORM_X:1");

    // Each form's class carries its own object.
    EXPECT_EQ(ObjectOfWindow(first->GetHandle()).get(), first.get());
    EXPECT_EQ(ObjectOfWindow(second->GetHandle()).get(), second.get());

    const CWindowRef unnamed = CWindow::Create();
    ASSERT_TRUE(unnamed->CreateForm(nullptr, "Unnamed", 0, 0, 200, 100, 0, 0, nullptr, false));
    EXPECT_EQ(unnamed->ClassName(), "ZQWindowClass:2");

    for (const CWindowRef& form : {first, second, unnamed}) DestroyWindow(form->GetHandle());
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

}  // namespace
}  // namespace trelvane
