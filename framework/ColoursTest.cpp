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
            .newProc = ControlProc};
}

// What the test form answers to a colour message for control, and the text
// colour, background colour and background mode it left in the device
// context. The context starts with values no rule chooses and the mode the
// rule should change.
struct Answer {
    HBRUSH brush;
    COLORREF text;
    COLORREF back;
    int mode;
};

Answer Ask(HWND form, UINT message, HWND control, int startMode) {
    const HDC dc = GetDC(control);
    SetTextColor(dc, RGB(1, 1, 1));
    SetBkColor(dc, RGB(2, 2, 2));
    SetBkMode(dc, startMode);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(form, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    const Answer answer{brush, GetTextColor(dc), GetBkColor(dc), GetBkMode(dc)};
    ReleaseDC(control, dc);
    return answer;
}

class ColoursTest : public testing::Test {
protected:
    void SetUp() override { form_ = test::MakeTestForm(400, 300); }
    HWND Form() const { return form_.get(); }
    UniqueWindow form_;
};

TEST_F(ColoursTest, EditBoxesPaintOpaqueAndDisabledOnesInButtonFace) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    SetupControl(edit, SystemColours());
    const Answer enabled = Ask(Form(), WM_CTLCOLOREDIT, edit, TRANSPARENT);
    EXPECT_EQ(enabled.brush, GetSysColorBrush(COLOR_WINDOW));
    EXPECT_EQ(enabled.text, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(enabled.back, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(enabled.mode, OPAQUE);

    EnableWindow(edit, FALSE);
    const Answer disabled = Ask(Form(), WM_CTLCOLORSTATIC, edit, TRANSPARENT);
    EXPECT_EQ(disabled.brush, GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(disabled.text, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(disabled.back, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(disabled.mode, OPAQUE);
}

TEST_F(ColoursTest, ListBoxPaintsTransparentInTheRecordsColours) {
    const HWND list = MakeChild(Form(), "LISTBOX", 10, 10, 100, 100);
    SetupControl(list, SystemColours());
    const Answer answer = Ask(Form(), WM_CTLCOLORLISTBOX, list, OPAQUE);
    EXPECT_EQ(answer.brush, GetSysColorBrush(COLOR_WINDOW));
    EXPECT_EQ(answer.text, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(answer.back, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(answer.mode, TRANSPARENT);
}

TEST_F(ColoursTest, RgbColoursComeWithASolidBrushOfTheirOwn) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    ControlSetup setup = SystemColours();
    setup.textIsSys = setup.backIsSys = false;
    setup.textColour = RGB(200, 10, 10);
    setup.backColour = RGB(10, 200, 10);
    const ControlRecord* record = SetupControl(edit, std::move(setup));
    LOGBRUSH brush{};
    ASSERT_TRUE(GetObjectA(record->brush.get(), sizeof brush, &brush));
    EXPECT_EQ(brush.lbColor, RGB(10, 200, 10));
    const Answer answer = Ask(Form(), WM_CTLCOLOREDIT, edit, TRANSPARENT);
    EXPECT_EQ(answer.brush, record->brush.get());
    EXPECT_EQ(answer.text, RGB(200, 10, 10));
    EXPECT_EQ(answer.back, RGB(10, 200, 10));
}

TEST_F(ColoursTest, ButtonsAreLeftToDefaultProcessing) {
    const HWND button = MakeChild(Form(), "BUTTON", 10, 10, 100, 20);
    SetupControl(button, {.subclass = true, .newProc = ControlProc});
    const HDC dc = GetDC(button);
    SetTextColor(dc, RGB(1, 1, 1));
    EXPECT_EQ(ControlColours(dc, button), std::nullopt);
    EXPECT_EQ(GetTextColor(dc), RGB(1, 1, 1));
    const auto byDefault = reinterpret_cast<HBRUSH>(
        DefWindowProcA(Form(), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(button)));
    ReleaseDC(button, dc);
    EXPECT_EQ(Ask(Form(), WM_CTLCOLORBTN, button, TRANSPARENT).brush, byDefault);
}

TEST_F(ColoursTest, RefreshTakesTheCurrentSystemBrushAndDeletesAnOwnOne) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    ControlSetup setup = SystemColours();
    setup.brush = UniqueBrush{CreateSolidBrush(RGB(9, 9, 9))};
    ControlRecord* record = SetupControl(edit, std::move(setup));
    const HBRUSH own = record->brush.get();
    EXPECT_TRUE(RefreshSysColors(edit, 0));
    EXPECT_EQ(record->brush.get(), GetSysColorBrush(COLOR_WINDOW));
    EXPECT_FALSE(test::IsGdiObject(own));

    const HWND rgb = MakeChild(Form(), "EDIT", 10, 40, 100, 20);
    ControlSetup rgbSetup = SystemColours();
    rgbSetup.backIsSys = false;
    const ControlRecord* rgbRecord = SetupControl(rgb, std::move(rgbSetup));
    const HBRUSH rgbBrush = rgbRecord->brush.get();
    EXPECT_TRUE(RefreshSysColors(rgb, 0));
    EXPECT_EQ(rgbRecord->brush.get(), rgbBrush);
    EXPECT_TRUE(RefreshSysColors(nullptr, 0));
}

TEST_F(ColoursTest, AfterASystemColourChangeTheEditBoxUsesTheNewColours) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    const ControlRecord* record = SetupControl(edit, SystemColours());
    const INT elements[2] = {COLOR_WINDOWTEXT, COLOR_WINDOW};
    const COLORREF saved[2] = {GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)};
    const COLORREF changed[2] = {RGB(12, 34, 56), RGB(250, 240, 230)};
    SetSysColors(2, elements, changed);  // tells every top-level window
    test::PumpMessages();
    EXPECT_EQ(record->brush.get(), GetSysColorBrush(COLOR_WINDOW));
    const Answer answer = Ask(Form(), WM_CTLCOLOREDIT, edit, TRANSPARENT);
    SetSysColors(2, elements, saved);
    test::PumpMessages();
    EXPECT_EQ(answer.text, RGB(12, 34, 56));
    EXPECT_EQ(answer.back, RGB(250, 240, 230));
}

}  // namespace
}  // namespace trelvane
