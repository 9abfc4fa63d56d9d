#include "MessageLoop.h"

#include <gtest/gtest.h>

#include "AppState.h"
#include "TestWindows.h"
#include "WinHandles.h"

namespace trelvane {

AppState gApp;  // the program's own is in Main.cpp

namespace {

// A run's form, its owner and how the run is to end; what the owner was
// like while the form ran.
struct ModalRun {
    HWND form;
    HWND owner;
    void (*end)(HWND form);
    bool ownerEnabledInside = true;
};
ModalRun* gRun = nullptr;

void CALLBACK EndTheRun(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    gRun->ownerEnabledInside = IsWindowEnabled(gRun->owner) != FALSE;
    gRun->end(gRun->form);
}

TEST(RunForm, AModalRunDisablesItsOwnerAndEnablesItAgainHoweverItEndsAndAModelessOneReturnsAtOnce) {
    const UniqueWindow owner = test::MakeTestForm(50, 50);
    const std::pair<const char*, void (*)(HWND)> waysOut[] = {
        // The loop sees the form gone at the next message.
        {"the form is destroyed",
         [](HWND form) {
             DestroyWindow(form);
             PostMessageW(nullptr, WM_NULL, 0, 0);
         }},
        {"the loop is told to quit", [](HWND) { PostQuitMessage(0); }},
    };
    for (const auto& [name, end] : waysOut) {
        const UniqueWindow form = test::MakeTestForm(100, 100);
        ModalRun run{form.get(), owner.get(), end};
        gRun = &run;
        gApp.formResult = 7;
        SetTimer(nullptr, 0, 10, EndTheRun);
        EXPECT_EQ(RunForm(form.get(), {.owner = owner.get(), .showCommand = SW_SHOWNOACTIVATE}), 7) << name;
        EXPECT_FALSE(run.ownerEnabledInside) << name;
        EXPECT_TRUE(IsWindowEnabled(owner.get())) << name;
        EXPECT_EQ(gApp.formResult, 0) << name;
    }

    // A modeless run shows the form and returns it at once.
    ShowWindow(owner.get(), SW_HIDE);
    EXPECT_EQ(RunForm(owner.get(), {.modality = Modality::kModeless, .showCommand = SW_SHOWNOACTIVATE}),
              reinterpret_cast<std::intptr_t>(owner.get()));
    EXPECT_TRUE(IsWindowVisible(owner.get()));
    EXPECT_EQ(RunForm(nullptr, {}), 0) << "no form, no record";
}

}  // namespace
}  // namespace trelvane
