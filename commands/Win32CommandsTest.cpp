// The commands against real windows and real files, under Windows or Wine:
// the ways a file can refuse to be written that the program tests, which
// drive the buttons, do not show.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "BrowseFolder.h"
#include "ControlIds.h"
#include "ControlTexts.h"
#include "CopyList.h"
#include "ExportFile.h"
#include "ExportList.h"
#include "FailureText.h"
#include "HeldFile.h"
#include "ProgramDriver.h"
#include "ReplaceFile.h"
#include "SettingsCommands.h"
#include "TempFolder.h"
#include "TestFiles.h"
#include "WinHandles.h"
#include "Windows1252.h"
#include "WindowsText.h"

namespace trelvane {
namespace {

namespace fs = std::filesystem;
using namespace control_id;
using testing::FileBytes;
using testing::FileNamesIn;
using testing::HeldFile;
using testing::Hold;
using testing::PutFile;
using testing::TempFolder;
using Names = std::vector<std::string>;

// A hidden window holding the controls the commands use, with the main
// form's identifiers and list styles.
class TestForm {
public:
    TestForm() {
        form_ = CreateWindowExW(0, L"STATIC", L"form", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr, nullptr, nullptr);
        for (const int id :
             {kDepartedCountBox, kArrivalsCountBox, kMainFolderBox, kPriorFolderBox, kCurrentFolderBox}) {
            Add(L"EDIT", id, WS_CHILD | ES_AUTOHSCROLL);
        }
        for (const int id : {kArrivalsList, kDepartedList}) {
            Add(L"LISTBOX", id, WS_CHILD | WS_VSCROLL | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | LBS_NOSEL);
        }
    }
    ~TestForm() { DestroyWindow(form_); }
    TestForm(const TestForm&) = delete;
    TestForm& operator=(const TestForm&) = delete;

    HWND Handle() const { return form_; }
    std::string Text(int id) { return ControlTexts(form_).EditText(id); }
    void SetText(int id, const std::string& text) { ControlTexts(form_).SetBoxText(id, text); }

private:
    void Add(const wchar_t* className, int id, DWORD style) {
        CreateWindowExW(0, className, L"", style, 0, 0, 100, 100, form_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    HWND form_;
};

HANDLE WINAPI RefusedByTheClipboard(UINT, HANDLE) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

// A copy that fails leaves the user's text; a clipboard another program
// holds for a moment is waited for.
TEST(CopyListLines, KeepsTheUsersTextOnFailureAndWaitsOutABriefHold) {
    TestForm form;
    const HWND list = GetDlgItem(form.Handle(), kDepartedList), users = GetDlgItem(form.Handle(), kArrivalsList);
    for (const wchar_t* line : {L"b", L"a"}) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    SendMessageW(users, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"the user's text"));
    ASSERT_TRUE(CopyListLines(form.Handle(), users));
    EXPECT_FALSE(CopyListLines(form.Handle(), list, RefusedByTheClipboard));
    EXPECT_EQ(testing::ClipboardText(), L"the user's text\r\n");

    std::atomic<bool> opened = false;
    std::thread holder([&opened] {
        OpenClipboard(nullptr);
        opened = true;
        Sleep(300);
        CloseClipboard();
    });
    while (!opened) Sleep(1);
    EXPECT_TRUE(CopyListLines(form.Handle(), list));
    holder.join();
    EXPECT_EQ(testing::ClipboardText(), L"a\r\nb\r\n");
}

// The save dialog asks before it replaces a file, leaves the current
// directory where it is, takes names of up to 32,767 characters, starts on
// the first file type, and is placed by its hook. Its title, file type,
// extension and place (hook and owner) show in the program test's export.
TEST(SaveFileRequest, AsksBeforeReplacingKeepsTheCurrentDirectoryAndTakesLongNames) {
    const SaveDialog dialog{L"FILE FOR PRIOR PLAYERS", L"Text\0*.txt\0", L"txt"};
    std::vector<wchar_t> fileName;
    const OPENFILENAMEW request = SaveFileRequest(reinterpret_cast<HWND>(0x1234), dialog, fileName, L"C:\\KOV11");
    EXPECT_EQ(request.lStructSize, 152u);
    EXPECT_EQ(request.Flags, 0x80000u | 0x20u | 0x4u | 0x8u | 0x2u);  // explorer, hook, no read-only box, no cd, ask
    EXPECT_EQ(request.nMaxFile, 0x8000u);
    EXPECT_EQ(fileName.size(), 0x8000u);
    EXPECT_EQ(request.lpstrFile, fileName.data());
    EXPECT_EQ(request.nFilterIndex, 1u);
    EXPECT_EQ(std::wstring(request.lpstrInitialDir), L"C:\\KOV11");
}

// The folder browser needs COM. On a thread where it has not started, a
// folder button says so rather than doing nothing, as Cancel would.
TEST(BrowseForFolder, WithoutComItTellsTheUserAndWithItOffersOkOnlyOnAFolderWithAPath) {
    std::string boxAfter;
    std::thread withoutCom([&] {
        TestForm form;
        form.SetText(kPriorFolderBox, "C:\\before");
        BrowseForFolder(kPriorFolderBrowse, {.form = form.Handle()});
        boxAfter = form.Text(kPriorFolderBox);
    });
    HWND box = nullptr;
    for (int i = 0; i < 500 && !box; ++i, Sleep(20)) box = FindWindowW(L"#32770", L"form");
    ASSERT_NE(box, nullptr);
    const std::wstring text = testing::MessageBoxText(box);
    testing::PressAndWaitGone(box, IDOK);
    withoutCom.join();
    EXPECT_EQ(Utf8FromWide(text), kFolderBrowserFailedText);
    EXPECT_EQ(boxAfter, "C:\\before");

    // With COM, the browser offers OK only on an item with a folder path:
    // "This PC" has none, and choosing it would leave the box unchanged
    // without a word.
    std::atomic<HWND> form = nullptr;
    std::thread browsing([&] {
        const ComApartment com;
        TestForm testForm;
        form = testForm.Handle();
        BrowseForFolder(kPriorFolderBrowse, {.form = testForm.Handle()});
    });
    HWND browser = nullptr;
    for (int i = 0; i < 500 && !browser; ++i, Sleep(20)) {
        browser = FindWindowW(L"#32770", nullptr);
        if (browser && (!form || GetWindow(browser, GW_OWNER) != form)) browser = nullptr;
    }
    ASSERT_NE(browser, nullptr);
    LPITEMIDLIST thisPc = nullptr;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &thisPc), S_OK);
    SendMessageW(browser, BFFM_SETSELECTIONW, FALSE, reinterpret_cast<LPARAM>(thisPc));
    const bool okOnThisPc = IsWindowEnabled(GetDlgItem(browser, IDOK));
    SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(L"C:\\windows"));
    const bool okOnAFolder = IsWindowEnabled(GetDlgItem(browser, IDOK));
    CoTaskMemFree(thisPc);
    testing::PressAndWaitGone(browser, IDCANCEL);
    browsing.join();
    EXPECT_FALSE(okOnThisPc);
    EXPECT_TRUE(okOnAFolder);
}

// A read-only or held file, and a name the game or the window keeps, are
// refused in the program tests, through the export and "Exit"; a missing
// folder, a folder in the file's place, a file in the folder's and a folder
// that refuses new files in CompareCommandFailures, whose lists are saved
// through the same replace.
TEST(WriteListFile, WritesEveryLineWithCrLfReplacingWhatTheFileHeldOrNothingWhenThePathIsTooLong) {
    TempFolder folder;
    TestForm testForm;
    ControlTexts form{testForm.Handle()};
    form.AddLine(kDepartedList, "12345  Doe,Jan               Northport Gulls");
    form.AddLine(kDepartedList, "23456  Novak,Tomas           ");
    const std::string both = "12345  Doe,Jan               Northport Gulls\r\n23456  Novak,Tomas           \r\n";
    const auto write = [&](const fs::path& path) {
        return WriteListFile(path.wstring(), form, kDepartedList).problem.Words();
    };
    // A path in the folder of exactly length characters.
    const std::wstring base = (folder.Path() / "").wstring();
    const auto pathOfLength = [&](std::size_t length) {
        return base + std::wstring(length - base.size() - 4, L'n') + L".txt";
    };

    PutFile(folder / "departed.txt", std::string(5000, 'x'));
    ASSERT_EQ(write(folder / "departed.txt"), "");
    EXPECT_EQ(FileBytes(folder / "departed.txt"), both);
    ASSERT_TRUE(WriteListFile((folder / "departed.txt").wstring(), form, kArrivalsList).Written());
    EXPECT_EQ(FileBytes(folder / "departed.txt"), "");
    {  // held for a moment, as a virus scanner holds a file it looks at
        HeldFile brief = Hold(folder / "departed.txt");
        const std::jthread letGo = testing::LetGoAfter(brief, 300);
        EXPECT_EQ(write(folder / "departed.txt"), "");
    }
    EXPECT_EQ(FileBytes(folder / "departed.txt"), both);
    EXPECT_EQ(write(pathOfLength(255)), "");
    EXPECT_EQ(FileBytes(pathOfLength(255)), both);

    // A path too long: nothing written, and why. In a folder of 247
    // characters a file has a path of at most 255, but no room is left for
    // the name of a new file beside it.
    const fs::path longFolder = base + std::wstring(247 - base.size(), L'f');
    fs::create_directory(longFolder);
    EXPECT_EQ(write(pathOfLength(256)), "the path is longer than 255 characters");
    EXPECT_EQ(write(longFolder / "d.txt"), "the path is too long");
    EXPECT_TRUE(fs::is_empty(longFolder));
    fs::remove(longFolder);
    EXPECT_EQ(FileNamesIn(folder.Path()).size(), 2u) << "the two lists written above alone";
}

// A disk that fills up part way: the writer puts half the bytes down and
// fails as WriteFile does then.
bool FullDiskWriter(HANDLE file, std::string_view bytes) {
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size() / 2), &written, nullptr);
    SetLastError(ERROR_DISK_FULL);
    return false;
}

// Another program opens the file to be replaced while the new content is
// being written: the replacement then fails at its last step.
HeldFile gLateHolder;
fs::path gLateHeldPath;
bool HoldTheTargetWhileWriting(HANDLE file, std::string_view bytes) {
    gLateHolder = Hold(gLateHeldPath);
    return WriteAllBytes(file, bytes);
}

TEST(ReplaceFileContents, ReplacesWholeKeepingAttributesOrLeavesTheOldFileAndNoLeftovers) {
    TempFolder folder;
    const fs::path target = folder / "Trelvane.txt";
    PutFile(target, "old");
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(ReplaceFileContents(target.wstring(), "new content").Written());
    EXPECT_EQ(FileBytes(target), "new content");
    EXPECT_EQ(GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_HIDDEN, DWORD{FILE_ATTRIBUTE_HIDDEN});
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);

    EXPECT_EQ(ReplaceFileContents(target.wstring(), "newer and longer content", FullDiskWriter).problem.Words(),
              "the disk is full");
    gLateHeldPath = target;
    EXPECT_EQ(ReplaceFileContents(target.wstring(), "newer", HoldTheTargetWhileWriting).problem.Words(),
              "another program is using it");
    ASSERT_TRUE(gLateHolder);
    gLateHolder.reset();
    EXPECT_EQ(FileBytes(target), "new content");
    EXPECT_EQ(FileNamesIn(folder.Path()), Names{"Trelvane.txt"});
}

// Stand-ins for ReplaceFileW failing part way, as Windows documents: the
// old file already gone (1176, as without a backup name), or moved to the
// backup name (1177); or moved there with the place then taken. Refused as
// on a share that lets the user change files but not their permissions; or
// done, with a program then holding the old file at the backup name.
bool OldFileGone(const std::wstring& replaced, const std::wstring&, const std::wstring&) {
    DeleteFileW(replaced.c_str());
    SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT);
    return false;
}
bool OldFileMovedAside(const std::wstring& replaced, const std::wstring&, const std::wstring& backup) {
    MoveFileW(replaced.c_str(), backup.c_str());
    SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT_2);
    return false;
}
bool OldFileMovedAsideAndPlaceTaken(const std::wstring& replaced, const std::wstring& replacement,
                                    const std::wstring& backup) {
    OldFileMovedAside(replaced, replacement, backup);
    CreateDirectoryW(replaced.c_str(), nullptr);
    return false;
}

bool RefusedAsOnAShare(const std::wstring&, const std::wstring&, const std::wstring&) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
}
HeldFile gBackupHolder;
bool ReplacedAndBackupHeld(const std::wstring& replaced, const std::wstring& replacement, const std::wstring& backup) {
    const bool done = ReplaceWithBackup(replaced, replacement, backup);
    gBackupHolder = Hold(backup);
    return done;
}

TEST(ReplaceFileContents, ASwapThatFailsPutsTheNewFileInPlaceOrKeepsBothAndSaysWhere) {
    TempFolder folder;
    const fs::path target = folder / "list.txt";
    for (const FileReplacer replace : {OldFileGone, OldFileMovedAside, RefusedAsOnAShare}) {
        PutFile(target, "old");
        EXPECT_TRUE(ReplaceFileContents(target.wstring(), "new", WriteAllBytes, replace).Written());
        EXPECT_EQ(FileBytes(target), "new");
        EXPECT_EQ(FileNamesIn(folder.Path()), Names{"list.txt"});
    }
    const FileWriteResult left = ReplaceFileContents(target.wstring(), "newer", WriteAllBytes, ReplacedAndBackupHeld);
    ASSERT_TRUE(gBackupHolder);
    gBackupHolder.reset();
    EXPECT_TRUE(left.Written());
    EXPECT_EQ(FileBytes(WideFromUtf8(left.oldContentIn)), "new");
    DeleteFileW(WideFromUtf8(left.oldContentIn).c_str());

    PutFile(target, "old");
    const FileWriteResult kept =
        ReplaceFileContents(target.wstring(), "new", WriteAllBytes, OldFileMovedAsideAndPlaceTaken);
    EXPECT_FALSE(kept.Written());
    EXPECT_EQ(FileBytes(WideFromUtf8(kept.newContentIn)), "new");
    EXPECT_EQ(FileBytes(WideFromUtf8(kept.oldContentIn)), "old");
    EXPECT_EQ(FileNamesIn(folder.Path()).size(), 3u);
}

// Runs in a temporary current directory, where the settings file lives.
class SettingsTest : public ::testing::Test {
protected:
    TempFolder folder;
    fs::path settings = folder / "Trelvane.txt";
    wchar_t previous[MAX_PATH] = {};
    TestForm form;

    void SetUp() override {
        GetCurrentDirectoryW(MAX_PATH, previous);
        SetCurrentDirectoryW(folder.Path().c_str());
        form.SetText(kMainFolderBox, "was main");
        form.SetText(kPriorFolderBox, "was prior");
        form.SetText(kCurrentFolderBox, "was current");
    }
    void TearDown() override { SetCurrentDirectoryW(previous); }
    Names Boxes() { return {form.Text(kMainFolderBox), form.Text(kPriorFolderBox), form.Text(kCurrentFolderBox)}; }
};

TEST_F(SettingsTest, LoadSetsTheBoxesFromAFileOfAnySizeNeverFromAFolderOrAFileItCouldNotRead) {
    LoadSettings(form.Handle());
    EXPECT_EQ(Boxes(), (Names{"was main", "was prior", "was current"}));
    // A folder named like the file is neither loaded nor replaced.
    fs::create_directory(settings);
    LoadSettings(form.Handle());
    EXPECT_EQ(Boxes(), (Names{"was main", "was prior", "was current"}));
    EXPECT_EQ(SaveSettings(form.Handle()).problem.Words(), "it is not a file");
    EXPECT_TRUE(fs::is_directory(settings) && fs::is_empty(settings));
    EXPECT_EQ(FileNamesIn(folder.Path()), Names{"Trelvane.txt"});
    fs::remove(settings);
    const std::vector<std::pair<std::string, Names>> cases = {
        {"", {"", "", ""}},
        {std::string("\"a\0b\",\"\0\",c\0d", 13), {"a", "", "c"}},
    };
    for (const auto& [bytes, boxes] : cases) {
        PutFile(settings, bytes);
        LoadSettings(form.Handle());
        EXPECT_EQ(Boxes(), boxes) << ::testing::PrintToString(bytes);
    }
    PutFile(settings, "\"x\",\"y\",\"z\"");
    HeldFile brief = Hold(settings);
    const std::jthread letGo = testing::LetGoAfter(brief, 300);
    LoadSettings(form.Handle());
    EXPECT_EQ(Boxes(), (Names{"x", "y", "z"})) << "held for a moment at the start";

    // Ten-megabyte folders are loaded and saved whole.
    const std::string text = "\"" + std::string(10 << 20, 'k') + "\",\"b\",\"c\"\r\n";
    PutFile(settings, text);
    LoadSettings(form.Handle());
    EXPECT_EQ(form.Text(kMainFolderBox).size(), std::size_t{10 << 20});
    ASSERT_TRUE(SaveSettings(form.Handle()).Written());
    EXPECT_TRUE(FileBytes(settings) == text);

    // Held by a backup program throughout a load: the boxes it left empty
    // do not replace the file, but folders the user chose afterwards are
    // saved.
    const std::string saved = "\"C:\\KOV11\",\"D:\\2025\",\"D:\\2026\"\r\n";
    PutFile(settings, saved);
    {
        const HeldFile holder = Hold(settings);
        ASSERT_TRUE(holder);
        LoadSettings(form.Handle());
    }
    EXPECT_EQ(Boxes(), (Names{"", "", ""}));
    EXPECT_TRUE(SaveSettings(form.Handle()).Written());
    EXPECT_EQ(FileBytes(settings), saved);
    form.SetText(kCurrentFolderBox, "E:\\2027");
    EXPECT_TRUE(SaveSettings(form.Handle()).Written());
    EXPECT_EQ(FileBytes(settings), "\"\",\"\",\"E:\\2027\"\r\n");

    // Read at the next load: emptied boxes are the user's choice again.
    LoadSettings(form.Handle());
    form.SetText(kCurrentFolderBox, "");
    EXPECT_TRUE(SaveSettings(form.Handle()).Written());
    EXPECT_EQ(FileBytes(settings), "\"\",\"\",\"\"\r\n");
}

// The program's own ANSI file can be valid UTF-8 by chance: GBK "一" is
// D2 BB, UTF-8 for "һ"; Windows-1252 "Ã©" is C3 A9, UTF-8 for "é". It is
// read the way under which its folder exists, and as ANSI when neither or
// both do.
TEST_F(SettingsTest, BytesValidAsAnsiAndAsUtf8AreReadAsTheFolderThatExistsOnAnyCodePage) {
    const wchar_t* const names[] = {L"\u4E00", L"\uFF83\uFF69", L"\u0413\u00A9", L"\u00C3\u00A9"};
    const auto named = std::ranges::find_if(names, [](const wchar_t* name) {
        const std::optional<std::string> ansi = ExactAnsiFromWide(name);
        return ansi && IsUtf8(*ansi);
    });
    ASSERT_NE(named, std::end(names)) << "code page " << GetACP();
    const std::wstring name = *named;
    const std::string bytes = *ExactAnsiFromWide(name);
    PutFile(settings, "\"" + bytes + "\",b,c");
    const fs::path asAnsi = folder.Path() / name, asUtf8 = folder.Path() / WideFromUtf8(bytes);
    const std::string asRead = Utf8FromWide(name);
    const std::tuple<bool, bool, std::string> cases[] = {
        {false, false, asRead}, {true, false, asRead}, {false, true, bytes}, {true, true, asRead}};
    for (const auto& [ansiExists, utf8Exists, box] : cases) {
        for (const auto& [path, exists] : {std::pair{asAnsi, ansiExists}, std::pair{asUtf8, utf8Exists}}) {
            exists ? fs::create_directory(path) : fs::remove(path);
        }
        LoadSettings(form.Handle());
        EXPECT_EQ(form.Text(kMainFolderBox), box) << ansiExists << utf8Exists;
    }
}

}  // namespace
}  // namespace trelvane
