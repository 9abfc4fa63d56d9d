// trelvane.exe itself, driven from outside under Windows or Wine: real
// windows, real dialogs, real files. What the commands do file by file is
// tested on the commands themselves; here, that each button reaches its
// command, the form as the user sees it, and what lies outside the window:
// folder names the ANSI code page cannot hold, a library planted beside the
// program.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "ControlIds.h"
#include "DemoSeasons.h"
#include "HeldFile.h"
#include "ListLine.h"
#include "ProgramDriver.h"
#include "SeasonComparison.h"
#include "SeasonFolders.h"
#include "TestFiles.h"
#include "TestWindows.h"
#include "WindowQueries.h"
#include "Windows1252.h"
#include "WindowsText.h"

namespace trelvane {
namespace {

namespace fs = std::filesystem;
using namespace control_id;
using test::ExpectedDpi;
using testing::AsStrings;
using testing::FileBytes;
using testing::FileNamesIn;
using testing::ProgramDriver;
using testing::PutFile;
using testing::WindowText;
using Names = std::vector<std::string>;

// How far a dialog's outer corner is right of and below the form's.
std::array<LONG, 2> OffsetFromForm(HWND dialog, HWND form) {
    RECT placed{}, at{};
    GetWindowRect(dialog, &placed);
    GetWindowRect(form, &at);
    return {placed.left - at.left, placed.top - at.top};
}

Names ComboItems(HWND combo) {
    Names items;
    for (LRESULT i = 0, count = SendMessageW(combo, CB_GETCOUNT, 0, 0); i < count; ++i) {
        wchar_t text[128] = {};
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.push_back(Utf8FromWide(text));
    }
    return items;
}

// Where a window is and how big, in pixels at 96 and at 120 DPI (the DPI
// the Wine prefix was made for).
struct Boxes {
    Placement at96, at120;
    const Placement& AtScreenDpi() const { return ExpectedDpi() == 120 ? at120 : at96; }
};

// What the program shows, written out by hand: a slip in the program's
// layout table must not carry over into what it is checked against.
// Edit box:    WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL
// Wide button: WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_TOP | BS_MULTILINE | BS_NOTIFY
// Folder button: ... | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_NOTIFY
// List box: ... | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | LBS_NOSEL, and WS_VSCROLL, which Windows
// clears while the list fits the box
struct Kind {
    const char* className;
    LONG style, exStyle;
};
// A folder box also takes a folder dropped on it (WS_EX_ACCEPTFILES).
constexpr Kind kEdit{"Edit", 0x50010080, WS_EX_CLIENTEDGE},
    kFolderBox{"Edit", 0x50010080, WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES}, kWide{"Button", 0x50016700, 0},
    kFolder{"Button", 0x50014F00, 0}, kList{"ListBox", 0x50014103, WS_EX_CLIENTEDGE};
struct ControlShown {
    int id;
    Kind kind;
    const wchar_t* caption;  // null: the box shows a folder from the settings
    Boxes box;
};
constexpr ControlShown kControlsShown[] = {
    {kDepartedCountBox, kEdit, L"", {{136, 128, 70, 30}, {170, 160, 88, 38}}},
    {kArrivalsCountBox, kEdit, L"", {{400, 130, 70, 30}, {500, 162, 88, 38}}},
    {kPriorExportButton, kWide, L"Prior Season Names to a File", {{176, 408, 120, 45}, {220, 510, 150, 56}}},
    {kCurrentExportButton, kWide, L"Current Season Names to a File", {{312, 408, 120, 45}, {390, 510, 150, 56}}},
    {kExitButton, kWide, L"Exit", {{448, 408, 120, 45}, {560, 510, 150, 56}}},
    {kMainFolderButton, kFolder, L"Point to KOV Folder", {{344, 8, 200, 35}, {430, 10, 250, 44}}},
    {kPriorFolderButton, kFolder, L"Point to Prior Season Folder", {{344, 48, 200, 35}, {430, 60, 250, 44}}},
    {kCurrentFolderButton, kFolder, L"Point to Current Season Folder", {{344, 88, 200, 35}, {430, 110, 250, 44}}},
    {kMainFolderBox, kFolderBox, nullptr, {{40, 8, 300, 35}, {50, 10, 375, 44}}},
    {kPriorFolderBox, kFolderBox, nullptr, {{40, 48, 300, 35}, {50, 60, 375, 44}}},
    {kCurrentFolderBox, kFolderBox, nullptr, {{40, 88, 300, 35}, {50, 110, 375, 44}}},
    // 45 * 1.25 = 56.25 rounds to 56.
    {kProcessButton, kWide, L"Process", {{40, 408, 120, 45}, {50, 510, 150, 56}}},
    {kArrivalsList, kList, L"", {{312, 168, 300, 240}, {390, 210, 375, 300}}},
    {kDepartedList, kList, L"", {{6, 168, 304, 240}, {8, 210, 380, 300}}},
};
// The form's outer size.
constexpr Boxes kFormShown{{0, 0, 635, 500}, {0, 0, 794, 625}};

// A list's lines as its export writes them, each ended by CR LF.
std::string ListFileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

void PostKey(HWND target, WPARAM key) {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

// Presses Tab and waits for the focus to move: keys go through the
// program's queue, behind everything posted before them.
void TabAndWait(const ProgramDriver& program) {
    const HWND before = program.Focused();
    PostKey(before, VK_TAB);
    for (int i = 0; i < 250 && program.Focused() == before; ++i) Sleep(20);
}

// Returns once the program has handled every message posted to it so far:
// a selection posted behind them shows when they are done.
void WaitForPostedMessages(const ProgramDriver& program) {
    const HWND box = program.Control(kMainFolderBox);
    SendMessageW(box, EM_SETSEL, 0, 0);
    PostMessageW(box, EM_SETSEL, 1, 2);
    for (int i = 0; i < 250 && SendMessageW(box, EM_GETSEL, 0, 0) != MAKELRESULT(1, 2); ++i) Sleep(20);
}

// A pair of demo seasons and a settings file naming them.
class ProgramTest : public ::testing::Test, public testing::SeasonFolders {
protected:
    std::string settingsText = "\"C:\\KOV11\",\"" + prior.string() + "\",\"" + current.string() + "\"\r\n";

    void SetUp() override {
        ASSERT_TRUE(Write(tools::MakeDemoSeasons({.seed = 9, .players = 500, .teams = 20})));
        PutFile(root / "Trelvane.txt", settingsText);
    }
};
// What does not depend on the screen (the lists' menu, the reports, the
// messages, names), run at 96 DPI only: a message box takes seconds to go
// without a window manager.
using ProgramAt96Test = ProgramTest;

TEST(ProgramFile, CarriesItsManifestAndVersion1000) {
    const std::wstring program = (testing::ProgramFolder() / L"trelvane.exe").wstring();

    const HMODULE image = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(image, nullptr);
    const HRSRC manifest = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(manifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(image, manifest))),
                           SizeofResource(image, manifest));
    for (const char* part :
         {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"",
          "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>",
          "level=\"asInvoker\" uiAccess=\"false\"", "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>"}) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
    FreeLibrary(image);

    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeW(program.c_str(), &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
}

// The form as it opens, the keys and the folder browsers before anything
// is processed, then Process and the exports, in one run of the program.
TEST_F(ProgramTest, OpensAsShownKeysRunNothingBrowsersFillTheirBoxesProcessFillsTheListsAndExportsWriteThem) {
    fs::create_directory(root / "lists");
    ProgramDriver program(root.Path());
    const HWND form = program.Form();
    // WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
    // WS_MINIMIZEBOX | WS_MAXIMIZEBOX
    EXPECT_EQ(GetWindowLongW(form, GWL_STYLE), static_cast<LONG>(0x96CF0000));
    EXPECT_EQ(GetWindowLongW(form, GWL_EXSTYLE), WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE);
    EXPECT_EQ(WindowText(form), L"KOV (V11) Utility - Trelvane");
    ASSERT_TRUE(ExpectedDpi() == 96 || ExpectedDpi() == 120) << "nothing expected at " << ExpectedDpi() << " DPI";
    RECT outer;
    GetWindowRect(form, &outer);
    EXPECT_EQ(outer.right - outer.left, kFormShown.AtScreenDpi().width);
    EXPECT_EQ(outer.bottom - outer.top, kFormShown.AtScreenDpi().height);
    for (const ControlShown& shown : kControlsShown) {
        const HWND control = program.Control(shown.id);
        EXPECT_EQ(ClassNameOf(control), shown.kind.className) << shown.id;
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE), shown.kind.style) << shown.id;
        EXPECT_EQ(GetWindowLongW(control, GWL_EXSTYLE), shown.kind.exStyle) << shown.id;
        if (shown.caption) {
            EXPECT_EQ(WindowText(control), shown.caption) << shown.id;
        }
        const Rect rect = ToRect(RectInParent(control));
        EXPECT_EQ((Placement{rect.left, rect.top, rect.Width(), rect.Height()}), shown.box.AtScreenDpi()) << shown.id;
    }
    // The window manager may activate the new window a moment after it shows.
    for (int i = 0; i < 100 && !program.Focused(); ++i) Sleep(20);
    ASSERT_EQ(program.Focused(), program.Control(kDepartedCountBox));

    // Keys move the focus in identifier order and run nothing.
    SetForegroundWindow(program.Form());
    program.Sync();
    PostKey(program.Focused(), VK_RETURN);
    PostKey(program.Focused(), VK_ESCAPE);
    PostMessageW(program.Control(kProcessButton), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    PostMessageW(program.Control(kProcessButton), WM_LBUTTONUP, 0, 0);
    for (int id = kFirst + 1; id <= kLast + 1; ++id) {
        TabAndWait(program);
        const int expectedId = id > kLast ? kFirst : id;
        EXPECT_EQ(program.Focused(), program.Control(expectedId)) << "after Tab, expected " << expectedId;
    }
    EXPECT_TRUE(program.Running());
    EXPECT_EQ(program.Text(kDepartedCountBox), "");
    EXPECT_EQ(program.Lines(kDepartedList).size(), 0u);

    // Deactivated while minimised (the high word says only that), the form
    // takes no Tab until it is activated again.
    SendMessageW(program.Form(), WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, TRUE), 0);
    PostKey(program.Focused(), VK_TAB);
    WaitForPostedMessages(program);
    EXPECT_EQ(program.Focused(), program.Control(kDepartedCountBox));
    SendMessageW(program.Form(), WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, FALSE), 0);
    TabAndWait(program);
    EXPECT_EQ(program.Focused(), program.Control(kArrivalsCountBox));

    // The browser opens at the box's folder (given here with a last
    // backslash, which the browser's path has not), or at C:\KOV11 when
    // there is none; it fills only its own box, and Cancel keeps it.
    fs::create_directories("C:\\KOV11");
    fs::create_directories("C:\\League 2025");
    const struct {
        int button, box;
        std::string before, after;
    } picks[] = {{kMainFolderButton, kMainFolderBox, "no such folder", "C:\\KOV11"},
                 {kPriorFolderButton, kPriorFolderBox, "C:\\League 2025\\", "C:\\League 2025"}};
    for (const auto& pick : picks) {
        program.SetText(pick.box, pick.before);
        program.Press(pick.button);
        HWND browser = program.WaitForDialog(L"");
        ASSERT_NE(browser, nullptr);
        Sleep(1000);  // the browser selects its start folder once it is up
        testing::PressAndWaitGone(browser, IDOK);
        program.Sync();
        EXPECT_EQ(program.Text(pick.box), pick.after);
    }

    program.Press(kCurrentFolderButton);
    const HWND browser = program.WaitForDialog(L"");
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(OffsetFromForm(browser, program.Form()), (std::array<LONG, 2>{10, 10}));
    testing::PressAndWaitGone(browser, IDCANCEL);
    program.Sync();
    EXPECT_EQ(program.Text(kCurrentFolderBox), current.string());
    program.SetText(kPriorFolderBox, prior.string());  // the season Process reads

    ASSERT_TRUE(program.Click(kProcessButton, 20000)) << "a message box after a full read";
    const SeasonComparison expected = CompareSeasons(prior.string(), current.string());
    EXPECT_EQ(program.Lines(kDepartedList), AsStrings(DepartedLines(expected)));
    EXPECT_EQ(program.Lines(kArrivalsList), AsStrings(ArrivalLines(expected)));
    EXPECT_EQ(program.Text(kDepartedCountBox), CountText(expected.departed.size()));
    EXPECT_EQ(program.Text(kArrivalsCountBox), CountText(expected.arrived.size()));
    EXPECT_EQ(GetWindowLongW(program.Control(kDepartedList), GWL_STYLE), kList.style | WS_VSCROLL)
        << "more than it shows";

    program.Press(kPriorExportButton);
    ASSERT_TRUE(program.SaveAs(L"FILE FOR PRIOR PLAYERS", root / "lists" / "departed.txt"));
    // A name typed without an extension gets .txt.
    program.Press(kCurrentExportButton);
    ASSERT_TRUE(program.SaveAs(L"FILE FOR CURRENT PLAYERS", root / "lists" / "arrivals"));
    EXPECT_FALSE(program.HasMessageBox());
    for (const auto& [list, file] :
         {std::pair{kDepartedList, "departed.txt"}, std::pair{kArrivalsList, "arrivals.txt"}}) {
        EXPECT_EQ(FileBytes(root / "lists" / file), ListFileBytes(program.Lines(list))) << file;
    }

    // Over a read-only file: told, and the file left as it was.
    PutFile(root / "lists" / "read-only.txt", "old list");
    SetFileAttributesW((root / "lists" / "read-only.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    program.Press(kPriorExportButton);
    EXPECT_NE(program.SaveOver(L"FILE FOR PRIOR PLAYERS", root / "lists" / "read-only.txt", IDYES), "");
    EXPECT_EQ(program.AnswerMessageBox(), "The list was not saved in " + (root / "lists" / "read-only.txt").string() +
                                              ": the file is read-only.\nNo file was changed.");
    SetFileAttributesW((root / "lists" / "read-only.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(FileBytes(root / "lists" / "read-only.txt"), "old list");

    program.Press(kPriorExportButton);
    const HWND dialog = program.WaitForDialog(L"FILE FOR PRIOR PLAYERS");
    ASSERT_NE(dialog, nullptr);
    // 20 pixels right of and below the form's corner; one type, text files.
    EXPECT_EQ(OffsetFromForm(dialog, program.Form()), (std::array<LONG, 2>{20, 20}));
    EXPECT_EQ(ComboItems(GetDlgItem(dialog, 0x470)), (Names{"*.txt"}));  // cmb1
    testing::PressAndWaitGone(dialog, IDCANCEL);
    // Exit writes the settings where the program started, not where the
    // dialog saved.
    program.Click(kExitButton);
    EXPECT_EQ(program.WaitForExit(), 0u);
    EXPECT_EQ(FileBytes(root / "Trelvane.txt"), settingsText);
    EXPECT_EQ(FileNamesIn(root / "lists"), (Names{"arrivals.txt", "departed.txt", "read-only.txt"}));
    EXPECT_EQ(FileNamesIn(root.Path()), (Names{"Trelvane.txt", "current", "lists", "prior"}));
}

void EmptyTheClipboard() {
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
}

// Folders with lower-case file names and a season without its team file,
// which Process does not read and the league report tells.
TEST_F(ProgramAt96Test, EachListCopiesAndSavesByMouseAndKeyboardAndTheLeagueReportIsTheCommandLines) {
    fs::rename(prior / "KOVPLYR.DAT", prior / "kovplyr.dat");
    fs::rename(prior / "KOVTEAM.DAT", prior / "kovteam.dat");
    fs::remove(current / "KOVTEAM.DAT");
    // Both programs run beside a library planted under the name of one the
    // window loads from the system folder: it never runs.
    for (const wchar_t* name : {L"trelvane.exe", L"trelvane-compare.exe", L"planted\\MSFTEDIT.DLL"}) {
        fs::copy_file(testing::ProgramFolder() / name, root.Path() / fs::path(name).filename());
    }
    ProgramDriver program(root.Path(), root / "trelvane.exe");
    ASSERT_TRUE(program.Click(kProcessButton));
    for (const int list : {kDepartedList, kArrivalsList}) {
        EmptyTheClipboard();
        program.Focus(list);
        program.TypeKeys({{VK_CONTROL, 'C'}});
        const std::wstring lines = WideFromWindows1252(ListFileBytes(program.Lines(list)));
        ASSERT_GT(lines.size(), 100u);
        EXPECT_EQ(testing::ClipboardText(), lines) << list;
        // The menu's "Copy all lines", from a right-click.
        EmptyTheClipboard();
        ASSERT_TRUE(program.RightClick(list)) << list;
        program.TypeKeys({{0, 'C'}});
        program.Sync();
        EXPECT_EQ(testing::ClipboardText(), lines) << list;
    }
    // Shift+F10: "Save to a file..." saves the list with the focus, as its
    // export button does.
    program.Focus(kArrivalsList);
    program.TypeKeys({{VK_SHIFT, VK_F10}});
    ASSERT_TRUE(program.WaitForMenu());
    program.TypeKeys({{0, 'S'}});
    ASSERT_TRUE(program.SaveAs(L"FILE FOR CURRENT PLAYERS", root / "arrivals.txt"));
    EXPECT_EQ(FileBytes(root / "arrivals.txt"), ListFileBytes(program.Lines(kArrivalsList)));
    EXPECT_FALSE(program.HasMessageBox());
    // Ctrl+C in a folder box still copies its own selection.
    program.Focus(kMainFolderBox);
    SendMessageW(program.Control(kMainFolderBox), EM_SETSEL, 0, 3);
    program.TypeKeys({{VK_CONTROL, 'C'}});
    EXPECT_EQ(testing::ClipboardText(), L"C:\\");

    // Each format, chosen by the name's extension, is the command line's
    // bytes for the same folders.
    const struct {
        const wchar_t* file;
        const wchar_t* format;
    } forms[] = {
        {L"report.CSV", L"csv"}, {L"report.json", L"json"}, {L"report.txt", L"text"}, {L"report.html", L"html"}};
    for (const auto& form : forms) {
        // The menu key opens the menu of the list with the focus.
        program.Focus(kDepartedList);
        program.TypeKeys({{0, VK_APPS}});
        ASSERT_TRUE(program.WaitForMenu());
        program.TypeKeys({{0, 'L'}});
        ASSERT_TRUE(program.SaveAs(L"FILE FOR THE LEAGUE REPORT", root.Path() / form.file));
        EXPECT_EQ(program.AnswerMessageBox(),
                  (current / "KOVTEAM.DAT").string() +
                      " was not read: not found.\nThe report is saved, but who moved is unknown without both team "
                      "files. Arrivals are listed without the team they joined.");
        // What trelvane-compare.exe prints, redirected to a file.
        const std::string command =
            testing::RunProgram(root / "trelvane-compare.exe",
                                L"\"" + prior.wstring() + L"\" \"" + current.wstring() + L"\" --format " + form.format,
                                root.Path())
                .out;
        EXPECT_GT(command.size(), 1000u) << form.format;
        EXPECT_EQ(FileBytes(root.Path() / form.file), command) << form.format;
    }
    // Onto a season file: refused, the file left as it was.
    const std::string seasonFile = FileBytes(prior / "kovteam.dat");
    // The system asks first, as over any file. (A device name is refused
    // by the same check: RefusedExportName's own tests.)
    ASSERT_TRUE(program.RightClick(kArrivalsList));
    program.TypeKeys({{0, 'L'}});
    EXPECT_NE(program.SaveOver(L"FILE FOR THE LEAGUE REPORT", prior / "kovteam.dat", IDYES), "");
    EXPECT_EQ(program.AnswerMessageBox(), "The report was not saved in " + (prior / "kovteam.dat").string() +
                                              ": it is a season file of the game.\nNo file was changed.");
    EXPECT_EQ(FileBytes(prior / "kovteam.dat"), seasonFile);
    EXPECT_EQ(FileNamesIn(root.Path()), (Names{"MSFTEDIT.DLL", "Trelvane.txt", "arrivals.txt", "current", "prior",
                                               "program-err", "program-out", "report.CSV", "report.html", "report.json",
                                               "report.txt", "trelvane-compare.exe", "trelvane.exe"}));

    // Onto a file that exists, typed without the extension of the type
    // chosen: the system asks; "No" returns to the dialog and keeps the
    // file, "Yes" replaces it.
    PutFile(root / "old.html", "old report");
    for (const int answer : {IDNO, IDYES}) {
        ASSERT_TRUE(program.RightClick(kArrivalsList));
        program.TypeKeys({{0, 'L'}});
        const HWND dialog = program.WaitForDialog(L"FILE FOR THE LEAGUE REPORT");
        const HWND types = GetDlgItem(dialog, 0x470);  // cmb1: the file types, "Web page" the fourth
        EXPECT_EQ(ComboItems(types), (Names{"CSV for a spreadsheet (*.csv)", "JSON (*.json)", "Text report (*.txt)",
                                            "Web page (*.html)"}));
        SendMessageW(types, CB_SETCURSEL, 3, 0);
        // As a choice with the mouse tells it: Wine's dialog takes the second.
        for (const WORD note : {CBN_SELCHANGE, CBN_SELENDOK}) {
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(0x470, note), reinterpret_cast<LPARAM>(types));
        }
        EXPECT_NE(program.SaveOver(L"FILE FOR THE LEAGUE REPORT", root / "old", answer), "");
        if (answer == IDNO) {
            ASSERT_TRUE(IsWindow(dialog));
            testing::PressAndWaitGone(dialog, IDCANCEL);
            EXPECT_EQ(FileBytes(root / "old.html"), "old report");
        } else {
            program.AnswerMessageBox();  // the current team file is still missing
            EXPECT_EQ(FileBytes(root / "old.html").rfind("<!DOCTYPE html>", 0), 0u);
        }
    }

    // The close box saves no folders.
    program.SetText(kPriorFolderBox, "D:\\Seasons\\2025");
    PostMessageW(program.Form(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(program.WaitForExit(), 0u);
    EXPECT_EQ(FileBytes(root / "Trelvane.txt"), settingsText);
    EXPECT_FALSE(fs::exists(root / "MSFTEDIT.DLL.ran"));
    // The stand-in does leave its mark where it is loaded.
    FreeLibrary(LoadLibraryW((root / "MSFTEDIT.DLL").c_str()));
    EXPECT_TRUE(fs::exists(root / "MSFTEDIT.DLL.ran"));
}

TEST_F(ProgramAt96Test, ProcessNamesTheBoxOfAMissingFolderOrOfOneFolderTwiceAndExitOverAHeldFileTellsWhy) {
    ProgramDriver program(root.Path());
    const struct {
        std::string prior, current, box;
        bool departed, arrivals;  // whether each list holds anyone afterwards
    } cases[] = {
        {prior.string(), prior.string(),
         "The prior season box and the current season box name the same folder, so nobody is listed as departed or "
         "arrived.",
         false, false},
        // A folder typed as a relative path is named by its full path.
        {"2024", current.string(),
         "The prior season folder " + (root / "2024").string() +
             " does not exist: check the prior season box.\n"
             "The prior season counts as empty, so every player of the current season is listed as arrived.",
         false, true},
        {prior.string(), "",
         "No current season folder was given: the current season box is empty.\n"
         "The current season counts as empty, so every player of the prior season is listed as departed.",
         true, false},
    };
    for (const auto& c : cases) {
        program.SetText(kPriorFolderBox, c.prior);
        program.SetText(kCurrentFolderBox, c.current);
        program.Press(kProcessButton);
        const HWND box = program.WaitForMessageBox();
        ASSERT_NE(box, nullptr) << "none owned by the form with its caption";
        const HWND ok = FindWindowExW(box, nullptr, L"Button", nullptr);
        EXPECT_EQ(FindWindowExW(box, ok, L"Button", nullptr), nullptr) << "OK alone";
        EXPECT_EQ(program.AnswerMessageBox(), c.box);
        EXPECT_FALSE(program.HasMessageBox());
        EXPECT_EQ(!program.Lines(kDepartedList).empty(), c.departed) << c.box;
        EXPECT_EQ(!program.Lines(kArrivalsList).empty(), c.arrivals) << c.box;
    }
    EXPECT_GT(program.Lines(kDepartedList).size(), 100u);
    EXPECT_EQ(program.Text(kArrivalsCountBox), " 0");

    // Exit over a settings file another program holds (the boxes differ
    // from it now): told, and the file left as it was.
    {
        const testing::HeldFile holder = testing::Hold(root / "Trelvane.txt");
        ASSERT_TRUE(holder);
        program.Press(kExitButton);
        EXPECT_EQ(program.AnswerMessageBox(), "The folders were not saved in " + (root / "Trelvane.txt").string() +
                                                  ": another program is using it.\nNo file was changed.");
        EXPECT_EQ(program.WaitForExit(), 0u);
    }
    EXPECT_EQ(FileBytes(root / "Trelvane.txt"), settingsText);
    EXPECT_EQ(FileNamesIn(root.Path()), (Names{"Trelvane.txt", "current", "prior"}));
}

// Best fit turns the full-width letter into a plain "A": the decoy beside
// it holds other seasons, so reading it instead shows other lines.
TEST_F(ProgramAt96Test, AFolderNameOutsideTheCodePageIsReadAndKeptExactlyNotItsBestFitDecoy) {
    const fs::path real = root.Path() / L"Saison \uFF21", decoy = root.Path() / L"Saison A";
    fs::rename(prior, real);
    ASSERT_TRUE(tools::WriteSeason(decoy, tools::MakeDemoSeasons({.seed = 8, .players = 90, .teams = 4}).prior));
    const std::string realText = Utf8FromWide(real.wstring()), currentText = current.string();
    const SeasonComparison expected = CompareSeasons(realText, currentText);
    ASSERT_NE(AsStrings(DepartedLines(expected)),
              AsStrings(DepartedLines(CompareSeasons(Utf8FromWide(decoy.wstring()), currentText))));
    {
        ProgramDriver program(root.Path());
        program.SetText(kPriorFolderBox, realText);
        ASSERT_TRUE(program.Click(kProcessButton, 20000)) << "a message box after a full read";
        EXPECT_EQ(program.Lines(kDepartedList), AsStrings(DepartedLines(expected)));
        program.Click(kExitButton);
        EXPECT_EQ(program.WaitForExit(), 0u);
    }
    // Kept in UTF-8 behind its byte-order mark, and read back as it was.
    EXPECT_EQ(FileBytes(root / "Trelvane.txt"),
              "\xEF\xBB\xBF\"C:\\KOV11\",\"" + realText + "\",\"" + currentText + "\"\r\n");
    ProgramDriver again(root.Path());
    EXPECT_EQ(again.Text(kPriorFolderBox), realText);
    EXPECT_EQ(again.Text(kMainFolderBox), "C:\\KOV11") << "the mark is not a folder's";
}

// Season names are Windows-1252 on every Windows: on a Japanese (932) or a
// Russian (1251) one too they show as their Windows-1252 characters, and
// the window's export writes the files' own bytes, as trelvane-compare
// does. Run again under Wine with those code pages (program_tests_cp932,
// program_tests_cp1251).
TEST_F(ProgramAt96Test, SeasonNamesShowAsWindows1252AndExportTheirOwnBytesOnAnyCodePage) {
    tools::SeasonData season;
    tools::TeamEntry team{.number = 1, .place = "Gr\xFC\xDF", .nickname = "\x80\x9F\xA0\xFF", .roster = {}};
    for (int first = 0x80, id = 20001; first <= 0xFF; first += 10, ++id) {
        std::string last;
        for (int byte = first; byte < first + 10 && byte <= 0xFF; ++byte) last += static_cast<char>(byte);
        season.players.push_back({.id = id, .firstName = "\xE9", .lastName = last, .status = 0});
        team.roster.push_back(id);
    }
    season.teams.push_back(team);
    ASSERT_TRUE(tools::WriteSeason(prior, season) && tools::WriteSeason(current, {}));
    const std::vector<std::string> expected =
        AsStrings(DepartedLines(CompareSeasons(prior.string(), current.string())));
    ASSERT_EQ(expected.size(), 13u);
    const std::string bytes = ListFileBytes(expected);

    ProgramDriver program(root.Path());
    ASSERT_TRUE(program.Click(kProcessButton, 20000));
    wchar_t shown[256] = {};
    SendMessageW(program.Control(kDepartedList), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(shown));
    EXPECT_EQ(std::wstring(shown),
              L"20001  \u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030,\u00E9"
              L"          Gr\u00FC\u00DF \u20AC\u0178\u00A0\u00FF");
    program.Press(kPriorExportButton);
    ASSERT_TRUE(program.SaveAs(L"FILE FOR PRIOR PLAYERS", root / "window.txt"));
    EXPECT_EQ(FileBytes(root / "window.txt"), bytes);
    EXPECT_EQ(testing::RunProgram(testing::ProgramFolder() / L"trelvane-compare.exe",
                                  L"prior current --format csv --departed command.txt", root.Path())
                  .code,
              0u);
    EXPECT_EQ(FileBytes(root / "command.txt"), bytes);
}

}  // namespace
}  // namespace trelvane
