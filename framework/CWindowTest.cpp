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
    int width;   // of a 635 x 500 form
    int height;
    int fontHeight;  // of the default 9-point face
};
constexpr FormAt kForms[] = {
    {96, 635, 500, -12},
    {120, 794, 625, -15},  // 793.75 x 625
    {144, 952, 750, -18},  // 952.5 x 750
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

// A form created the way the application creates its own, destroyed with the test.
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

TEST_F(FormTest, FormIsSizedForTheScreensDpi) {
    const HWND window = Create();
    ASSERT_TRUE(window);
    EXPECT_EQ(form_->GetDpi(), ExpectedDpi());
    EXPECT_FLOAT_EQ(form_->GetScaleX(), ExpectedDpi() / 96.0f);
    EXPECT_FLOAT_EQ(form_->GetScaleY(), ExpectedDpi() / 96.0f);
    EXPECT_EQ(WindowRect(window), (Rect{0, 0, FormHere().width, FormHere().height}));
}

// Form procedure that remembers the font it was sent.
HFONT gFontSent = nullptr;
LRESULT CALLBACK RemembersItsFont(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFONT) gFontSent = reinterpret_cast<HFONT>(wParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(FormTest, FormHasTheDefaultFontAtTheScreensDpi) {
    const HWND window = Create(635, 500, false, RemembersItsFont);
    ASSERT_TRUE(window);
    ASSERT_TRUE(form_->FormFont());
    EXPECT_EQ(gFontSent, form_->FormFont());
    const LOGFONTA info = test::FontInfo(form_->FormFont());
    EXPECT_EQ(form_->DefaultFace(), "Segoe UI");  // Wine reports Windows 6 or later
    EXPECT_EQ(form_->DefaultPoints(), 9);
    EXPECT_STREQ(info.lfFaceName, "Segoe UI");
    EXPECT_EQ(info.lfHeight, FormHere().fontHeight);
    EXPECT_EQ(info.lfWeight, FW_NORMAL);
    EXPECT_EQ(info.lfCharSet, DEFAULT_CHARSET);
}

TEST_F(FormTest, ControlsScaleWithHalvesToEven) {
    ASSERT_TRUE(Create(400, 300, true));
    form_->SetDpi(144.0f);
    const HWND at144 = form_->AddControl("STATIC", nullptr, 1, "", 5, 3, 7, 9, kDefaultStyle, kDefaultStyle,
                                         nullptr, nullptr, false);
    EXPECT_EQ(ChildRect(at144), (Rect{8, 4, 8 + 10, 4 + 14}));  // 7.5, 4.5, 10.5, 13.5

    form_->SetDpi(120.0f);
    const HWND at120 = form_->AddControl("STATIC", nullptr, 2, "", 2, 6, 10, 14, kDefaultStyle, kDefaultStyle,
                                         nullptr, nullptr, false);
    EXPECT_EQ(ChildRect(at120), (Rect{2, 8, 2 + 12, 8 + 18}));  // 2.5, 7.5, 12.5, 17.5

    const HWND unscaled = form_->AddControl("STATIC", nullptr, 3, "", 5, 3, 7, 9, kDefaultStyle, kDefaultStyle,
                                            nullptr, nullptr, true);
    EXPECT_EQ(ChildRect(unscaled), (Rect{5, 3, 12, 12}));
}

TEST_F(FormTest, ScreenDpiOf144GivesTheSameHalvesAsAskingForIt) {
    if (ExpectedDpi() != 144) GTEST_SKIP() << "runs in the 144 DPI prefix";
    ASSERT_TRUE(Create(400, 300, true));
    const HWND control = form_->AddControl("STATIC", nullptr, 1, "", 5, 3, 7, 9, kDefaultStyle, kDefaultStyle,
                                           nullptr, nullptr, false);
    EXPECT_EQ(ChildRect(control), (Rect{8, 4, 18, 18}));
}

TEST_F(FormTest, ZeroWidthLeavesPositionAndSizeToWindows) {
    form_ = CWindow::Create();
    const HWND window = form_->CreateForm(nullptr, "Default", 0, 0, 0, 0, 0, 0, nullptr, false);
    ASSERT_TRUE(window);
    const Rect rect = WindowRect(window);
    EXPECT_GT(rect.Width(), 0);
    EXPECT_GT(rect.Height(), 0);
}

TEST_F(FormTest, DefaultStylesAreAnOverlappedWindowAndAControlParent) {
    const HWND window = Create();
    ASSERT_TRUE(window);
    EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE) & 0x06CF0000, 0x06CF0000);
    EXPECT_EQ(GetWindowLongPtrA(window, GWL_EXSTYLE) & 0x00010100, 0x00010100);
}

TEST_F(FormTest, CreateFormActsOnce) {
    const HWND window = Create();
    ASSERT_TRUE(window);
    const std::string name = form_->ClassName();
    EXPECT_EQ(form_->CreateForm(nullptr, "Again", 0, 0, 100, 100, 0, 0, nullptr, false), window);
    EXPECT_EQ(form_->ClassName(), name);
    form_->SetHandle(nullptr);
    EXPECT_EQ(form_->GetHandle(), window);
}

TEST_F(FormTest, ClassStyleBackgroundAndIconsAreTheForms) {
    const HWND window = Create();
    ASSERT_TRUE(window);
    EXPECT_EQ(form_->GetClassStyle(), static_cast<DWORD>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
    EXPECT_EQ(form_->GetBackgroundBrush(), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    form_->SetClassStyle(CS_HREDRAW);
    EXPECT_EQ(form_->GetClassStyle(), static_cast<DWORD>(CS_HREDRAW));
    form_->SetBackgroundBrush(reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    EXPECT_EQ(form_->GetBackgroundBrush(), reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));

    const HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
    form_->SetSmallIcon(icon);
    form_->SetBigIcon(icon);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0)), icon);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0)), icon);
}

TEST(CWindowWithoutWindow, ClassOperationsDoNothing) {
    const CWindowRef form = CWindow::Create();
    EXPECT_EQ(form->GetHandle(), nullptr);
    EXPECT_EQ(form->GetClassStyle(), 0u);
    EXPECT_EQ(form->GetBackgroundBrush(), nullptr);
    form->SetClassStyle(CS_HREDRAW);
    form->SetBackgroundBrush(nullptr);
}

// The form procedure of the next test: adds a control while the window is made.
CWindow* gObjectInCreate = nullptr;
LRESULT CALLBACK AddsAControlOnCreate(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const CWindowRef object = ObjectFromCreateData(reinterpret_cast<const CREATESTRUCTA*>(lParam));
        gObjectInCreate = object.get();
        if (!object) return -1;
        EXPECT_FALSE(ObjectOfWindow(window));  // the class learns its object only afterwards
        object->SetHandle(window);
        object->AddControl("BUTTON", nullptr, 1001, "Go", 10, 10, 80, 24, kDefaultStyle, kDefaultStyle, nullptr,
                           nullptr, true);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(FormTest, FormProcedureFindsItsObjectDuringAndAfterCreation) {
    const HWND window = Create(635, 500, false, AddsAControlOnCreate);
    ASSERT_TRUE(window);
    EXPECT_EQ(gObjectInCreate, form_.get());
    EXPECT_EQ(form_->GetHandle(), window);
    const HWND button = GetDlgItem(window, 1001);
    ASSERT_TRUE(button);
    EXPECT_EQ(ObjectOfWindow(window).get(), form_.get());
    EXPECT_EQ(ObjectOfWindow(button).get(), form_.get());  // through its root
    EXPECT_FALSE(ObjectOfWindow(nullptr));
    EXPECT_FALSE(ObjectFromCreateData(nullptr));
    CREATESTRUCTA noData{};
    EXPECT_FALSE(ObjectFromCreateData(&noData));
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

TEST_F(FormTest, CentreKeepsTheFormInsideTheWorkArea) {
    const WorkArea area({0, 0, 1000, 700});
    const HWND window = Create(794, 625, true);
    ASSERT_TRUE(window);
    form_->Centre(nullptr, nullptr);
    EXPECT_EQ(WindowRect(window), (Rect{103, 37, 103 + 794, 37 + 625}));  // 37.5

    SetWindowPos(window, nullptr, 0, 0, 1200, 800, SWP_NOMOVE | SWP_NOZORDER);
    form_->Centre(nullptr, nullptr);
    EXPECT_EQ(WindowRect(window).left, 0);
    EXPECT_EQ(WindowRect(window).top, 0);
}

TEST_F(FormTest, CentreOverAnotherWindowAndForAChild) {
    ASSERT_TRUE(Create(200, 100, true));
    const UniqueWindow host{CreateWindowExA(0, "STATIC", "", WS_POPUP, 100, 100, 300, 200, nullptr,
                                            nullptr, GetModuleHandleA(nullptr), nullptr)};
    form_->Centre(nullptr, host.get());
    EXPECT_EQ(WindowRect(form_->GetHandle()), (Rect{150, 150, 350, 250}));

    const HWND child = test::MakeChild(host.get(), "STATIC", 0, 0, 60, 40);
    form_->Centre(child, host.get());
    EXPECT_EQ(ChildRect(child), (Rect{120, 80, 180, 120}));
}

TEST_F(FormTest, AddControlDefaultsAndSubclassing) {
    ASSERT_TRUE(Create(400, 300, true));
    const HWND control = form_->AddControl("EDIT", nullptr, 1005, "text", 1, 2, 30, 20, kDefaultStyle,
                                           kDefaultStyle, nullptr, test::ProbeProc, true);
    ASSERT_TRUE(control);
    EXPECT_EQ(GetParent(control), form_->GetHandle());
    EXPECT_EQ(GetDlgCtrlID(control), 1005);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE)) & (WS_CHILD | WS_VISIBLE | WS_TABSTOP),
              static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP));
    EXPECT_EQ(GetWindowLongPtrA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC)), test::ProbeProc);
    EXPECT_NE(GetPropA(control, kOldWndProcProperty), nullptr);

    const HWND plain = form_->AddControl("STATIC", nullptr, 1006, "", 1, 2, 30, 20, WS_DISABLED, 0, nullptr,
                                         nullptr, true);
    EXPECT_TRUE(GetWindowLongPtrA(plain, GWL_STYLE) & WS_CHILD);
    EXPECT_FALSE(IsWindowVisible(plain));
    EXPECT_EQ(GetPropA(plain, kOldWndProcProperty), nullptr);

    EXPECT_EQ(form_->AddControl("NoSuchClass", nullptr, 1007, "", 0, 0, 1, 1, kDefaultStyle, kDefaultStyle,
                                nullptr, test::ProbeProc, true),
              nullptr);
}

TEST_F(FormTest, TooltipIsATopmostToolForTheControl) {
    ASSERT_TRUE(Create(400, 300, true));
    const HWND control = form_->AddControl("BUTTON", nullptr, 1, "Go", 10, 10, 80, 24, kDefaultStyle,
                                           kDefaultStyle, nullptr, nullptr, true);
    EXPECT_FALSE(form_->AddTooltip(nullptr, "none", false, false));

    const std::string text(100, 't');
    const UniqueWindow tooltip = form_->AddTooltip(control, text, true, true);
    ASSERT_TRUE(tooltip);
    char className[64] = {};
    GetClassNameA(tooltip.get(), className, sizeof className);
    EXPECT_STREQ(className, TOOLTIPS_CLASSA);
    EXPECT_TRUE(GetWindowLongPtrA(tooltip.get(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongPtrA(tooltip.get(), GWL_STYLE) & TTS_BALLOON);
    EXPECT_EQ(GetParent(tooltip.get()), nullptr);
    EXPECT_EQ(SendMessageA(tooltip.get(), TTM_GETTOOLCOUNT, 0, 0), 1);

    char shown[128] = {};
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = control;
    tool.uId = 0;
    tool.lpszText = shown;
    SendMessageA(tooltip.get(), TTM_GETTEXTA, sizeof shown, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::string(shown), std::string(79, 't'));
}

TEST_F(FormTest, DefaultFormProcClosesOnEscapeAndEndsTheLoop) {
    const HWND window = Create(200, 100, true);
    ASSERT_TRUE(window);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
    EXPECT_TRUE(IsWindow(window));
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED + 1), 0);
    EXPECT_TRUE(IsWindow(window));
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(test::PumpMessages());
}

TEST_F(FormTest, DefaultFormProcClosesOnTheSystemMenusClose) {
    const HWND window = Create(200, 100, true);
    ASSERT_TRUE(window);
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE | 0x2, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(test::PumpMessages());
}

TEST(ListBoxSelect, SelectsOneItemOrNone) {
    const UniqueWindow host = test::MakeTestForm(200, 200);
    const HWND single = test::MakeChild(host.get(), "LISTBOX", 0, 0, 100, 100, WS_VISIBLE | LBS_NOTIFY);
    for (const char* line : {"a", "b", "c"}) SendMessageA(single, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    EXPECT_EQ(ListBoxSelect(single, 2), 2);
    EXPECT_EQ(SendMessageA(single, LB_GETCURSEL, 0, 0), 2);
    ListBoxSelect(single, -1);
    EXPECT_EQ(SendMessageA(single, LB_GETCURSEL, 0, 0), LB_ERR);

    const HWND multiple = test::MakeChild(host.get(), "LISTBOX", 100, 0, 100, 100, WS_VISIBLE | LBS_MULTIPLESEL);
    for (const char* line : {"a", "b", "c"}) SendMessageA(multiple, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    SendMessageA(multiple, LB_SETSEL, TRUE, 0);
    ListBoxSelect(multiple, 1);
    EXPECT_EQ(SendMessageA(multiple, LB_GETSELCOUNT, 0, 0), 1);
    EXPECT_GT(SendMessageA(multiple, LB_GETSEL, 1, 0), 0);
    ListBoxSelect(multiple, -1);
    EXPECT_EQ(SendMessageA(multiple, LB_GETSELCOUNT, 0, 0), 0);
}

}  // namespace
}  // namespace trelvane
