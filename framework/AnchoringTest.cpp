#include "Anchoring.h"

#include <gtest/gtest.h>

#include "ControlRecord.h"
#include "TestWindows.h"

namespace trelvane {
namespace {

using test::ChildRect;

// A borderless form whose client area is 600 x 400 at first.
class AnchoringTest : public testing::Test {
protected:
    void SetUp() override { form_ = test::MakeTestForm(600, 400); }

    HWND Form() const { return form_.get(); }

    // A control of parent at rect, set up with anchor.
    HWND Anchored(std::string_view anchor, const Rect& rect, HWND parent = nullptr) {
        const HWND control = test::MakeChild(parent ? parent : Form(), "STATIC", rect.left, rect.top, rect.Width(),
                                             rect.Height());
        SetupControl(control, {.subclass = true, .newProc = ControlProc, .anchorSpec = anchor});
        return control;
    }

    // The form's first WM_SIZE after its controls were set up: it captures them.
    void FirstSize() const {
        RECT client{};
        GetClientRect(Form(), &client);
        SendMessageA(Form(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    }

    void Resize(int width, int height) const {
        SetWindowPos(Form(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    UniqueWindow form_;
};

const Rect kControl{60, 40, 160, 70};

TEST_F(AnchoringTest, EdgeCodesMoveControlsWithTheForm) {
    const HWND scaled = Anchored("S,S,S,S", kControl);
    const HWND lower = Anchored("s,s,s,s", kControl);
    const HWND stretched = Anchored("FL,FT,FR,FB", kControl);
    const HWND right = Anchored("FR,FT,FR,FT", kControl);
    const HWND centred = Anchored("F50,FT,F50,FT", kControl);
    FirstSize();
    EXPECT_EQ(ChildRect(scaled), kControl) << "the first size puts everything where it is";

    Resize(900, 600);
    EXPECT_EQ(ChildRect(scaled), (Rect{90, 60, 240, 105}));
    EXPECT_EQ(ChildRect(lower), (Rect{90, 60, 240, 105}));
    EXPECT_EQ(ChildRect(stretched), (Rect{60, 40, 460, 270}));
    EXPECT_EQ(ChildRect(right), (Rect{360, 40, 460, 70}));
    EXPECT_EQ(ChildRect(centred), (Rect{210, 40, 310, 70}));
}

TEST_F(AnchoringTest, ShortOrUnknownSpecificationsFollowTheirRule) {
    const HWND tooShort = Anchored("S,S,S", kControl);
    const HWND zeroBottom = Anchored("S,S,S,X", kControl);
    const HWND bare = test::MakeChild(Form(), "STATIC", 60, 40, 100, 30);
    FirstSize();
    Resize(900, 600);
    EXPECT_EQ(ChildRect(tooShort), kControl);
    EXPECT_EQ(ChildRect(bare), kControl);
    // The bottom edge goes to 0: a negative height, which Windows makes empty.
    EXPECT_EQ(ChildRect(zeroBottom), (Rect{90, 60, 240, 60}));
}

TEST_F(AnchoringTest, PositionsRoundHalvesToEven) {
    const HWND five = Anchored("S,S,S,S", {0, 5, 10, 15});
    const HWND thirteen = Anchored("S,S,S,S", {20, 13, 30, 23});
    FirstSize();
    Resize(600, 600);
    EXPECT_EQ(ChildRect(five).top, 8);  // 7.5
    EXPECT_EQ(ChildRect(five).Height(), 15);
    Resize(600, 200);
    EXPECT_EQ(ChildRect(thirteen).top, 6);  // 6.5
}

TEST_F(AnchoringTest, RepeatedResizingDoesNotDrift) {
    const HWND scaled = Anchored("S,S,S,S", {61, 43, 167, 71});
    const HWND centred = Anchored("F50,F33,F50,F67", {61, 43, 167, 71});
    FirstSize();
    Resize(900, 600);
    const Rect scaledAt900 = ChildRect(scaled);
    const Rect centredAt900 = ChildRect(centred);

    for (const auto& [width, height] : {std::pair{601, 399}, {777, 333}, {1234, 987}, {300, 200}, {950, 650},
                                        std::pair{599, 401}, {123, 77}}) {
        Resize(width, height);
    }
    Resize(900, 600);
    EXPECT_EQ(ChildRect(scaled), scaledAt900);
    EXPECT_EQ(ChildRect(centred), centredAt900);
    Resize(600, 400);
    EXPECT_EQ(ChildRect(scaled), (Rect{61, 43, 167, 71}));
    EXPECT_EQ(ChildRect(centred), (Rect{61, 43, 167, 71}));
}

TEST_F(AnchoringTest, MinimisingMovesNothingAndRestoringLaysOutAgain) {
    const HWND scaled = Anchored("S,S,S,S", kControl);
    FirstSize();
    Resize(900, 600);
    ShowWindow(Form(), SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(Form()));
    EXPECT_EQ(ChildRect(scaled), (Rect{90, 60, 240, 105}));

    SetWindowPos(scaled, nullptr, 1, 2, 3, 4, SWP_NOZORDER);  // disturbed while minimised
    ShowWindow(Form(), SW_SHOWNOACTIVATE);  // restores without activating
    ASSERT_FALSE(IsIconic(Form()));
    EXPECT_EQ(ChildRect(scaled), (Rect{90, 60, 240, 105}));
}

TEST_F(AnchoringTest, LayoutFirstCapturedWhileMinimisedLeavesScaledControlsInPlace) {
    // The first WM_SIZE is the minimising one: the client area is empty then,
    // and there is nothing to scale from.
    const HWND scaled = Anchored("S,S,S,S", kControl);
    ShowWindow(Form(), SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(Form()));
    ASSERT_EQ(RecordOf(scaled)->layout_captured, 1);
    EXPECT_EQ(RecordOf(scaled)->parent_rect0.right, 0);
    ShowWindow(Form(), SW_SHOWNOACTIVATE);  // restores without activating
    Resize(900, 600);
    EXPECT_EQ(ChildRect(scaled), kControl);
}

TEST_F(AnchoringTest, ControlInAContainerFollowsTheContainer) {
    const HWND container = Anchored("S,S,S,S", {0, 0, 300, 200});
    const HWND inner = Anchored("FL,FT,FR,FB", {10, 10, 110, 40}, container);
    FirstSize();
    Resize(900, 600);
    EXPECT_EQ(ChildRect(container), (Rect{0, 0, 450, 300}));
    EXPECT_EQ(ChildRect(inner), (Rect{10, 10, 260, 140}));
}

}  // namespace
}  // namespace trelvane
