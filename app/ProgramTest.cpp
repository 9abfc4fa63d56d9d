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
#include "MainFormLayout.h"
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
    PostMessageW(program.Form(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
    EXPECT_EQ(FileBytes(work / "Trelvane.txt"), before);
}

TEST_F(ProgramTest, ControlsSitAtTheirScaledRectanglesAndStretchWithTheForm) {
    ProgramDriver program(work.Path());
    const int dpi = ScreenDpi();
    RECT form;
    GetWindowRect(program.Form(), &form);
    EXPECT_EQ(form.right - form.left, testing::Scaled(kMainFormWidth, dpi));
    EXPECT_EQ(form.bottom - form.top, testing::Scaled(kMainFormHeight, dpi));

    RECT client;
    GetClientRect(program.Form(), &client);
    for (const ControlLayout& layout : kMainFormControls) {
        const RECT rect = RectInForm(program.Form(), program.Control(layout.id));
        EXPECT_EQ(rect.left, testing::Scaled(layout.left, dpi)) << layout.id;
        EXPECT_EQ(rect.top, testing::Scaled(layout.top, dpi)) << layout.id;
        EXPECT_EQ(rect.right - rect.left, testing::Scaled(layout.width, dpi)) << layout.id;
        EXPECT_EQ(rect.bottom - rect.top, testing::Scaled(layout.height, dpi)) << layout.id;
    }

    // Twice as wide and as high: every edge follows the client area.
    SetWindowPos(program.Form(), nullptr, 0, 0, (form.right - form.left) + client.right,
                 (form.bottom - form.top) + client.bottom, SWP_NOMOVE | SWP_NOZORDER);
    program.Sync();
    RECT bigger;
    GetClientRect(program.Form(), &bigger);
    const double sx = double(bigger.right) / client.right, sy = double(bigger.bottom) / client.bottom;
    ASSERT_GT(sx, 1.5);
    for (const ControlLayout& layout : kMainFormControls) {
        const RECT rect = RectInForm(program.Form(), program.Control(layout.id));
        EXPECT_NEAR(rect.left, testing::Scaled(layout.left, dpi) * sx, 1.5) << layout.id;
        EXPECT_NEAR(rect.bottom, testing::Scaled(layout.top + layout.height, dpi) * sy, 1.5) << layout.id;
    }
}

// Run in a prefix whose screen has 120 DPI: scale 1.25, and 45 * 1.25 =
// 56.25 rounds to 56.
TEST_F(ProgramTest, At120DpiTheFormAndProcessButtonHaveTheirScaledSizes) {
    if (ScreenDpi() != 120) GTEST_SKIP() << "the screen has " << ScreenDpi() << " DPI";
    ProgramDriver program(work.Path());
    RECT form;
    GetWindowRect(program.Form(), &form);
    EXPECT_EQ(form.right - form.left, 794);
    EXPECT_EQ(form.bottom - form.top, 625);
    const RECT button = RectInForm(program.Form(), program.Control(kProcessButton));
    EXPECT_EQ(button.left, 50);
    EXPECT_EQ(button.top, 510);
    EXPECT_EQ(button.right - button.left, 150);
    EXPECT_EQ(button.bottom - button.top, 56);
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
