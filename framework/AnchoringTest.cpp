#include "Anchoring.h"

#include <gtest/gtest.h>

#include <vector>

#include "ControlRecord.h"
#include "TestWindows.h"

namespace trelvane {
namespace {

using test::ChildRect;

const Rect kControl{60, 40, 160, 70};
const Rect kScaledAt900{90, 60, 240, 105};

// A borderless form whose client area is 600 x 400 at first.
class AnchoringTest : public testing::Test {
protected:
    void SetUp() override { form_ = test::MakeTestForm(600, 400); }

    HWND Anchored(std::string_view anchor, const Rect& rect = kControl, HWND parent = nullptr) {
        const HWND control =
            test::MakeChild(parent ? parent : form_.get(), L"STATIC", rect.left, rect.top, rect.Width(), rect.Height());
        SetupControl(control, {.subclass = true, .newProc = ControlProc, .anchorSpec = anchor});
        return control;
    }

    void Resize(int width, int height) const {
        SetWindowPos(form_.get(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    UniqueWindow form_;
};

TEST_F(AnchoringTest, ControlsFollowTheirEdgeCodesContainersTheirOwnMinimisingMovesNothingAndNothingDrifts) {
    // The edge arithmetic itself is AnchoredPlacement's (AnchorSpecTest.cpp).
    const std::pair<const char*, Rect> cases[] = {
        {"S,S,S,S", kScaledAt900}, {"FR,FT,FR,FT", {360, 40, 460, 70}}, {"S,S,S", kControl},  // too short: left alone
    };
    std::vector<HWND> controls;
    for (const auto& entry : cases) controls.push_back(Anchored(entry.first));
    const HWND bare = test::MakeChild(form_.get(), L"STATIC", 60, 40, 100, 30);
    const HWND container = Anchored("S,S,S,S", {0, 0, 300, 200});
    const HWND inner = Anchored("FL,FT,FR,FB", {10, 10, 110, 40}, container);
    const Rect odd{61, 43, 167, 71};
    const HWND oddScaled = Anchored("S,S,S,S", odd);
    const HWND oddCentred = Anchored("F50,F33,F50,F67", odd);
    // The first WM_SIZE after the controls were set up captures them.
    SendMessageW(form_.get(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(600, 400));
    EXPECT_EQ(ChildRect(controls[0]), kControl) << "the first size puts everything where it is";

    Resize(900, 600);
    for (std::size_t i = 0; i < controls.size(); ++i) EXPECT_EQ(ChildRect(controls[i]), cases[i].second) << i;
    EXPECT_EQ(ChildRect(bare), kControl);
    EXPECT_EQ(ChildRect(container), (Rect{0, 0, 450, 300}));
    EXPECT_EQ(ChildRect(inner), (Rect{10, 10, 260, 140}));

    // Minimising moves nothing; restoring lays out again.
    ShowWindow(form_.get(), SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(form_.get()));
    EXPECT_EQ(ChildRect(controls[0]), kScaledAt900);
    SetWindowPos(controls[0], nullptr, 1, 2, 3, 4, SWP_NOZORDER);  // disturbed while minimised
    ShowWindow(form_.get(), SW_SHOWNOACTIVATE);
    EXPECT_EQ(ChildRect(controls[0]), kScaledAt900);

    for (const auto& [width, height] : {std::pair{601, 399}, {1234, 987}, {123, 77}, {599, 401}, {600, 400}}) {
        Resize(width, height);
    }
    EXPECT_EQ(ChildRect(oddScaled), odd);
    EXPECT_EQ(ChildRect(oddCentred), odd);
}

TEST_F(AnchoringTest, LayoutCapturedWhileTheClientAreaWasEmptyLeavesScaledControlsInPlace) {
    const HWND scaled = Anchored("S,S,S,S");
    const HWND right = Anchored("FR,FT,FR,FT");
    ShowWindow(form_.get(), SW_SHOWMINNOACTIVE);  // the first WM_SIZE captures an empty client area
    ASSERT_EQ(RecordOf(scaled)->layout_captured, 1);
    ASSERT_EQ(RecordOf(scaled)->parent_rect0.right, 0);
    ShowWindow(form_.get(), SW_SHOWNOACTIVATE);
    Resize(900, 600);
    EXPECT_EQ(ChildRect(scaled), kControl);
    EXPECT_EQ(ChildRect(right), (Rect{960, 40, 1060, 70}));
}

}  // namespace
}  // namespace trelvane
