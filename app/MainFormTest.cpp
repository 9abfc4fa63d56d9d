// The main form made in this process, as the program makes it, but not run.
#include "MainForm.h"

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "ControlIds.h"
#include "TestWindows.h"
#include "WindowQueries.h"
#include "WindowsText.h"

namespace trelvane {
namespace {

using namespace control_id;

// The form, made before each test, is destroyed after it, and the WM_QUIT
// it posts then taken: no loop runs here to take it.
class MainForm : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(main); }
    void TearDown() override {
        if (main) DestroyWindow(main->form);
        test::PumpMessages();
    }
    std::optional<MainFormWindow> main = MakeMainForm({});
};

// Items as Explorer drops them: DROPFILES and the paths in UTF-16, each
// ended by a zero, then one more.
HDROP DropOf(const std::wstring& paths) {
    const std::size_t size = sizeof(DROPFILES) + (paths.size() + 1) * sizeof(wchar_t);
    const HGLOBAL block = GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(block));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(drop + 1, paths.c_str(), (paths.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(block);
    return static_cast<HDROP>(block);
}

// Each control's place and size in the form's client area, and its font's
// height, in identifier order.
std::vector<std::array<LONG, 5>> Layout(HWND form) {
    std::vector<std::array<LONG, 5>> layout;
    for (int id = kFirst; id <= kLast; ++id) {
        const HWND control = GetDlgItem(form, id);
        const RECT rect = RectInParent(control);
        const LOGFONTW font = test::FontInfo(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        layout.push_back({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, font.lfHeight});
    }
    return layout;
}

// The form as it is designed, against literal values: a control given
// another's font, a class value, an edit box's margins or limit, an edge
// that stops following the form's size, a tip, a cue or a drop fails here.
TEST_F(MainForm, EachControlsFontTheFormClassTheEditBoxesEveryPlaceAfterADpiChangeAndAResizeTipsCuesAndDrops) {
    const HWND form = main->form;
    // At 96 DPI; buttons take Segoe UI for Tahoma on every Windows since
    // Vista. Then each control's four edges once the client area doubles.
    const struct {
        int id;
        const wchar_t* face;
        LONG height, weight;
        Rect doubled;
    } controls[] = {
        {kDepartedCountBox, L"Segoe UI", -16, FW_BOLD, {272, 256, 412, 316}},
        {kArrivalsCountBox, L"Tahoma", -16, FW_BOLD, {800, 260, 940, 320}},
        {kPriorExportButton, L"Segoe UI", -13, FW_BOLD, {352, 816, 592, 906}},
        {kCurrentExportButton, L"Segoe UI", -13, FW_BOLD, {624, 816, 864, 906}},
        {kExitButton, L"Segoe UI", -13, FW_BOLD, {896, 816, 1136, 906}},
        {kMainFolderButton, L"Segoe UI", -12, FW_BOLD, {688, 16, 1088, 86}},
        {kPriorFolderButton, L"Segoe UI", -12, FW_BOLD, {688, 96, 1088, 166}},
        {kCurrentFolderButton, L"Segoe UI", -12, FW_BOLD, {688, 176, 1088, 246}},
        {kMainFolderBox, L"Tahoma", -15, FW_BOLD, {80, 16, 680, 86}},
        {kPriorFolderBox, L"Tahoma", -15, FW_BOLD, {80, 96, 680, 166}},
        {kCurrentFolderBox, L"Tahoma", -15, FW_BOLD, {80, 176, 680, 246}},
        {kProcessButton, L"Segoe UI", -13, FW_BOLD, {80, 816, 320, 906}},
        {kArrivalsList, L"Courier New", -11, FW_NORMAL, {624, 336, 1224, 816}},
        {kDepartedList, L"Courier New", -11, FW_NORMAL, {12, 336, 620, 816}},
    };
    for (const auto& control : controls) {
        const HWND hwnd = GetDlgItem(form, control.id);
        const LOGFONTW font = test::FontInfo(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
        EXPECT_STREQ(font.lfFaceName, control.face) << control.id;
        EXPECT_EQ(font.lfHeight, control.height) << control.id;
        EXPECT_EQ(font.lfWeight, control.weight) << control.id;
        if (ClassNameOf(hwnd) == "Edit") {
            // No margins; as much text as a box can hold.
            EXPECT_EQ(SendMessageW(hwnd, EM_GETMARGINS, 0, 0), 0) << control.id;
            EXPECT_EQ(SendMessageW(hwnd, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE) << control.id;
        }
    }

    EXPECT_TRUE(ClassNameOf(form).starts_with("FORM_KOV_TRELVANE_FORM1_CLASS:")) << ClassNameOf(form);
    EXPECT_EQ(GetClassLongW(form, GCL_STYLE), static_cast<DWORD>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
    EXPECT_EQ(GetClassLongW(form, GCL_CBCLSEXTRA), 8u);
    EXPECT_EQ(GetClassLongW(form, GCL_CBWNDEXTRA), 4u);
    EXPECT_EQ(GetClassLongPtrW(form, GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
    EXPECT_EQ(GetClassLongPtrW(form, GCLP_HCURSOR), reinterpret_cast<LONG_PTR>(LoadCursorW(nullptr, IDC_ARROW)));
    EXPECT_EQ(GetClassLongPtrW(form, GCLP_HICON), 0);

    // Moved to a monitor at 144 DPI, the form is what a start at 144 DPI makes
    // (45 * 1.5 = 67.5 rounds to 68, 35 * 1.5 = 52.5 to 52); moved back, what
    // it was.
    const std::vector<std::array<LONG, 5>> first = Layout(form);
    RECT outer{};
    GetWindowRect(form, &outer);
    const RECT suggested{outer.left, outer.top, outer.left + 952, outer.top + 750};
    SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    const std::vector<std::array<LONG, 5>> at144 = {
        {204, 192, 105, 45, -24},  {600, 195, 105, 45, -24}, {264, 612, 180, 68, -20}, {468, 612, 180, 68, -20},
        {672, 612, 180, 68, -20},  {516, 12, 300, 52, -18},  {516, 72, 300, 52, -18},  {516, 132, 300, 52, -18},
        {60, 12, 450, 52, -22},    {60, 72, 450, 52, -22},   {60, 132, 450, 52, -22},  {60, 612, 180, 68, -20},
        {468, 252, 450, 360, -16}, {9, 252, 456, 360, -16}};
    EXPECT_EQ(Layout(form), at144);
    SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&outer));
    EXPECT_EQ(Layout(form), first);

    RECT client{};
    GetClientRect(form, &client);
    SetWindowPos(form, nullptr, 0, 0, outer.right - outer.left + client.right, outer.bottom - outer.top + client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER);
    for (const auto& control : controls) {
        EXPECT_EQ(ToRect(RectInParent(GetDlgItem(form, control.id))), control.doubled) << control.id;
    }

    // Stretched with the form, each control's tip covers it to its new
    // corner.
    const HWND list = GetDlgItem(form, kDepartedList);
    RECT area{};
    GetClientRect(list, &area);
    ASSERT_GT(area.right, 500);
    TTHITTESTINFOW hit{};
    hit.hwnd = list;
    hit.pt = {area.right - 2, area.bottom - 2};
    hit.ti.cbSize = TTTOOLINFOW_V2_SIZE;
    EXPECT_TRUE(std::ranges::any_of(main->tooltips, [&](const UniqueWindow& tooltip) {
        return SendMessageW(tooltip.get(), TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&hit)) != 0;
    }));

    // Buttons, lists and counts say what they are; folder boxes show a cue while empty and take drops.
    std::map<int, std::string> tips;
    for (const UniqueWindow& tooltip : main->tooltips) {
        wchar_t text[256] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.lpszText = text;
        ASSERT_TRUE(SendMessageW(tooltip.get(), TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)));
        tips[GetDlgCtrlID(reinterpret_cast<HWND>(tool.uId))] = Utf8FromWide(text);
    }
    // Every button, both lists and both counts, each with its own.
    ASSERT_EQ(tips.size(), 11u);
    for (const int box : {kMainFolderBox, kPriorFolderBox, kCurrentFolderBox}) EXPECT_EQ(tips.count(box), 0u);
    EXPECT_EQ(tips[kDepartedList], "Players in the prior season but not in the current one, with their prior team");
    EXPECT_EQ(tips[kPriorExportButton], "Saves the departed list (left) to a text file");
    EXPECT_EQ(tips[kArrivalsCountBox], "How many players are on the arrivals list below");

    wchar_t cue[128] = {};
    const HWND prior = GetDlgItem(form, kPriorFolderBox);
    ASSERT_TRUE(SendMessageW(prior, EM_GETCUEBANNER, reinterpret_cast<WPARAM>(cue), 128));
    EXPECT_STREQ(cue, L"Folder of the prior season (holds KOVPLYR.DAT)");
    EXPECT_EQ(GetWindowTextLengthW(prior), 0) << "a cue is not the box's text";

    // A folder dropped on a folder box puts its path there, a file its folder.
    wchar_t windows[MAX_PATH] = {}, system[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring kernel = std::wstring(system) + L"\\kernel32.dll";
    const struct {
        int box;
        std::wstring dropped, shown;
    } drops[] = {
        {kMainFolderBox, std::wstring(windows) + L'\0', windows},
        {kPriorFolderBox, kernel + L'\0', system},
        {kCurrentFolderBox, kernel + L'\0' + windows + L'\0', system},             // the first of two
        {kCurrentFolderBox, L"::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", system},  // no path: ignored
        {kDepartedCountBox, std::wstring(windows) + L'\0', {}},                    // not a folder box
    };
    for (const auto& drop : drops) {
        const HWND box = GetDlgItem(form, drop.box);
        SendMessageW(box, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(drop.dropped)), 0);
        wchar_t text[MAX_PATH] = {};
        GetWindowTextW(box, text, MAX_PATH);
        EXPECT_EQ(text, drop.shown) << drop.box;
    }
}

}  // namespace
}  // namespace trelvane
