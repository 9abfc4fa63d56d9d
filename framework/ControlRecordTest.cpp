#include "ControlRecord.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FindForm.h"
#include "Fonts.h"
#include "Tags.h"
#include "TestWindows.h"

namespace trelvane {
namespace {

using test::MakeChild;

// The set-up the application gives its edit boxes.
ControlSetup EditSetup(std::string_view fontSpec = "Tahoma,10,1") {
    return {.subclass = true,
            .useFont = true,
            .fontSpec = fontSpec,
            .coloursOn = true,
            .textIsSys = true,
            .backIsSys = true,
            .textColour = COLOR_WINDOWTEXT,
            .backColour = COLOR_WINDOW,
            .newProc = ControlProc,
            .anchorSpec = "S,S,S,S"};
}

const char* TagText(HWND hwnd, const char* property) { return static_cast<const char*>(GetPropA(hwnd, property)); }

class ControlRecordTest : public testing::Test {
protected:
    void SetUp() override {
        form_ = test::MakeTestForm(400, 300);
        ASSERT_TRUE(form_);
    }
    HWND Form() const { return form_.get(); }
    UniqueWindow form_;
};

TEST_F(ControlRecordTest, SetupStoresTheRecordOnTheControl) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    const WNDPROC editProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_WNDPROC));
    ControlSetup setup = EditSetup();
    setup.userValue = 42;
    ControlRecord* record = SetupControl(edit, std::move(setup));
    ASSERT_TRUE(record);
    EXPECT_EQ(RecordOf(edit), record);
    EXPECT_EQ(record->hwnd, edit);
    EXPECT_EQ(record->is_form, 0);
    EXPECT_EQ(record->user_value, 42);
    EXPECT_EQ(record->old_proc, editProc);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_WNDPROC)), ControlProc);
    EXPECT_EQ(record->anchor, "S,S,S,S");
    EXPECT_EQ(record->select_all_on_focus, 0);
    EXPECT_EQ(record->layout_captured, 0);
    EXPECT_EQ(record->brush.get(), GetSysColorBrush(COLOR_WINDOW));
}

TEST_F(ControlRecordTest, SetupGivesTheControlItsOwnFont) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    const HWND other = MakeChild(Form(), "EDIT", 10, 40, 100, 20);
    const ControlRecord* record = SetupControl(edit, EditSetup());
    const ControlRecord* otherRecord = SetupControl(other, EditSetup());
    ASSERT_TRUE(record->font);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)), record->font.get());
    EXPECT_NE(record->font.get(), otherRecord->font.get());
    const LOGFONTA info = test::FontInfo(record->font.get());
    EXPECT_STREQ(info.lfFaceName, "Tahoma");
    EXPECT_EQ(info.lfWeight, 700);
}

TEST_F(ControlRecordTest, EmptyFontSpecificationLeavesTheControlsFont) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    const HFONT before = reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0));
    const ControlRecord* record = SetupControl(edit, EditSetup(""));
    EXPECT_FALSE(record->font);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)), before);
}

TEST_F(ControlRecordTest, SubstitutedFaceKeepsPointsAndStyle) {
    const HWND button = MakeChild(Form(), "BUTTON", 10, 10, 100, 20);
    const ControlRecord* record = SetupControl(
        button, {.subclass = true, .useFont = true, .fontSpec = "Tahoma,12,3", .newProc = ControlProc,
                 .substituteFace = true});
    const LOGFONTA info = test::FontInfo(record->font.get());
    EXPECT_STREQ(info.lfFaceName, "Segoe UI");  // Wine reports Windows 6 or later
    EXPECT_EQ(info.lfWeight, 700);
    EXPECT_EQ(info.lfItalic, 1);
    EXPECT_EQ(info.lfHeight, FontHeightForPoints(12, test::ExpectedDpi()));
}

TEST_F(ControlRecordTest, DateTimePickerCalendarGetsTheSameFont) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
    const HWND picker = MakeChild(Form(), DATETIMEPICK_CLASSA, 10, 10, 150, 24);
    ASSERT_TRUE(picker);
    const ControlRecord* record = SetupControl(picker, EditSetup());
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(picker, DTM_GETMCFONT, 0, 0)), record->font.get());
}

TEST_F(ControlRecordTest, AnchorIsCutTo29Characters) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    ControlSetup setup = EditSetup();
    setup.anchorSpec = "F50 , F50 , F50 , F50 , extra text";
    EXPECT_EQ(SetupControl(edit, std::move(setup))->anchor, "F50 , F50 , F50 , F50 , extra");
}

TEST_F(ControlRecordTest, WithoutSubclassingTheProcedureStays) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    const LONG_PTR before = GetWindowLongPtrA(edit, GWLP_WNDPROC);
    ControlSetup setup = EditSetup();
    setup.subclass = false;
    const ControlRecord* record = SetupControl(edit, std::move(setup));
    EXPECT_EQ(record->old_proc, nullptr);
    EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_WNDPROC), before);
    ReleaseControlRecord(edit);
    EXPECT_EQ(RecordOf(edit), nullptr);
}

TEST_F(ControlRecordTest, DestroyingTheControlTakesEverythingOfTheFrameworkAway) {
    test::ProbeFinalState finalState;
    const HWND probe = test::MakeProbe(Form(), &finalState);
    ControlSetup setup = EditSetup();
    setup.backIsSys = false;
    setup.backColour = RGB(10, 20, 30);
    const ControlRecord* record = SetupControl(probe, std::move(setup));
    ASSERT_TRUE(record);
    SetTag(probe, "");
    SetTag2(probe, "second");
    const HFONT font = record->font.get();
    const HBRUSH brush = record->brush.get();
    ASSERT_TRUE(test::IsGdiObject(font));
    ASSERT_TRUE(test::IsGdiObject(brush));

    DestroyWindow(probe);

    EXPECT_TRUE(finalState.destroyed);
    EXPECT_EQ(finalState.record, nullptr);
    EXPECT_EQ(finalState.tag, nullptr);
    EXPECT_EQ(finalState.tag2, nullptr);
    EXPECT_EQ(finalState.procedure, test::ProbeProc);
    EXPECT_FALSE(test::IsGdiObject(font));
    EXPECT_FALSE(test::IsGdiObject(brush));
}

TEST_F(ControlRecordTest, BrushPassedInBelongsToTheRecord) {
    test::ProbeFinalState finalState;
    const HWND probe = test::MakeProbe(Form(), &finalState);
    UniqueBrush given{CreateSolidBrush(RGB(1, 2, 3))};
    const HBRUSH handle = given.get();
    ControlSetup setup = EditSetup();
    setup.brush = std::move(given);
    EXPECT_EQ(SetupControl(probe, std::move(setup))->brush.get(), handle);
    DestroyWindow(probe);
    EXPECT_FALSE(test::IsGdiObject(handle));
}

TEST_F(ControlRecordTest, WithoutColoursTheColourFieldsStayZero) {
    const HWND button = MakeChild(Form(), "BUTTON", 10, 10, 100, 20);
    UniqueBrush given{CreateSolidBrush(RGB(1, 2, 3))};
    const HBRUSH handle = given.get();
    const ControlRecord* record = SetupControl(
        button, {.subclass = true, .textColour = 8, .backColour = 5, .brush = std::move(given),
                 .newProc = ControlProc});
    EXPECT_EQ(record->colours_on, 0);
    EXPECT_EQ(record->text_colour, 0u);
    EXPECT_EQ(record->back_colour, 0u);
    EXPECT_FALSE(record->brush);
    EXPECT_FALSE(test::IsGdiObject(handle)) << "a brush the record does not keep is not leaked";
}

TEST_F(ControlRecordTest, FocusRemovesTheSelectionAndIsRememberedByTheForm) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20, WS_VISIBLE | WS_TABSTOP);
    const HWND other = MakeChild(Form(), "EDIT", 10, 40, 100, 20, WS_VISIBLE | WS_TABSTOP);
    SetupControl(edit, EditSetup());
    SetupControl(other, EditSetup());
    SetWindowTextA(edit, "some text");
    SendMessageA(edit, EM_SETSEL, 0, -1);

    SetFocus(edit);
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end);
    EXPECT_EQ(RecordOf(Form())->last_focus, edit);

    RecordOf(other)->select_all_on_focus = 1;
    SetWindowTextA(other, "more");
    SetFocus(other);
    SendMessageA(other, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u);
    EXPECT_EQ(RecordOf(Form())->last_focus, other);
}

TEST_F(ControlRecordTest, FocusReturnsToTheLastControlWhenTheUserComesBack) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20, WS_VISIBLE | WS_TABSTOP);
    SetupControl(edit, EditSetup());
    SetFocus(edit);
    ASSERT_EQ(GetFocus(), edit);

    const UniqueWindow otherProgram = test::MakeTestForm(100, 100);
    SetActiveWindow(otherProgram.get());
    SetFocus(otherProgram.get());
    ASSERT_NE(GetFocus(), edit);

    SetActiveWindow(Form());
    SetFocus(Form());
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(ControlRecordTest, ControlInAContainerReportsItsFocusToTheForm) {
    const HWND container = MakeChild(Form(), "STATIC", 0, 0, 300, 200);
    const HWND edit = MakeChild(container, "EDIT", 10, 10, 100, 20);
    SetupControl(edit, EditSetup());
    SetFocus(edit);
    EXPECT_EQ(RecordOf(Form())->last_focus, edit);
}

TEST_F(ControlRecordTest, TagsAreHeapCopiesReplacedOnEachSet) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    SetTag(edit, "");
    const char* empty = TagText(edit, kTagProperty);
    ASSERT_TRUE(empty);
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, empty), 1u);
    EXPECT_EQ(*empty, '\0');

    SetTag(edit, "first");
    SetTag2(edit, std::string_view("second\0", 7));
    EXPECT_STREQ(TagText(edit, kTagProperty), "first");
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, TagText(edit, kTagProperty)), 6u);
    EXPECT_STREQ(TagText(edit, kTag2Property), "second");
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, TagText(edit, kTag2Property)), 7u);

    ReleaseTags(edit);
    EXPECT_EQ(GetPropA(edit, kTagProperty), nullptr);
    EXPECT_EQ(GetPropA(edit, kTag2Property), nullptr);
}

TEST(Tags, HandleThatIsNotAWindowIsLeftAlone) {
    SetTag(nullptr, "text");
    SetTag2(reinterpret_cast<HWND>(0x12345), "text");
}

TEST(FormRecord, IsCreatedAndTornDownWithItsBrushAcceleratorsTimerAndTags) {
    const UniqueWindow form = test::MakeTestForm(100, 100);
    ControlRecord* record = RecordOf(form.get());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->is_form, 1);
    EXPECT_EQ(record->hwnd, form.get());
    EXPECT_EQ(record->last_focus, nullptr);

    ACCEL key{FVIRTKEY, VK_F5, 1};
    record->accel.reset(CreateAcceleratorTableA(&key, 1));
    record->timer.reset(SetTimer(nullptr, 0, 100000, nullptr));
    record->brush.Own(UniqueBrush{CreateSolidBrush(RGB(4, 5, 6))});
    const HACCEL accel = record->accel.get();
    const UINT_PTR timer = record->timer.get();
    const HBRUSH brush = record->brush.get();
    SetTag(form.get(), "");
    SetTag2(form.get(), "");

    DestroyFormRecord(form.get());
    EXPECT_EQ(GetPropA(form.get(), kRecordProperty), nullptr);
    EXPECT_EQ(GetPropA(form.get(), kTagProperty), nullptr);
    EXPECT_EQ(GetPropA(form.get(), kTag2Property), nullptr);
    EXPECT_FALSE(test::IsGdiObject(brush));
    EXPECT_EQ(CopyAcceleratorTableA(accel, nullptr, 0), 0);
    EXPECT_FALSE(KillTimer(nullptr, timer));
    DestroyFormRecord(form.get());  // a second time finds nothing to free
}

TEST(FindForm, ClimbsToTheFormThroughContainers) {
    const UniqueWindow form = test::MakeTestForm(200, 200);
    const HWND container = MakeChild(form.get(), "STATIC", 0, 0, 100, 100);
    const HWND edit = MakeChild(container, "EDIT", 0, 0, 50, 20);
    EXPECT_EQ(FindForm(edit), form.get());
    EXPECT_EQ(FindForm(form.get()), form.get());
    EXPECT_EQ(FindForm(nullptr), nullptr);
}

TEST(FindForm, StopsAtAChildFormOrAnMdiChild) {
    const UniqueWindow host = test::MakeTestForm(200, 200);
    const HWND childForm = MakeChild(host.get(), "FORM_TrelvaneTest", 0, 0, 100, 100);
    ASSERT_TRUE(childForm);
    const HWND edit = MakeChild(childForm, "EDIT", 0, 0, 50, 20);
    EXPECT_EQ(FindForm(edit), childForm);

    const HWND container = MakeChild(host.get(), "STATIC", 100, 0, 100, 100);
    SetWindowLongPtrA(container, GWL_EXSTYLE, WS_EX_MDICHILD);
    const HWND inner = MakeChild(container, "EDIT", 0, 0, 50, 20);
    EXPECT_EQ(FindForm(inner), container);

    // A top-level window that is no form still ends the search.
    const UniqueWindow plain{CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                             GetModuleHandleA(nullptr), nullptr)};
    const HWND label = MakeChild(plain.get(), "STATIC", 0, 100, 50, 50);
    EXPECT_EQ(FindForm(label), plain.get());
}

}  // namespace
}  // namespace trelvane
