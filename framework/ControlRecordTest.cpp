#include "ControlRecord.h"

#include <commctrl.h>
#include <gtest/gtest.h>

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

HFONT FontOf(HWND control) { return reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)); }

const char* TagText(HWND hwnd, const char* property) { return static_cast<const char*>(GetPropA(hwnd, property)); }

class ControlRecordTest : public testing::Test {
protected:
    void SetUp() override { form_ = test::MakeTestForm(400, 300); }
    HWND Form() const { return form_.get(); }
    UniqueWindow form_;
};

TEST_F(ControlRecordTest, SetupSubclassesAndGivesEachControlItsOwnFont) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    const HWND other = MakeChild(Form(), "EDIT", 10, 40, 100, 20);
    const WNDPROC editProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_WNDPROC));
    ControlSetup setup = EditSetup();
    setup.userValue = 42;
    setup.anchorSpec = "F50 , F50 , F50 , F50 , extra text";
    const ControlRecord* record = SetupControl(edit, std::move(setup));
    const ControlRecord* otherRecord = SetupControl(other, EditSetup());
    ASSERT_TRUE(record);
    EXPECT_EQ(RecordOf(edit), record);
    EXPECT_EQ(record->hwnd, edit);
    EXPECT_EQ(record->user_value, 42);
    EXPECT_EQ(record->old_proc, editProc);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit, GWLP_WNDPROC)), ControlProc);
    EXPECT_EQ(record->anchor, "F50 , F50 , F50 , F50 , extra");
    EXPECT_EQ(record->brush.get(), GetSysColorBrush(COLOR_WINDOW));

    ASSERT_TRUE(record->font);
    EXPECT_EQ(FontOf(edit), record->font.get());
    EXPECT_NE(record->font.get(), otherRecord->font.get());
    EXPECT_EQ(test::FontInfo(record->font.get()).lfWeight, 700);
}

TEST_F(ControlRecordTest, EmptySpecificationKeepsTheFontAndSubstitutionKeepsPointsAndStyle) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    const HFONT before = FontOf(edit);
    EXPECT_FALSE(SetupControl(edit, EditSetup(""))->font);
    EXPECT_EQ(FontOf(edit), before);

    const HWND button = MakeChild(Form(), "BUTTON", 10, 40, 100, 20);
    const ControlRecord* record = SetupControl(
        button, {.useFont = true, .fontSpec = "Tahoma,12,3", .substituteFace = true});
    const LOGFONTA info = test::FontInfo(record->font.get());
    EXPECT_STREQ(info.lfFaceName, "Segoe UI");  // Wine reports Windows 6 or later
    EXPECT_EQ(info.lfHeight, FontHeightForPoints(12, test::ExpectedDpi()));
    EXPECT_EQ(info.lfItalic, 1);
    ReleaseControlRecord(button);  // not subclassed, so nothing else frees it
    EXPECT_EQ(RecordOf(button), nullptr);
}

TEST_F(ControlRecordTest, DateTimePickerCalendarGetsTheSameFont) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
    const HWND picker = MakeChild(Form(), DATETIMEPICK_CLASSA, 10, 10, 150, 24);
    const ControlRecord* record = SetupControl(picker, EditSetup());
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(picker, DTM_GETMCFONT, 0, 0)), record->font.get());
}

TEST_F(ControlRecordTest, DestroyingTheControlTakesEverythingOfTheFrameworkAway) {
    test::ProbeFinalState finalState;
    const HWND probe = test::MakeProbe(Form(), &finalState);
    ControlSetup setup = EditSetup();
    setup.backIsSys = false;
    setup.backColour = RGB(10, 20, 30);
    const ControlRecord* record = SetupControl(probe, std::move(setup));
    SetTag(probe, "");
    SetTag2(probe, "second");
    const HFONT font = record->font.get();
    const HBRUSH brush = record->brush.get();
    ASSERT_TRUE(test::IsGdiObject(font) && test::IsGdiObject(brush));

    DestroyWindow(probe);
    EXPECT_TRUE(finalState.destroyed);
    EXPECT_EQ(finalState.record, nullptr);
    EXPECT_EQ(finalState.tag, nullptr);
    EXPECT_EQ(finalState.tag2, nullptr);
    EXPECT_EQ(finalState.procedure, test::ProbeProc);
    EXPECT_FALSE(test::IsGdiObject(font));
    EXPECT_FALSE(test::IsGdiObject(brush));
}

TEST_F(ControlRecordTest, GivenBrushIsTheRecordsOrGoesAtOnceWithoutColours) {
    test::ProbeFinalState finalState;
    const HWND probe = test::MakeProbe(Form(), &finalState);
    ControlSetup setup = EditSetup();
    setup.brush = UniqueBrush{CreateSolidBrush(RGB(1, 2, 3))};
    const HBRUSH kept = setup.brush.get();
    EXPECT_EQ(SetupControl(probe, std::move(setup))->brush.get(), kept);
    DestroyWindow(probe);
    EXPECT_FALSE(test::IsGdiObject(kept));

    const HWND button = MakeChild(Form(), "BUTTON", 10, 10, 100, 20);
    UniqueBrush unused{CreateSolidBrush(RGB(1, 2, 3))};
    const HBRUSH dropped = unused.get();
    const ControlRecord* record = SetupControl(
        button, {.subclass = true, .textColour = 8, .backColour = 5, .brush = std::move(unused),
                 .newProc = ControlProc});
    EXPECT_EQ(record->colours_on, 0);
    EXPECT_EQ(record->back_colour, 0u);
    EXPECT_FALSE(record->brush);
    EXPECT_FALSE(test::IsGdiObject(dropped));
}

TEST_F(ControlRecordTest, FocusSetsTheSelectionAndIsRememberedByTheForm) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    const HWND container = MakeChild(Form(), "STATIC", 0, 100, 300, 100);
    const HWND inner = MakeChild(container, "EDIT", 10, 10, 100, 20);
    SetupControl(edit, EditSetup());
    ControlRecord* innerRecord = SetupControl(inner, EditSetup());
    SetWindowTextA(edit, "some text");
    SendMessageA(edit, EM_SETSEL, 0, -1);
    DWORD start = 0, end = 0;

    SetFocus(edit);
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, end) << "the selection is removed";
    EXPECT_EQ(RecordOf(Form())->last_focus, edit);

    innerRecord->select_all_on_focus = 1;
    SetWindowTextA(inner, "more");
    SetFocus(inner);
    SendMessageA(inner, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, 4u);
    EXPECT_EQ(RecordOf(Form())->last_focus, inner) << "a container's control reports to the form";
}

TEST_F(ControlRecordTest, FocusReturnsToTheLastControlWhenTheUserComesBack) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    SetupControl(edit, EditSetup());
    SetFocus(edit);
    ASSERT_EQ(GetFocus(), edit);
    const UniqueWindow otherProgram = test::MakeTestForm(100, 100);
    SetFocus(otherProgram.get());
    ASSERT_NE(GetFocus(), edit);
    SetFocus(Form());
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(ControlRecordTest, TagsAreHeapCopiesReplacedOnEachSet) {
    const HWND edit = MakeChild(Form(), "EDIT", 10, 10, 100, 20);
    SetTag(nullptr, "not a window");
    SetTag(edit, "");
    ASSERT_TRUE(TagText(edit, kTagProperty));
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, TagText(edit, kTagProperty)), 1u);
    SetTag(edit, "first");
    SetTag2(edit, std::string_view("second\0", 7));  // already terminated
    EXPECT_STREQ(TagText(edit, kTagProperty), "first");
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, TagText(edit, kTagProperty)), 6u);
    EXPECT_STREQ(TagText(edit, kTag2Property), "second");
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, TagText(edit, kTag2Property)), 7u);
    ReleaseTags(edit);
    EXPECT_EQ(GetPropA(edit, kTagProperty), nullptr);
    EXPECT_EQ(GetPropA(edit, kTag2Property), nullptr);
}

TEST(FormRecord, IsTornDownWithItsBrushAcceleratorsTimerAndTags) {
    const UniqueWindow form = test::MakeTestForm(100, 100);
    ControlRecord* record = RecordOf(form.get());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->is_form, 1);
    EXPECT_EQ(record->hwnd, form.get());
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

TEST(FindForm, StopsAtATopLevelWindowAFormClassOrAnMdiChild) {
    const UniqueWindow form = test::MakeTestForm(200, 200);
    const HWND container = MakeChild(form.get(), "STATIC", 0, 0, 100, 100);
    EXPECT_EQ(FindForm(MakeChild(container, "EDIT", 0, 0, 50, 20)), form.get());
    EXPECT_EQ(FindForm(form.get()), form.get());
    EXPECT_EQ(FindForm(nullptr), nullptr);

    const UniqueWindow plain{CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                             GetModuleHandleA(nullptr), nullptr)};
    const HWND childForm = MakeChild(plain.get(), "FORM_TrelvaneTest", 0, 0, 100, 100);
    EXPECT_EQ(FindForm(MakeChild(childForm, "EDIT", 0, 0, 50, 20)), childForm);
    const HWND mdiChild = MakeChild(plain.get(), "STATIC", 100, 0, 100, 100);
    SetWindowLongPtrA(mdiChild, GWL_EXSTYLE, WS_EX_MDICHILD);
    EXPECT_EQ(FindForm(MakeChild(mdiChild, "EDIT", 0, 0, 50, 20)), mdiChild);
    EXPECT_EQ(FindForm(MakeChild(plain.get(), "STATIC", 0, 100, 50, 50)), plain.get());
}

}  // namespace
}  // namespace trelvane
