#include "Colours.h"

#include <gtest/gtest.h>

#include "ControlRecord.h"
#include "TestWindows.h"

namespace trelvane {
namespace {

using test::EditSetup;

// The brush the test form answers to a colour message, and the text colour,
// background colour and mode it leaves in a context that starts with values
// no rule chooses.
struct Answer {
    HBRUSH brush;
    COLORREF text, back;
    int mode;
};

Answer Ask(HWND control, UINT message, int startMode = TRANSPARENT) {
    const HDC dc = GetDC(control);
    SetTextColor(dc, RGB(1, 1, 1));
    SetBkColor(dc, RGB(2, 2, 2));
    SetBkMode(dc, startMode);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(control), message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    const Answer answer{brush, GetTextColor(dc), GetBkColor(dc), GetBkMode(dc)};
    ReleaseDC(control, dc);
    return answer;
}

class ColoursTest : public testing::Test {
protected:
    void SetUp() override { form_ = test::MakeTestForm(400, 300); }
    HWND Child(const wchar_t* className) { return test::MakeChild(form_.get(), className, 10, 10, 100, 60); }
    UniqueWindow form_;
};

TEST_F(ColoursTest, EachControlGetsItsColoursAndASystemColourChangeGivesTheCurrentBrushButRgbColoursKeepTheirs) {
    struct Case {
        const wchar_t* className;
        bool enabled;
        UINT message;
        int startMode, background, mode;
    };
    for (const Case& c : {Case{L"EDIT", true, WM_CTLCOLOREDIT, TRANSPARENT, COLOR_WINDOW, OPAQUE},
                          Case{L"EDIT", false, WM_CTLCOLORSTATIC, TRANSPARENT, COLOR_BTNFACE, OPAQUE},
                          Case{L"LISTBOX", true, WM_CTLCOLORLISTBOX, OPAQUE, COLOR_WINDOW, TRANSPARENT}}) {
        const HWND control = Child(c.className);
        SetupControl(control, EditSetup());
        EnableWindow(control, c.enabled);
        const Answer answer = Ask(control, c.message, c.startMode);
        EXPECT_EQ(answer.brush, GetSysColorBrush(c.background)) << c.className << c.enabled;
        EXPECT_EQ(answer.text, GetSysColor(COLOR_WINDOWTEXT)) << c.className << c.enabled;
        EXPECT_EQ(answer.back, GetSysColor(c.background)) << c.className << c.enabled;
        EXPECT_EQ(answer.mode, c.mode) << c.className << c.enabled;
    }

    // Controls without colours are left to default processing.
    const HWND button = Child(L"BUTTON");
    SetupControl(button, {.subclass = true, .newProc = ControlProc});
    const HDC dc = GetDC(button);
    SetTextColor(dc, RGB(1, 1, 1));
    EXPECT_EQ(ControlColours(dc, button), std::nullopt);
    EXPECT_EQ(GetTextColor(dc), RGB(1, 1, 1));
    ReleaseDC(button, dc);

    // A change of the system's colours gives the current brush and deletes an
    // own one; RGB colours come with a brush of their own, which it leaves alone.
    const HWND edit = Child(L"EDIT"), rgbEdit = Child(L"EDIT");
    ControlSetup setup = EditSetup();
    setup.brush = UniqueBrush{CreateSolidBrush(RGB(9, 9, 9))};
    const HBRUSH own = SetupControl(edit, std::move(setup))->brush.get();
    ControlSetup rgb = EditSetup();
    rgb.textIsSys = rgb.backIsSys = false;
    rgb.textColour = RGB(200, 10, 10);
    rgb.backColour = RGB(10, 200, 10);
    const HBRUSH rgbOwn = SetupControl(rgbEdit, std::move(rgb))->brush.get();
    const INT elements[2] = {COLOR_WINDOWTEXT, COLOR_WINDOW};
    const COLORREF saved[2] = {GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)};
    const COLORREF changed[2] = {RGB(12, 34, 56), RGB(250, 240, 230)};
    SetSysColors(2, elements, changed);  // the form passes WM_SYSCOLORCHANGE to RefreshSysColors
    test::PumpMessages();
    const Answer answer = Ask(edit, WM_CTLCOLOREDIT), rgbAnswer = Ask(rgbEdit, WM_CTLCOLOREDIT);
    const HBRUSH current = GetSysColorBrush(COLOR_WINDOW);
    SetSysColors(2, elements, saved);
    test::PumpMessages();
    EXPECT_FALSE(test::IsGdiObject(own));
    EXPECT_EQ(answer.brush, current);
    EXPECT_EQ(answer.text, RGB(12, 34, 56));
    EXPECT_EQ(answer.back, RGB(250, 240, 230));
    EXPECT_EQ(rgbAnswer.brush, rgbOwn);
    EXPECT_EQ(rgbAnswer.text, RGB(200, 10, 10));
    EXPECT_EQ(rgbAnswer.back, RGB(10, 200, 10));
}

}  // namespace
}  // namespace trelvane
