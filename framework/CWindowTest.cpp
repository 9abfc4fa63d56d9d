#include "CWindow.h"

#include <gtest/gtest.h>

#include <string>

#include "ControlRecord.h"
#include "TestWindows.h"
#include "WindowQueries.h"
#include "WindowsText.h"

namespace trelvane {
namespace {

using test::ChildRect;

struct FormAt {
    int dpi;
    Rect form;       // of a 635 x 500 form at (0, 0)
    int fontHeight;  // of the default 9-point face
    Rect control;    // of a control at (5, 3), 7 x 9
};
constexpr FormAt kForms[] = {
    {96, {0, 0, 635, 500}, -12, {5, 3, 12, 12}},
    {120, {0, 0, 794, 625}, -15, {6, 4, 15, 15}},  // 793.75; 6.25, 3.75, 8.75, 11.25
    {144, {0, 0, 952, 750}, -18, {8, 4, 18, 18}},  // 952.5; 7.5, 4.5, 10.5, 13.5
};

Rect WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return ToRect(rect);
}

bool ClassExists(const std::string& name) {
    WNDCLASSW info;
    return GetClassInfoW(GetModuleHandleW(nullptr), WideFromUtf8(name).c_str(), &info) != FALSE;
}

HWND AddStatic(CWindow& form, const Placement& at, Units units = Units::kDesign) {
    return form.AddControl({.className = "STATIC", .at = at, .units = units});
}

// A form procedure that remembers its font and adds a subclassed control while its window is made.
HFONT gFontSent = nullptr;
LRESULT CALLBACK TestFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFONT) gFontSent = reinterpret_cast<HFONT>(wParam);
    if (message == WM_CREATE) {
        const CWindowRef object = ObjectFromCreateData(reinterpret_cast<const CREATESTRUCTW*>(lParam));
        if (!object) return -1;
        object->SetHandle(window);
        object->AddControl({.className = "EDIT",
                            .id = 1001,
                            .at = {10, 10, 80, 24},
                            .windowProc = test::ProbeProc,
                            .units = Units::kPixels});
    }
    return DefaultFormProc(window, message, wParam, lParam);
}

// A form made the way the application makes its own, destroyed with the test.
class FormTest : public testing::Test {
protected:
    void TearDown() override {
        if (form_ && IsWindow(form_->GetHandle())) DestroyWindow(form_->GetHandle());
        test::PumpMessages();  // DefaultFormProc posts WM_QUIT
    }
    HWND Create(int width = 635, int height = 500, Units units = Units::kDesign) {
        form_ = CWindow::Create();
        form_->SetClassName("FORM_Test");
        form_->SetDpi(-1.0f);
        return form_->CreateForm({.caption = "Test",
                                  .at = {.width = width, .height = height},
                                  .style = 0,
                                  .exStyle = 0,
                                  .windowProc = TestFormProc,
                                  .units = units});
    }
    CWindowRef form_;
};

TEST_F(FormTest, FormControlsAndFontAreScaledForTheScreensDpiOrAnAskedOneAndItsProcedureFindsItsObject) {
    const FormAt& expected = test::RowForScreen(kForms);
    const HWND window = Create();
    ASSERT_TRUE(window);
    EXPECT_EQ(form_->GetDpi(), test::ExpectedDpi());
    EXPECT_EQ(WindowRect(window), expected.form);
    EXPECT_EQ(ChildRect(AddStatic(*form_, {5, 3, 7, 9})), expected.control);
    EXPECT_EQ(ChildRect(AddStatic(*form_, {5, 3, 7, 9}, Units::kPixels)), (Rect{5, 3, 12, 12}));
    EXPECT_EQ(gFontSent, form_->FormFont());
    const LOGFONTW font = test::FontInfo(form_->FormFont());
    EXPECT_STREQ(font.lfFaceName, L"Segoe UI");  // Wine reports Windows 6 or later
    EXPECT_EQ(font.lfHeight, expected.fontHeight);
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & 0x06CF0000, 0x06CF0000);
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE) & 0x00010100, 0x00010100);
    form_->SetDpi(120.0f);
    EXPECT_EQ(ChildRect(AddStatic(*form_, {2, 6, 10, 14})), (Rect{2, 8, 14, 26}));  // 2.5, 7.5, 12.5, 17.5

    // The form procedure found its object and added a subclassed control.
    const HWND edit = GetDlgItem(window, 1001);
    ASSERT_TRUE(edit);
    EXPECT_EQ(ObjectOfWindow(edit).get(), form_.get());
    EXPECT_EQ(GetWindowLongPtrW(edit, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_TABSTOP),
              WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(edit, GWLP_WNDPROC)), test::ProbeProc);
    EXPECT_NE(GetPropW(edit, kOldWndProcProperty), nullptr);
    EXPECT_EQ(form_->CreateForm({.caption = "Again", .at = {.width = 100, .height = 100}}), window);
}

TEST_F(FormTest, EscapeAndTheSystemMenusCloseCloseTheFormAndTheLastReferenceFreesIt) {
    for (const auto& [message, wParam] :
         {std::pair<UINT, WPARAM>{WM_COMMAND, MAKEWPARAM(IDCANCEL, 0)}, {WM_SYSCOMMAND, SC_CLOSE}}) {
        const HWND window = Create(200, 100, Units::kPixels);
        const std::string name = form_->ClassName();
        const HFONT font = form_->FormFont();
        CWindowRef lookedUp = ObjectOfWindow(window);
        // OK and the other system commands are the form's own business.
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
        SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_TRUE(IsIconic(window)) << message;
        SendMessageW(window, message, wParam, 0);
        EXPECT_FALSE(IsWindow(window)) << message;
        EXPECT_TRUE(test::PumpMessages()) << message << ": the loop ends";

        // The last reference, not the window, deletes the font and unregisters the class.
        form_.reset();
        EXPECT_TRUE(ClassExists(name)) << "a looked-up reference keeps the object";
        lookedUp.reset();
        EXPECT_FALSE(ClassExists(name)) << message;
        EXPECT_FALSE(test::IsGdiObject(font)) << message;
    }
}

// Halves are truncated toward zero, and what would leave the work area is
// pulled back to its nearer edge.
TEST_F(FormTest, CentreKeepsWindowsInsideTheWorkArea) {
    RECT saved{}, area{10, 0, 710, 700};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &saved, 0);
    SystemParametersInfoW(SPI_SETWORKAREA, 0, &area, 0);
    const HWND window = Create(794, 625, Units::kPixels);
    form_->Centre(nullptr, nullptr);
    const Rect centred = WindowRect(window);
    const UniqueWindow host{CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 100, 600, 299, 200, nullptr, nullptr,
                                            GetModuleHandleW(nullptr), nullptr)};
    SetWindowPos(window, nullptr, 0, 0, 300, 100, SWP_NOMOVE | SWP_NOZORDER);
    form_->Centre(nullptr, host.get());
    SystemParametersInfoW(SPI_SETWORKAREA, 0, &saved, 0);
    EXPECT_EQ(centred, (Rect{10, 37, 10 + 794, 37 + 625}));     // -37 and 37.5
    EXPECT_EQ(WindowRect(window), (Rect{100, 600, 400, 700}));  // -0.5 and 650
}

}  // namespace
}  // namespace trelvane
