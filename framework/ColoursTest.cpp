#include "Colours.h"

#include <gtest/gtest.h>

#include "ControlRecord.h"
#include "TestWindows.h"

namespace trelvane {
namespace {

using test::MakeChild;

ControlSetup SystemColours() {
    return {.subclass = true,
            .coloursOn = true,
            .textIsSys = true,
            .backIsSys = true,
            .textColour = COLOR_WINDOWTEXT,
            .backColour = COLOR_WINDOW,
            .newProc = ControlProc,
            .anchorSpec = "S,S,S,S"};
}

// A device context of the control with colours that no rule would choose
// and the background mode the rule should change, so that everything read
// back was set by the rule.
class PaintedDc {
public:
    PaintedDc(HWND control, int startMode) : control_(control), dc_(GetDC(control)) {
        SetTextColor(dc_, RGB(1, 1, 1));
        SetBkColor(dc_, RGB(2, 2, 2));
        SetBkMode(dc_, startMode);
    }
    ~PaintedDc() { ReleaseDC(control_, dc_); }
    PaintedDc(const PaintedDc&) = delete;
    PaintedDc& operator=(const PaintedDc&) = delete;

    HDC get() const { return dc_; }
    COLORREF Text() const { return GetTextColor(dc_); }
    COLORREF Back() const { return GetBkColor(dc_); }
    int Mode() const { return GetBkMode(dc_); }

private:
    HWND control_;  // borrowed
    HDC dc_;
};

// Asks the test form for the colours of control, as the control itself does.
HBRUSH AskForm(HWND form, UINT message, HDC dc, HWND control) {
    return reinterpret_cast<HBRUSH>(
        SendMessageA(form, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
}

class ColoursTest : public testing::Test {
protected:
    void SetUp() override { form_ = test::MakeTestForm(400, 300); }
    HWND Form() const { return form_.get(); }
    UniqueWindow form_;
};

TEST_F(ColoursTest, EnabledEditBoxPaintsOpaqueInTheRecordsColours) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    SetupControl(edit, SystemColours());
    const PaintedDc dc(edit, TRANSPARENT);
    EXPECT_EQ(AskForm(Form(), WM_CTLCOLOREDIT, dc.get(), edit), GetSysColorBrush(COLOR_WINDOW));
    EXPECT_EQ(dc.Text(), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(dc.Back(), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(dc.Mode(), OPAQUE);
}

TEST_F(ColoursTest, DisabledEditBoxPaintsOpaqueInButtonFace) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20, WS_VISIBLE | WS_DISABLED);
    SetupControl(edit, SystemColours());
    const PaintedDc dc(edit, TRANSPARENT);
    EXPECT_EQ(AskForm(Form(), WM_CTLCOLORSTATIC, dc.get(), edit), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(dc.Text(), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(dc.Back(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(dc.Mode(), OPAQUE);
}

TEST_F(ColoursTest, ListBoxPaintsTransparentInTheRecordsColours) {
    const HWND list = MakeChild(Form(), "LISTBOX", 10, 10, 100, 100);
    SetupControl(list, SystemColours());
    const PaintedDc dc(list, OPAQUE);
    EXPECT_EQ(AskForm(Form(), WM_CTLCOLORLISTBOX, dc.get(), list), GetSysColorBrush(COLOR_WINDOW));
    EXPECT_EQ(dc.Text(), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(dc.Back(), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(dc.Mode(), TRANSPARENT);
}

TEST_F(ColoursTest, RgbColoursAreUsedAsTheyAreWithABrushOfTheirOwn) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    ControlSetup setup = SystemColours();
    setup.textIsSys = false;
    setup.backIsSys = false;
    setup.textColour = RGB(200, 10, 10);
    setup.backColour = RGB(10, 200, 10);
    const ControlRecord* record = SetupControl(edit, std::move(setup));
    LOGBRUSH brush{};
    ASSERT_TRUE(GetObjectA(record->brush.get(), sizeof brush, &brush));
    EXPECT_EQ(brush.lbColor, RGB(10, 200, 10));

    const PaintedDc dc(edit, TRANSPARENT);
    EXPECT_EQ(ControlColours(dc.get(), edit), record->brush.get());
    EXPECT_EQ(dc.Text(), RGB(200, 10, 10));
    EXPECT_EQ(dc.Back(), RGB(10, 200, 10));
}

TEST_F(ColoursTest, ButtonWithoutColoursIsLeftToDefaultProcessing) {
    const HWND button = MakeChild(Form(), "BUTTON", 10, 10, 100, 20);
    SetupControl(button, {.subclass = true, .newProc = ControlProc, .anchorSpec = "S,S,S,S"});
    const PaintedDc dc(button, TRANSPARENT);
    EXPECT_EQ(ControlColours(dc.get(), button), std::nullopt);
    EXPECT_EQ(dc.Text(), RGB(1, 1, 1));
    EXPECT_EQ(dc.Back(), RGB(2, 2, 2));
    EXPECT_EQ(dc.Mode(), TRANSPARENT);
    // The form then answers what default processing answers.
    EXPECT_EQ(AskForm(Form(), WM_CTLCOLORBTN, dc.get(), button),
              reinterpret_cast<HBRUSH>(DefWindowProcA(Form(), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc.get()),
                                                      reinterpret_cast<LPARAM>(button))));
}

TEST_F(ColoursTest, ControlWithoutARecordBorrowsTheFocusedControls) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20, WS_VISIBLE | WS_TABSTOP);
    SetupControl(edit, SystemColours());
    const HWND bare = MakeChild(Form(), "LISTBOX", 10, 40, 100, 100);
    const PaintedDc dc(bare, TRANSPARENT);

    SetFocus(Form());
    EXPECT_EQ(ControlColours(dc.get(), bare), std::nullopt);

    SetFocus(edit);
    ASSERT_EQ(GetFocus(), edit);
    // The borrowed record is an edit box's, so the rule paints opaque.
    EXPECT_EQ(ControlColours(dc.get(), bare), GetSysColorBrush(COLOR_WINDOW));
    EXPECT_EQ(dc.Mode(), OPAQUE);
}

TEST_F(ColoursTest, RefreshTakesTheCurrentSystemBrushAndDeletesAnOwnOne) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    ControlSetup setup = SystemColours();
    setup.brush = UniqueBrush{CreateSolidBrush(RGB(9, 9, 9))};
    ControlRecord* record = SetupControl(edit, std::move(setup));
    const HBRUSH own = record->brush.get();
    ASSERT_NE(own, GetSysColorBrush(COLOR_WINDOW));

    EXPECT_TRUE(RefreshSysColors(edit, 0));
    EXPECT_EQ(record->brush.get(), GetSysColorBrush(COLOR_WINDOW));
    EXPECT_FALSE(test::IsGdiObject(own));

    // Records with RGB backgrounds or no colours keep what they have.
    const HWND rgb = MakeChild(Form(), "EDIT", 10, 40, 100, 20);
    ControlSetup rgbSetup = SystemColours();
    rgbSetup.backIsSys = false;
    rgbSetup.backColour = RGB(1, 2, 3);
    const ControlRecord* rgbRecord = SetupControl(rgb, std::move(rgbSetup));
    const HBRUSH rgbBrush = rgbRecord->brush.get();
    EXPECT_TRUE(RefreshSysColors(rgb, 0));
    EXPECT_EQ(rgbRecord->brush.get(), rgbBrush);
    EXPECT_TRUE(RefreshSysColors(Form(), 0));
    EXPECT_TRUE(RefreshSysColors(nullptr, 0));
}

// Changes system colours for one test and puts the old ones back.
class SystemColourChange {
public:
    SystemColourChange(COLORREF text, COLORREF back) {
        saved_[0] = GetSysColor(kElements[0]);
        saved_[1] = GetSysColor(kElements[1]);
        const COLORREF values[2] = {text, back};
        SetSysColors(2, kElements, values);
    }
    ~SystemColourChange() { SetSysColors(2, kElements, saved_); }
    SystemColourChange(const SystemColourChange&) = delete;
    SystemColourChange& operator=(const SystemColourChange&) = delete;

private:
    static constexpr INT kElements[2] = {COLOR_WINDOWTEXT, COLOR_WINDOW};
    COLORREF saved_[2] = {};
};

TEST_F(ColoursTest, AfterASystemColourChangeTheEditBoxUsesTheNewColours) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    const ControlRecord* record = SetupControl(edit, SystemColours());
    {
        const SystemColourChange change(RGB(12, 34, 56), RGB(250, 240, 230));
        test::PumpMessages();
        EXPECT_EQ(record->brush.get(), GetSysColorBrush(COLOR_WINDOW));
        const PaintedDc dc(edit, TRANSPARENT);
        EXPECT_EQ(AskForm(Form(), WM_CTLCOLOREDIT, dc.get(), edit), GetSysColorBrush(COLOR_WINDOW));
        EXPECT_EQ(dc.Text(), RGB(12, 34, 56));
        EXPECT_EQ(dc.Back(), RGB(250, 240, 230));
    }
    test::PumpMessages();
}

}  // namespace
}  // namespace trelvane
