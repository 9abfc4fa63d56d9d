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
#include "WindowsText.h"

namespace trelvane {
namespace {

using namespace control_id;

TEST(MainForm, ButtonsListsAndCountsSayWhatTheyAreAndFolderBoxesShowACueWhileEmpty) {
    std::optional<MainFormWindow> main = MakeMainForm({});
    ASSERT_TRUE(main);
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
    const HWND prior = GetDlgItem(main->form, kPriorFolderBox);
    ASSERT_TRUE(SendMessageW(prior, EM_GETCUEBANNER, reinterpret_cast<WPARAM>(cue), 128));
    EXPECT_STREQ(cue, L"Folder of the prior season (holds KOVPLYR.DAT)");
    EXPECT_EQ(GetWindowTextLengthW(prior), 0) << "a cue is not the box's text";

    // Stretched with the form, each control's tip covers it to its new
    // corner.
    SetWindowPos(main->form, nullptr, 0, 0, 1270, 1000, SWP_NOMOVE | SWP_NOZORDER);
    const HWND list = GetDlgItem(main->form, kDepartedList);
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

    DestroyWindow(main->form);
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // the form's own, for no loop here
}

// Each control's place and size in the form's client area, and its font's
// height, in identifier order.
std::vector<std::array<LONG, 5>> Layout(HWND form) {
    std::vector<std::array<LONG, 5>> layout;
    for (int id = kFirst; id <= kLast; ++id) {
        const HWND control = GetDlgItem(form, id);
        RECT rect{};
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&rect), 2);
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
        layout.push_back({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, font.lfHeight});
    }
    return layout;
}

// Moved to a monitor at 144 DPI, the form is what a start at 144 DPI makes
// (45 * 1.5 = 67.5 rounds to 68, 35 * 1.5 = 52.5 to 52); moved back, what
// it was.
TEST(MainForm, ADpiChangeLaysOutAndSizesAsAStartAtThatDpiAndBack) {
    std::optional<MainFormWindow> main = MakeMainForm({});
    ASSERT_TRUE(main);
    const std::vector<std::array<LONG, 5>> first = Layout(main->form);
    RECT outer{};
    GetWindowRect(main->form, &outer);
    const RECT suggested{outer.left, outer.top, outer.left + 952, outer.top + 750};
    SendMessageW(main->form, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    const std::vector<std::array<LONG, 5>> at144 = {
        {204, 192, 105, 45, -24},  {600, 195, 105, 45, -24}, {264, 612, 180, 68, -20}, {468, 612, 180, 68, -20},
        {672, 612, 180, 68, -20},  {516, 12, 300, 52, -18},  {516, 72, 300, 52, -18},  {516, 132, 300, 52, -18},
        {60, 12, 450, 52, -22},    {60, 72, 450, 52, -22},   {60, 132, 450, 52, -22},  {60, 612, 180, 68, -20},
        {468, 252, 450, 360, -16}, {9, 252, 456, 360, -16}};
    EXPECT_EQ(Layout(main->form), at144);
    SendMessageW(main->form, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&outer));
    EXPECT_EQ(Layout(main->form), first);
    DestroyWindow(main->form);
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

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

TEST(MainForm, AFolderDroppedOnAFolderBoxPutsItsPathThereAndAFileItsFolder) {
    std::optional<MainFormWindow> main = MakeMainForm({});
    ASSERT_TRUE(main);
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
        const HWND box = GetDlgItem(main->form, drop.box);
        SendMessageW(box, WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(drop.dropped)), 0);
        wchar_t text[MAX_PATH] = {};
        GetWindowTextW(box, text, MAX_PATH);
        EXPECT_EQ(text, drop.shown) << drop.box;
    }
    DestroyWindow(main->form);
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace
}  // namespace trelvane
