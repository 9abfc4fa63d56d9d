// trelvane.exe itself, driven from outside under Windows or Wine: real
// windows, real dialogs, real files.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "ControlIds.h"
#include "DemoSeasons.h"
#include "ListLine.h"
#include "ProgramDriver.h"
#include "SeasonComparison.h"
#include "TempFolder.h"
#include "TestFiles.h"

namespace trelvane {
namespace {

namespace fs = std::filesystem;
using namespace control_id;
using testing::FileBytes;
using testing::ProgramDriver;
using testing::PutFile;
using testing::TempFolder;

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

RECT RectInForm(HWND form, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// Where a window is and how big, in pixels at 96 and at 120 DPI.
struct Box {
    int left, top, width, height;
};
struct Boxes {
    Box at96, at120;
    const Box& AtScreenDpi() const { return ScreenDpi() == 120 ? at120 : at96; }
};

// What the program shows, written out by hand: a slip in the program's
// layout table must not carry over into what it is checked against.
// Edit box:    WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL
// Wide button: WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_TOP | BS_MULTILINE | BS_NOTIFY
// Folder button: ... | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_NOTIFY
// List box: ... | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | LBS_NOSEL, and WS_VSCROLL, which Windows
// clears while the list fits the box
constexpr LONG kEdit = 0x50010080, kWide = 0x50016700, kFolder = 0x50014F00, kList = 0x50014103;
constexpr LONG kEdge = WS_EX_CLIENTEDGE;
struct ControlShown {
    int id;
    const wchar_t* className;
    LONG style, exStyle;
    const wchar_t* caption;  // null: the box shows a folder from the settings
};
constexpr ControlShown kControlsShown[] = {
    {kDepartedCountBox, L"Edit", kEdit, kEdge, L""},
    {kArrivalsCountBox, L"Edit", kEdit, kEdge, L""},
    {kPriorExportButton, L"Button", kWide, 0, L"Prior Season Names to a File"},
    {kCurrentExportButton, L"Button", kWide, 0, L"Current Season Names to a File"},
    {kExitButton, L"Button", kWide, 0, L"Exit"},
    {kMainFolderButton, L"Button", kFolder, 0, L"Point to KOV Folder"},
    {kPriorFolderButton, L"Button", kFolder, 0, L"Point to Prior Season Folder"},
    {kCurrentFolderButton, L"Button", kFolder, 0, L"Point to Current Season Folder"},
    {kMainFolderBox, L"Edit", kEdit, kEdge, nullptr},
    {kPriorFolderBox, L"Edit", kEdit, kEdge, nullptr},
    {kCurrentFolderBox, L"Edit", kEdit, kEdge, nullptr},
    {kProcessButton, L"Button", kWide, 0, L"Process"},
    {kArrivalsList, L"ListBox", kList, kEdge, L""},
    {kDepartedList, L"ListBox", kList, kEdge, L""},
};
struct ControlAt {
    int id;
    Boxes box;
};
constexpr ControlAt kControlsAt[] = {
    {kDepartedCountBox, {{136, 128, 70, 30}, {170, 160, 88, 38}}},
    {kArrivalsCountBox, {{400, 130, 70, 30}, {500, 162, 88, 38}}},
    {kPriorExportButton, {{176, 408, 120, 45}, {220, 510, 150, 56}}},
    {kCurrentExportButton, {{312, 408, 120, 45}, {390, 510, 150, 56}}},
    {kExitButton, {{448, 408, 120, 45}, {560, 510, 150, 56}}},
    {kMainFolderButton, {{344, 8, 200, 35}, {430, 10, 250, 44}}},
    {kPriorFolderButton, {{344, 48, 200, 35}, {430, 60, 250, 44}}},
    {kCurrentFolderButton, {{344, 88, 200, 35}, {430, 110, 250, 44}}},
    {kMainFolderBox, {{40, 8, 300, 35}, {50, 10, 375, 44}}},
    {kPriorFolderBox, {{40, 48, 300, 35}, {50, 60, 375, 44}}},
    {kCurrentFolderBox, {{40, 88, 300, 35}, {50, 110, 375, 44}}},
    // 45 * 1.25 = 56.25 rounds to 56.
    {kProcessButton, {{40, 408, 120, 45}, {50, 510, 150, 56}}},
    {kArrivalsList, {{312, 168, 300, 240}, {390, 210, 375, 300}}},
    {kDepartedList, {{6, 168, 304, 240}, {8, 210, 380, 300}}},
};
// The form's outer size.
constexpr Boxes kFormShown{{0, 0, 635, 500}, {0, 0, 794, 625}};

HWND FocusOf(const ProgramDriver& program) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(program.Form(), nullptr), &info);
    return info.hwndFocus;
}

void PostKey(HWND target, WPARAM key) {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

// Presses Tab and waits for the focus to move: keys go through the
// program's queue, behind everything posted before them.
void TabAndWait(const ProgramDriver& program) {
    const HWND before = FocusOf(program);
    PostKey(before, VK_TAB);
    for (int i = 0; i < 250 && FocusOf(program) == before; ++i) Sleep(20);
}

// Fills the save dialog's file name and confirms it.
void SaveAs(const ProgramDriver& program, const std::wstring& title, const fs::path& file) {
    const HWND dialog = program.WaitForDialog(title);
    ASSERT_NE(dialog, nullptr) << "no save dialog";
    HWND name = GetDlgItem(dialog, 0x47C);  // cmb13: the file name box
    if (!name) name = GetDlgItem(dialog, 0x480);
    ASSERT_NE(name, nullptr);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.wstring().c_str()));
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    for (int i = 0; i < 500 && IsWindow(dialog); ++i) Sleep(20);
    program.Sync();
}

void Cancel(HWND dialog) {
    PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    for (int i = 0; i < 500 && IsWindow(dialog); ++i) Sleep(20);
}

// A working folder with a demo pair of seasons and a settings file naming
// them.
class ProgramTest : public ::testing::Test {
protected:
    TempFolder work;
    fs::path prior = work / "prior";
    fs::path current = work / "current";
    SeasonComparison expected;

    void SetUp() override {
        const auto seasons = tools::MakeDemoSeasons({.seed = 9, .players = 500, .teams = 20});
        ASSERT_TRUE(tools::WriteSeason(prior, seasons.prior));
        ASSERT_TRUE(tools::WriteSeason(current, seasons.current));
        PutFile(work / "Trelvane.txt", "\"C:\\KOV11\",\"" + prior.string() + "\",\"" + current.string() + "\"\r\n");
        expected = CompareSeasons(prior.string(), current.string());
    }

    std::vector<std::string> Expected(int list) {
        std::vector<std::string> lines;
        const LineBatch batch = list == kDepartedList ? DepartedLines(expected) : ArrivalLines(expected);
        for (std::size_t i = 0; i < batch.Count(); ++i) lines.emplace_back(batch[i]);
        return lines;
    }
};

TEST(ProgramFile, CarriesItsManifestAndVersion1000) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring program = (fs::path(self).parent_path() / L"trelvane.exe").wstring();

    const HMODULE image = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(image, nullptr);
    const HRSRC manifest = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(manifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(image, manifest))),
                           SizeofResource(image, manifest));
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(text.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>"),
              std::string::npos);
    EXPECT_NE(text.find("level=\"asInvoker\" uiAccess=\"false\""), std::string::npos);
    FreeLibrary(image);

    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeW(program.c_str(), &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
}

TEST_F(ProgramTest, OpensWithTheSavedFoldersAndEmptyListsAndFocusOnTheDepartedCount) {
    ProgramDriver program(work.Path());
    EXPECT_EQ(program.Text(kMainFolderBox), "C:\\KOV11");
    EXPECT_EQ(program.Text(kPriorFolderBox), prior.string());
    EXPECT_EQ(program.Text(kCurrentFolderBox), current.string());
    EXPECT_EQ(program.Lines(kDepartedList).size(), 0u);
    // The window manager may activate the new window a moment after it shows.
    for (int i = 0; i < 100 && !FocusOf(program); ++i) Sleep(20);
    EXPECT_EQ(FocusOf(program), program.Control(kDepartedCountBox));
    wchar_t caption[128];
    GetWindowTextW(program.Form(), caption, 128);
    EXPECT_STREQ(caption, L"KOV (V11) Utility - Trelvane");
}

TEST_F(ProgramTest, ProcessFillsBothListsAndCountsAndAgainGivesTheSame) {
    ProgramDriver program(work.Path());
    program.Click(kProcessButton);
    EXPECT_EQ(program.Lines(kDepartedList), Expected(kDepartedList));
    EXPECT_EQ(program.Lines(kArrivalsList), Expected(kArrivalsList));
    EXPECT_EQ(program.Text(kDepartedCountBox), CountText(expected.departed.size()));
    EXPECT_EQ(program.Text(kArrivalsCountBox), CountText(expected.arrived.size()));
    EXPECT_GT(program.Lines(kDepartedList).size(), 20u);
    EXPECT_EQ(GetWindowLongW(program.Control(kDepartedList), GWL_STYLE), kList | WS_VSCROLL) << "more than it shows";

    // The same folder on both sides: nothing departed, nothing arrived.
    program.SetText(kCurrentFolderBox, prior.string());
    program.Click(kProcessButton);
    EXPECT_EQ(program.Lines(kDepartedList).size(), 0u);
    EXPECT_EQ(program.Text(kDepartedCountBox), " 0");
    EXPECT_EQ(program.Text(kArrivalsCountBox), " 0");
    EXPECT_FALSE(fs::exists(prior / "KOVPLYR.DAT") && fs::file_size(prior / "KOVPLYR.DAT") == 0);
}

TEST_F(ProgramTest, ExportsWriteTheirListsThroughTheSaveDialogAndCancelWritesNothing) {
    ProgramDriver program(work.Path());
    program.Click(kProcessButton);

    program.Press(kPriorExportButton);
    SaveAs(program, L"FILE FOR PRIOR PLAYERS", work / "departed.txt");
    std::string departed;
    for (const std::string& line : Expected(kDepartedList)) departed += line + "\r\n";
    EXPECT_EQ(FileBytes(work / "departed.txt"), departed);

    // A name typed without an extension gets .txt.
    program.Press(kCurrentExportButton);
    SaveAs(program, L"FILE FOR CURRENT PLAYERS", work / "arrivals");
    std::string arrivals;
    for (const std::string& line : Expected(kArrivalsList)) arrivals += line + "\r\n";
    EXPECT_EQ(FileBytes(work / "arrivals.txt"), arrivals);

    const auto before = std::distance(fs::directory_iterator(work.Path()), fs::directory_iterator());
    program.Press(kPriorExportButton);
    const HWND dialog = program.WaitForDialog(L"FILE FOR PRIOR PLAYERS");
    ASSERT_NE(dialog, nullptr);
    Cancel(dialog);
    program.Sync();
    EXPECT_EQ(std::distance(fs::directory_iterator(work.Path()), fs::directory_iterator()), before);
    // The dialog did not move the program's current folder.
    program.Click(kExitButton);
    EXPECT_EQ(program.WaitForExit(), 0u);
    EXPECT_EQ(FileBytes(work / "Trelvane.txt"),
              "\"C:\\KOV11\",\"" + prior.string() + "\",\"" + current.string() + "\"\r\n");
}

TEST_F(ProgramTest, BrowserFillsOnlyItsOwnBoxAndCancelKeepsIt) {
    fs::create_directories("C:\\KOV11");
    ProgramDriver program(work.Path());
    program.SetText(kMainFolderBox, "main before");

    program.Press(kPriorFolderButton);
    HWND browser = program.WaitForDialog(L"");
    ASSERT_NE(browser, nullptr);
    Sleep(500);  // the browser selects its start folder once it is up
    PostMessageW(GetDlgItem(browser, IDOK), BM_CLICK, 0, 0);
    for (int i = 0; i < 500 && IsWindow(browser); ++i) Sleep(20);
    program.Sync();
    EXPECT_EQ(program.Text(kPriorFolderBox), "C:\\KOV11");
    EXPECT_EQ(program.Text(kMainFolderBox), "main before");
    EXPECT_EQ(program.Text(kCurrentFolderBox), current.string());

    program.Press(kCurrentFolderButton);
    browser = program.WaitForDialog(L"");
    ASSERT_NE(browser, nullptr);
    Cancel(browser);
    program.Sync();
    EXPECT_EQ(program.Text(kCurrentFolderBox), current.string());
}

TEST_F(ProgramTest, ExitSavesTheFoldersAndEndsWithZero) {
    ProgramDriver program(work.Path());
    program.SetText(kMainFolderBox, "C:\\KOV11");
    program.SetText(kPriorFolderBox, "");
    program.SetText(kCurrentFolderBox, "D:\\Seasons\\2025, spring");
    program.Click(kExitButton);
    EXPECT_EQ(program.WaitForExit(), 0u);
    EXPECT_EQ(FileBytes(work / "Trelvane.txt"), "\"C:\\KOV11\",\"\",\"D:\\Seasons\\2025, spring\"\r\n");
}

TEST_F(ProgramTest, CloseBoxLeavesTheSettingsFileAndEndsWithZero) {
    const std::string before = FileBytes(work / "Trelvane.txt");
    ProgramDriver program(work.Path());
    program.SetText(kPriorFolderBox, "changed");
    // Other system commands do not close it.
    SendMessageW(program.Form(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(program.Form()));
    EXPECT_TRUE(program.Running());
    PostMessageW(program.Form(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
    EXPECT_EQ(FileBytes(work / "Trelvane.txt"), before);
}

TEST_F(ProgramTest, FormAndControlsHaveTheirClassesStylesAndCaptions) {
    ProgramDriver program(work.Path());
    const HWND form = program.Form();
    EXPECT_EQ(ClassOf(form), L"FORM_KOV_TRELVANE_FORM1_CLASS:0");
    EXPECT_EQ(GetClassLongW(form, GCL_STYLE), static_cast<DWORD>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
    // WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
    // WS_MINIMIZEBOX | WS_MAXIMIZEBOX
    EXPECT_EQ(GetWindowLongW(form, GWL_STYLE), static_cast<LONG>(0x96CF0000));
    EXPECT_EQ(GetWindowLongW(form, GWL_EXSTYLE), WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE);
    EXPECT_EQ(TextOf(form), L"KOV (V11) Utility - Trelvane");
    for (const ControlShown& shown : kControlsShown) {
        const HWND control = program.Control(shown.id);
        EXPECT_EQ(ClassOf(control), shown.className) << shown.id;
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE), shown.style) << shown.id;
        EXPECT_EQ(GetWindowLongW(control, GWL_EXSTYLE), shown.exStyle) << shown.id;
        if (shown.caption) {
            EXPECT_EQ(TextOf(control), shown.caption) << shown.id;
        }
    }
}

TEST_F(ProgramTest, ControlsSitAtTheirScaledRectanglesAndStretchWithTheForm) {
    ProgramDriver program(work.Path());
    ASSERT_TRUE(ScreenDpi() == 96 || ScreenDpi() == 120) << "nothing expected at " << ScreenDpi() << " DPI";
    RECT form;
    GetWindowRect(program.Form(), &form);
    EXPECT_EQ(form.right - form.left, kFormShown.AtScreenDpi().width);
    EXPECT_EQ(form.bottom - form.top, kFormShown.AtScreenDpi().height);

    RECT client;
    GetClientRect(program.Form(), &client);
    for (const ControlAt& control : kControlsAt) {
        const RECT rect = RectInForm(program.Form(), program.Control(control.id));
        const Box& box = control.box.AtScreenDpi();
        EXPECT_EQ(rect.left, box.left) << control.id;
        EXPECT_EQ(rect.top, box.top) << control.id;
        EXPECT_EQ(rect.right - rect.left, box.width) << control.id;
        EXPECT_EQ(rect.bottom - rect.top, box.height) << control.id;
    }

    // Twice as wide and as high: every edge follows the client area.
    SetWindowPos(program.Form(), nullptr, 0, 0, (form.right - form.left) + client.right,
                 (form.bottom - form.top) + client.bottom, SWP_NOMOVE | SWP_NOZORDER);
    program.Sync();
    RECT bigger;
    GetClientRect(program.Form(), &bigger);
    const double sx = double(bigger.right) / client.right, sy = double(bigger.bottom) / client.bottom;
    ASSERT_GT(sx, 1.5);
    for (const ControlAt& control : kControlsAt) {
        const RECT rect = RectInForm(program.Form(), program.Control(control.id));
        const Box& box = control.box.AtScreenDpi();
        EXPECT_NEAR(rect.left, box.left * sx, 1.5) << control.id;
        EXPECT_NEAR(rect.bottom, (box.top + box.height) * sy, 1.5) << control.id;
    }
}

TEST_F(ProgramTest, TabVisitsTheControlsInIdentifierOrderAndWraps) {
    ProgramDriver program(work.Path());
    SetForegroundWindow(program.Form());
    program.Sync();
    ASSERT_EQ(FocusOf(program), program.Control(kDepartedCountBox));
    for (int id = kFirst + 1; id <= kLast + 1; ++id) {
        TabAndWait(program);
        const int expectedId = id > kLast ? kFirst : id;
        EXPECT_EQ(FocusOf(program), program.Control(expectedId)) << "after Tab, expected " << expectedId;
    }
}

// Returns once the program has handled every message posted to it so far:
// a selection posted behind them shows when they are done.
void WaitForPostedMessages(const ProgramDriver& program) {
    const HWND box = program.Control(kMainFolderBox);
    SendMessageW(box, EM_SETSEL, 0, 0);
    PostMessageW(box, EM_SETSEL, 1, 2);
    for (int i = 0; i < 250 && SendMessageW(box, EM_GETSEL, 0, 0) != MAKELRESULT(1, 2); ++i) Sleep(20);
}

TEST_F(ProgramTest, AFormDeactivatedWhileMinimisedTakesNoTabUntilActivatedAgain) {
    ProgramDriver program(work.Path());
    SetForegroundWindow(program.Form());
    program.Sync();
    ASSERT_EQ(FocusOf(program), program.Control(kDepartedCountBox));
    // The high word only says that the form is minimised.
    SendMessageW(program.Form(), WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, TRUE), 0);
    PostKey(FocusOf(program), VK_TAB);
    WaitForPostedMessages(program);
    EXPECT_EQ(FocusOf(program), program.Control(kDepartedCountBox));

    SendMessageW(program.Form(), WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, FALSE), 0);
    TabAndWait(program);
    EXPECT_EQ(FocusOf(program), program.Control(kArrivalsCountBox));
}

TEST_F(ProgramTest, EnterEscapeAndDoubleClickRunNothing) {
    const std::string before = FileBytes(work / "Trelvane.txt");
    ProgramDriver program(work.Path());
    SetForegroundWindow(program.Form());
    program.Sync();
    PostKey(FocusOf(program), VK_RETURN);
    PostKey(FocusOf(program), VK_ESCAPE);
    PostMessageW(program.Control(kProcessButton), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    PostMessageW(program.Control(kProcessButton), WM_LBUTTONUP, 0, 0);
    TabAndWait(program);  // everything posted before it has been handled
    ASSERT_NE(FocusOf(program), program.Control(kDepartedCountBox));
    EXPECT_TRUE(program.Running());
    EXPECT_EQ(program.Text(kDepartedCountBox), "");
    EXPECT_EQ(program.Lines(kDepartedList).size(), 0u);
    EXPECT_EQ(FileBytes(work / "Trelvane.txt"), before);
}

}  // namespace
}  // namespace trelvane
