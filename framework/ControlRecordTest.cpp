#include "ControlRecord.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "Tags.h"
#include "TestWindows.h"

namespace trelvane {
namespace {

using test::EditSetup;

HFONT FontOf(HWND control) { return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)); }

class ControlRecordTest : public testing::Test {
protected:
    void SetUp() override { form_ = test::MakeTestForm(400, 300); }
    HWND Child(const wchar_t* className, HWND parent = nullptr) {
        return test::MakeChild(parent ? parent : form_.get(), className, 10, 10, 100, 20);
    }
    UniqueWindow form_;
};

// Subclassing shows where a control is destroyed, the font set in the main form's fonts.
TEST_F(ControlRecordTest, SetupGivesEachControlItsOwnFontTheFormRemembersItsFocusAndDestroyingTakesAllAway) {
    const ControlRecord* record = SetupControl(Child(L"EDIT"), EditSetup());
    const ControlRecord* other = SetupControl(Child(L"EDIT"), EditSetup());
    ASSERT_TRUE(record && record->font);
    EXPECT_NE(record->font.get(), other->font.get());

    const HWND plain = Child(L"EDIT");
    const HFONT before = FontOf(plain);
    EXPECT_FALSE(SetupControl(plain, EditSetup(""))->font);
    EXPECT_EQ(FontOf(plain), before) << "an empty font specification keeps the font";

    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
    const HWND picker = Child(DATETIMEPICK_CLASSW);
    const ControlRecord* pickerRecord = SetupControl(picker, EditSetup());
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(picker, DTM_GETMCFONT, 0, 0)), pickerRecord->font.get());

    // Focus is remembered by the form and comes back to it.
    const HWND edit = Child(L"EDIT");
    const HWND container = test::MakeChild(form_.get(), L"STATIC", 0, 100, 300, 100);
    const HWND inner = Child(L"EDIT", container);
    SetupControl(edit, EditSetup());
    SetupControl(inner, EditSetup())->select_all_on_focus = 1;
    DWORD start = 0, end = 0;
    for (const HWND control : {edit, inner}) {
        SetWindowTextW(control, L"text");
        SendMessageW(control, EM_SETSEL, 0, -1);
        SetFocus(control);
        SendMessageW(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(end - start, control == inner ? 4u : 0u) << "selection on focus";
        EXPECT_EQ(RecordOf(form_.get())->last_focus, control) << "a container's control reports to the form";
    }
    const UniqueWindow otherProgram = test::MakeTestForm(100, 100);
    SetFocus(otherProgram.get());
    ASSERT_NE(GetFocus(), inner);
    SetFocus(form_.get());
    EXPECT_EQ(GetFocus(), inner);

    // Destroying a control, then the form's record, takes everything of the framework away.
    test::FinalState final{};
    const HWND probe = test::MakeProbe(form_.get(), &final);
    ControlSetup setup = EditSetup();
    setup.backIsSys = false;
    setup.backColour = RGB(10, 20, 30);
    const ControlRecord* probeRecord = SetupControl(probe, std::move(setup));
    SetTag(probe, "first");
    SetTag2(probe, "second");
    const HFONT font = probeRecord->font.get();
    const HBRUSH brush = probeRecord->brush.get();
    ASSERT_TRUE(test::IsGdiObject(font) && test::IsGdiObject(brush));
    ASSERT_STREQ(static_cast<const char*>(GetPropW(probe, kTag2Property)), "second");

    DestroyWindow(probe);
    EXPECT_EQ(final.procedure, test::ProbeProc);
    EXPECT_EQ(final.record, nullptr);
    EXPECT_EQ(final.tag, nullptr);
    EXPECT_FALSE(test::IsGdiObject(font));
    EXPECT_FALSE(test::IsGdiObject(brush));

    // The form's record goes with its brush, accelerators, timer and tags.
    ControlRecord* formRecord = RecordOf(form_.get());
    ASSERT_TRUE(formRecord && formRecord->is_form);
    ACCEL key{FVIRTKEY, VK_F5, 1};
    formRecord->accel.reset(CreateAcceleratorTableW(&key, 1));
    formRecord->timer.reset(SetTimer(nullptr, 0, 100000, nullptr));
    formRecord->brush.Own(UniqueBrush{CreateSolidBrush(RGB(4, 5, 6))});
    const HACCEL accel = formRecord->accel.get();
    const UINT_PTR timer = formRecord->timer.get();
    const HBRUSH formBrush = formRecord->brush.get();
    SetTag(form_.get(), "");
    SetTag2(form_.get(), "");

    DestroyFormRecord(form_.get());
    for (const wchar_t* property : {kRecordProperty, kTagProperty, kTag2Property}) {
        EXPECT_EQ(GetPropW(form_.get(), property), nullptr) << testing::PrintToString(property);
    }
    EXPECT_FALSE(test::IsGdiObject(formBrush));
    EXPECT_EQ(CopyAcceleratorTableW(accel, nullptr, 0), 0);
    EXPECT_FALSE(KillTimer(nullptr, timer));
    DestroyFormRecord(form_.get());  // a second time finds nothing to free
}

}  // namespace
}  // namespace trelvane
