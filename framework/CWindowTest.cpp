#include "CWindow.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "ControlRecord.h"
#include "TestWindows.h"

namespace trelvane {
namespace {

using test::ChildRect;
using test::ExpectedDpi;

struct FormAt {
    int dpi;
    Rect form;        // of a 635 x 500 form at (0, 0)
    int fontHeight;   // of the default 9-point face
    Rect control;     // of a control at (5, 3), 7 x 9
};
constexpr FormAt kForms[] = {
    {96, {0, 0, 635, 500}, -12, {5, 3, 12, 12}},
    {120, {0, 0, 794, 625}, -15, {6, 4, 15, 15}},   // 793.75; 6.25, 3.75, 8.75, 11.25
    {144, {0, 0, 952, 750}, -18, {8, 4, 18, 18}},   // 952.5; 7.5, 4.5, 10.5, 13.5
};

const FormAt& FormHere() {
    for (const FormAt& form : kForms) {
        if (form.dpi == ExpectedDpi()) return form;
    }
    ADD_FAILURE() << "no expected geometry for " << ExpectedDpi() << " DPI";
    return kForms[0];
}

Rect WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

bool ClassExists(const std::string& name) {
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    return GetClassInfoExA(GetModuleHandleA(nullptr), name.c_str(), &info) != FALSE;
}

HWND AddStatic(CWindow& form, int x, int y, int width, int height, bool noScale) {
    return form.AddControl("STATIC", nullptr, 0, "", x, y, width, height, kDefaultStyle, kDefaultStyle, nullptr,
                           nullptr, noScale);
}

// Form procedure that remembers the font it was sent.
HFONT gFontSent = nullptr;
LRESULT CALLBACK RemembersItsFont(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFONT) gFontSent = reinterpret_cast<HFONT>(wParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

// A form made the way the application makes its own, destroyed with the test.
class FormTest : public testing::Test {
protected:
    void TearDown() override {
        if (form_ && IsWindow(form_->GetHandle())) DestroyWindow(form_->GetHandle());
        test::PumpMessages();  // DefaultFormProc posts WM_QUIT
    }
    HWND Create(int width = 635, int height = 500, bool noScale = false, WNDPROC procedure = nullptr) {
        form_ = CWindow::Create();
        form_->SetClassName("FORM_Test");
        form_->SetDpi(-1.0f);
        return form_->CreateForm(nullptr, "Test", 0, 0, width, height, 0, 0, procedure, noScale);
    }
    CWindowRef form_;
};

TEST_F(FormTest, FormAndControlsAreScaledForTheScreensDpi) {
    const HWND window = Create(635, 500, false, RemembersItsFont);
    ASSERT_TRUE(window);
    EXPECT_EQ(form_->GetDpi(), ExpectedDpi());
    EXPECT_EQ(WindowRect(window), FormHere().form);
    EXPECT_EQ(ChildRect(AddStatic(*form_, 5, 3, 7, 9, false)), FormHere().control);
    EXPECT_EQ(ChildRect(AddStatic(*form_, 5, 3, 7, 9, true)), (Rect{5, 3, 12, 12}));

    EXPECT_EQ(gFontSent, form_->FormFont());
    const LOGFONTA font = test::FontInfo(form_->FormFont());
    EXPECT_STREQ(font.lfFaceName, "Segoe UI");  // Wine reports Windows 6 or later
    EXPECT_EQ(font.lfHeight, FormHere().fontHeight);
    EXPECT_EQ(font.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE) & 0x06CF0000, 0x06CF0000);
    EXPECT_EQ(GetWindowLongPtrA(window, GWL_EXSTYLE) & 0x00010100, 0x00010100);
}

TEST_F(FormTest, ControlsRoundHalvesToEvenAtAnyAskedDpi) {
    ASSERT_TRUE(Create(400, 300, true));
    form_->SetDpi(144.0f);
    EXPECT_EQ(ChildRect(AddStatic(*form_, 5, 3, 7, 9, false)), (Rect{8, 4, 18, 18}));
    form_->SetDpi(120.0f);
    EXPECT_EQ(ChildRect(AddStatic(*form_, 2, 6, 10, 14, false)), (Rect{2, 8, 14, 26}));  // 2.5, 7.5, 12.5, 17.5
}

TEST_F(FormTest, ClassStyleBackgroundAndIcons) {
    const HWND window = Create();
    EXPECT_EQ(form_->GetClassStyle(), static_cast<DWORD>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
    EXPECT_EQ(form_->GetBackgroundBrush(), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    form_->SetClassStyle(CS_HREDRAW);
    form_->SetBackgroundBrush(reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    EXPECT_EQ(form_->GetClassStyle(), static_cast<DWORD>(CS_HREDRAW));
    EXPECT_EQ(form_->GetBackgroundBrush(), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    const HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
    form_->SetSmallIcon(icon);
    form_->SetBigIcon(icon);
    EXPECT_EQ(SendMessageA(window, WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(icon));
}

// Form procedure that adds a control while its window is made.
CWindow* gObjectInCreate = nullptr;
LRESULT CALLBACK AddsAControlOnCreate(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const CWindowRef object = ObjectFromCreateData(reinterpret_cast<const CREATESTRUCTA*>(lParam));
        gObjectInCreate = object.get();
        if (!object) return -1;
        EXPECT_FALSE(ObjectOfWindow(window));  // the class learns its object afterwards
        object->SetHandle(window);
        object->AddControl("BUTTON", nullptr, 1001, "Go", 10, 10, 80, 24, kDefaultStyle, kDefaultStyle, nullptr,
                           nullptr, true);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(FormTest, FormProcedureFindsItsObjectAndCreateFormActsOnce) {
    const HWND window = Create(635, 500, false, AddsAControlOnCreate);
    ASSERT_TRUE(window);
    EXPECT_EQ(gObjectInCreate, form_.get());
    const HWND button = GetDlgItem(window, 1001);
    ASSERT_TRUE(button);
    EXPECT_EQ(ObjectOfWindow(window).get(), form_.get());
    EXPECT_EQ(ObjectOfWindow(button).get(), form_.get());
    EXPECT_FALSE(ObjectOfWindow(nullptr));
    EXPECT_FALSE(ObjectFromCreateData(nullptr));
    CREATESTRUCTA noData{};
    EXPECT_FALSE(ObjectFromCreateData(&noData));

    const std::string name = form_->ClassName();
    EXPECT_EQ(form_->CreateForm(nullptr, "Again", 0, 0, 100, 100, 0, 0, nullptr, false), window);
    EXPECT_EQ(form_->ClassName(), name);
    form_->SetHandle(nullptr);
    EXPECT_EQ(form_->GetHandle(), window);
}

TEST(CWindowLifetime, LastReferenceDeletesTheFontAndUnregistersTheClass) {
    CWindowRef form = CWindow::Create();
    form->SetClassName("FORM_Lifetime");
    const HWND window = form->CreateForm(nullptr, "Lifetime", 0, 0, 100, 100, 0, 0, nullptr, false);
    ASSERT_TRUE(window);
    const std::string name = form->ClassName();
    const HFONT font = form->FormFont();
    CWindowRef lookedUp = ObjectOfWindow(window);
    DestroyWindow(window);
    test::PumpMessages();
    form.reset();
    EXPECT_TRUE(ClassExists(name)) << "a looked-up reference keeps the object";
    lookedUp.reset();
    EXPECT_FALSE(ClassExists(name));
    EXPECT_FALSE(test::IsGdiObject(font));
}

TEST(CWindowLifetime, WindowOutlivingItsObjectNoLongerLeadsToIt) {
    CWindowRef form = CWindow::Create();
    const HWND window = form->CreateForm(nullptr, "Orphan", 0, 0, 100, 100, 0, 0, nullptr, false);
    ASSERT_TRUE(window);
    form.reset();
    EXPECT_FALSE(ObjectOfWindow(window));
    DestroyWindow(window);
    test::PumpMessages();
}

// Sets the work area for one test and puts the old one back.
class WorkArea {
public:
    explicit WorkArea(RECT area) {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &saved_, 0);
        SystemParametersInfoA(SPI_SETWORKAREA, 0, &area, 0);
    }
    ~WorkArea() { SystemParametersInfoA(SPI_SETWORKAREA, 0, &saved_, 0); }
    WorkArea(const WorkArea&) = delete;
    WorkArea& operator=(const WorkArea&) = delete;

private:
    RECT saved_{};
};

TEST_F(FormTest, CentreKeepsWindowsInsideTheWorkArea) {
    const WorkArea area({0, 0, 1000, 700});
    const HWND window = Create(794, 625, true);
    ASSERT_TRUE(window);
    form_->Centre(nullptr, nullptr);
    EXPECT_EQ(WindowRect(window), (Rect{103, 37, 103 + 794, 37 + 625}));  // 37.5
    SetWindowPos(window, nullptr, 0, 0, 1200, 800, SWP_NOMOVE | SWP_NOZORDER);
    form_->Centre(nullptr, nullptr);
    EXPECT_EQ(WindowRect(window), (Rect{0, 0, 1200, 800}));

    // Over another window, and a child in its parent's client coordinates.
    const UniqueWindow host{CreateWindowExA(0, "STATIC", "", WS_POPUP, 100, 100, 300, 200, nullptr, nullptr,
                                            GetModuleHandleA(nullptr), nullptr)};
    SetWindowPos(window, nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER);
    form_->Centre(nullptr, host.get());
    EXPECT_EQ(WindowRect(window), (Rect{150, 150, 350, 250}));
    const HWND child = test::MakeChild(host.get(), "STATIC", 0, 0, 60, 40);
    form_->Centre(child, host.get());
    EXPECT_EQ(ChildRect(child), (Rect{120, 80, 180, 120}));
}

TEST_F(FormTest, AddControlMakesAVisibleTabStopChildAndCanSubclassIt) {
    ASSERT_TRUE(Create(400, 300, true));
    const HWND control = form_->AddControl("EDIT", nullptr, 1005, "text", 1, 2, 30, 20, kDefaultStyle,
                                           kDefaultStyle, nullptr, test::ProbeProc, true);
    ASSERT_TRUE(control);
    EXPECT_EQ(GetParent(control), form_->GetHandle());
    EXPECT_EQ(GetDlgCtrlID(control), 1005);
    const DWORD wanted = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE)) & wanted, wanted);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC)), test::ProbeProc);
    EXPECT_NE(GetPropA(control, kOldWndProcProperty), nullptr);

    const HWND hidden = form_->AddControl("STATIC", nullptr, 1006, "", 1, 2, 30, 20, 0, 0, nullptr, nullptr, true);
    EXPECT_TRUE(GetWindowLongPtrA(hidden, GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(form_->AddControl("NoSuchClass", nullptr, 1, "", 0, 0, 1, 1, kDefaultStyle, kDefaultStyle, nullptr,
                                test::ProbeProc, true),
              nullptr);
}

TEST_F(FormTest, TooltipIsATopmostToolOverTheControl) {
    ASSERT_TRUE(Create(400, 300, true));
    const HWND control = AddStatic(*form_, 10, 10, 80, 24, true);
    EXPECT_FALSE(form_->AddTooltip(nullptr, "none", false, false));
    const UniqueWindow tooltip = form_->AddTooltip(control, std::string(100, 't'), true, true);
    ASSERT_TRUE(tooltip);
    EXPECT_TRUE(GetWindowLongPtrA(tooltip.get(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongPtrA(tooltip.get(), GWL_STYLE) & TTS_BALLOON);
    EXPECT_EQ(SendMessageA(tooltip.get(), TTM_GETTOOLCOUNT, 0, 0), 1);
    char shown[128] = {};
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = control;
    tool.lpszText = shown;
    SendMessageA(tooltip.get(), TTM_GETTEXTA, sizeof shown, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::string(shown), std::string(79, 't'));
}

TEST_F(FormTest, DefaultFormProcClosesOnEscapeOrCloseAndEndsTheLoop) {
    HWND window = Create(200, 100, true);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, 1), 0);
    EXPECT_TRUE(IsWindow(window));
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(test::PumpMessages());

    window = Create(200, 100, true);
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE | 0x2, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(test::PumpMessages());
}

TEST(ListBoxSelect, SelectsOneItemOrNone) {
    const UniqueWindow host = test::MakeTestForm(200, 200);
    const HWND single = test::MakeChild(host.get(), "LISTBOX", 0, 0, 100, 100);
    const HWND multiple = test::MakeChild(host.get(), "LISTBOX", 100, 0, 100, 100, WS_VISIBLE | LBS_MULTIPLESEL);
    for (const char* line : {"a", "b", "c"}) {
        SendMessageA(single, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
        SendMessageA(multiple, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    }
    EXPECT_EQ(ListBoxSelect(single, 2), 2);
    EXPECT_EQ(SendMessageA(single, LB_GETCURSEL, 0, 0), 2);
    ListBoxSelect(single, -1);
    EXPECT_EQ(SendMessageA(single, LB_GETCURSEL, 0, 0), LB_ERR);

    SendMessageA(multiple, LB_SETSEL, TRUE, 0);
    ListBoxSelect(multiple, 1);
    EXPECT_EQ(SendMessageA(multiple, LB_GETSELCOUNT, 0, 0), 1);
    EXPECT_GT(SendMessageA(multiple, LB_GETSEL, 1, 0), 0);
    ListBoxSelect(multiple, -1);
    EXPECT_EQ(SendMessageA(multiple, LB_GETSELCOUNT, 0, 0), 0);
}

}  // namespace
}  // namespace trelvane
