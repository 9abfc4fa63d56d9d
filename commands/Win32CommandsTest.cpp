// The commands against real windows and real files, under Windows or Wine.
//
// Wine may run as root, where Unix permissions stop no write. A read-only
// file is therefore one with the read-only attribute, which the commands
// check themselves, and a folder without write access is Z:\sys, the Linux
// kernel's sysfs, which refuses every new file whoever asks.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "AnsiText.h"
#include "ControlIds.h"
#include "DialogControls.h"
#include "ExportList.h"
#include "HeldFile.h"
#include "ProgramDriver.h"
#include "ReplaceFile.h"
#include "SettingsCommands.h"
#include "TempFolder.h"
#include "TestFiles.h"
#include "TestForm.h"

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

Names ListLines(DialogControls& form, int list) {
    Names lines(static_cast<std::size_t>(form.ListCount(list)));
    for (std::size_t i = 0; i < lines.size(); ++i) form.ReadListLine(list, static_cast<int>(i), lines[i]);
    return lines;
}

// A folder where creating a file is refused, or empty when there is none.
std::wstring FolderWithoutWriteAccess() {
    const DWORD attributes = GetFileAttributesW(L"Z:\\sys");
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) ? L"Z:\\sys" : L"";
}

TEST(DialogControls, TextsCrossInTheAnsiCodePageAndTheSortedListKeepsTrailingBlanks) {
    TestForm form;
    const std::string accented = "C:\\Saisons\\\xE9t\xE9 2025";  // in code page 1252
    form.SetText(kPriorFolderBox, accented);
    EXPECT_EQ(form.Text(kPriorFolderBox), accented);
    wchar_t wide[64];
    GetWindowTextW(GetDlgItem(form.Handle(), kPriorFolderBox), wide, 64);
    EXPECT_EQ(std::wstring(wide), WideFromAnsi(accented));

    DialogControls controls(form.Handle());
    LineBatch batch;
    batch.Add("10001  First,Player          ");
    batch.Add("40000  Third,Player          Some Team");
    controls.AddLines(kArrivalsList, batch);
    controls.AddLine(kArrivalsList, "30000  Second,Player         ");
    EXPECT_EQ(ListLines(controls, kArrivalsList),
              (Names{"10001  First,Player          ", "30000  Second,Player         ",
                     "40000  Third,Player          Some Team"}));
    controls.EmptyList(kArrivalsList);
    EXPECT_EQ(controls.ListCount(kArrivalsList), 0);
}

class WriteListFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    TestForm testForm;
    DialogControls form{testForm.Handle()};
    void SetUp() override { form.AddLine(kDepartedList, "12345  Doe,Jan               Northport Gulls"); }
    std::string Write(const fs::path& path) { return WriteListFile(path.wstring(), form, kDepartedList).problem; }
};

TEST_F(WriteListFileTest, WritesEveryLineWithCrLfReplacingWhatTheFileHeld) {
    PutFile(folder / "departed.txt", std::string(5000, 'x'));
    form.AddLine(kDepartedList, "23456  Novak,Tomas           ");
    ASSERT_EQ(Write(folder / "departed.txt"), "");
    EXPECT_EQ(FileBytes(folder / "departed.txt"),
              "12345  Doe,Jan               Northport Gulls\r\n23456  Novak,Tomas           \r\n");
    ASSERT_TRUE(WriteListFile((folder / "departed.txt").wstring(), form, kArrivalsList).Written());
    EXPECT_EQ(FileBytes(folder / "departed.txt"), "");
    EXPECT_EQ(FileNamesIn(folder.Path()), Names{"departed.txt"});
}

TEST_F(WriteListFileTest, LeavesAReadOnlyHeldOrSettingsFileAsItWasAndSaysWhy) {
    for (const char* name : {"read-only.txt", "held.txt", "trelvane.TXT"}) PutFile(folder / name, "old content");
    SetFileAttributesW((folder / "read-only.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Write(folder / "read-only.txt"), "the file is read-only");
    SetFileAttributesW((folder / "read-only.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    {
        const HeldFile holder = Hold(folder / "held.txt");
        ASSERT_TRUE(holder);
        EXPECT_EQ(Write(folder / "held.txt"), "another program is using it");
    }
    EXPECT_EQ(Write(folder / "trelvane.TXT"), "Trelvane keeps its folders in it");
    for (const std::string& name : FileNamesIn(folder.Path())) EXPECT_EQ(FileBytes(folder / name), "old content");
    EXPECT_EQ(FileNamesIn(folder.Path()), (Names{"held.txt", "read-only.txt", "trelvane.TXT"}));
}

TEST_F(WriteListFileTest, WritesNothingAnywhereForAnOverlongPathOrAFolderItCannotWriteIn) {
    const std::wstring base = (folder.Path() / "").wstring();
    const std::wstring exact = base + std::wstring(255 - base.size() - 4, L'n') + L".txt";
    EXPECT_TRUE(WriteListFile(exact, form, kDepartedList).Written());
    fs::remove(exact);

    PutFile(folder / "file.txt", "a file, not a folder");
    fs::create_directory(folder / "folder.txt");
    std::vector<std::pair<fs::path, std::string>> cases = {
        {base + std::wstring(256 - base.size() - 4, L'n') + L".txt", "the path is longer than 255 characters"},
        {folder / "no-such-folder" / "departed.txt", "the folder does not exist"},
        {folder / "folder.txt", "it is not a file"},
    };
    if (const std::wstring refusing = FolderWithoutWriteAccess(); !refusing.empty()) {
        cases.emplace_back(refusing + L"\\departed.txt", "the folder does not accept new files");
    }
    for (const auto& [path, problem] : cases) {
        EXPECT_EQ(Write(path), problem) << path.string();
        EXPECT_EQ(fs::exists(path), path == folder / "folder.txt") << path.string();
    }
    EXPECT_NE(Write(folder / "file.txt" / "departed.txt"), "");
    EXPECT_EQ(FileNamesIn(folder.Path()), (Names{"file.txt", "folder.txt"}));
    EXPECT_EQ(FileBytes(folder / "file.txt"), "a file, not a folder");
    EXPECT_TRUE(fs::is_empty(folder / "folder.txt"));
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

    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(ReplaceFileContents(target.wstring(), "newer").problem, "the file is read-only");
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReplaceFileContents(target.wstring(), "newer and longer content", FullDiskWriter).problem,
              "the disk is full");
    EXPECT_EQ(ReplaceFileContents((folder / "new.txt").wstring(), "a,b,c", FullDiskWriter).problem, "the disk is full");
    gLateHeldPath = target;
    EXPECT_EQ(ReplaceFileContents(target.wstring(), "newer", HoldTheTargetWhileWriting).problem,
              "another program is using it");
    ASSERT_TRUE(gLateHolder);
    gLateHolder.reset();
    EXPECT_EQ(FileBytes(target), "new content");
    EXPECT_EQ(FileNamesIn(folder.Path()), Names{"Trelvane.txt"});

    if (const std::wstring refusing = FolderWithoutWriteAccess(); !refusing.empty()) {
        EXPECT_EQ(ReplaceFileContents(refusing + L"\\Trelvane.txt", "a,b,c").problem,
                  "the folder does not accept new files");
        EXPECT_EQ(GetFileAttributesW((refusing + L"\\Trelvane.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    }
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
    void TearDown() override {
        SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_NORMAL);
        SetCurrentDirectoryW(previous);
    }
    Names Boxes() { return {form.Text(kMainFolderBox), form.Text(kPriorFolderBox), form.Text(kCurrentFolderBox)}; }

    struct Ended {
        long code = -1;                     // -1 when it did not end
        std::vector<std::string> messages;  // each answered with OK
    };
    // "Exit" run in trelvane-exit-probe, beside this test, with the three
    // boxes holding the arguments.
    Ended Exit(const std::string& main, const std::string& prior, const std::string& current) {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        const fs::path probe = fs::path(self).parent_path() / "trelvane-exit-probe.exe";
        std::wstring commandLine = L"\"" + probe.wstring() + L"\" \"" + fs::path(main).wstring() + L"\" \"" +
                                   fs::path(prior).wstring() + L"\" \"" + fs::path(current).wstring() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        Ended ended;
        if (!CreateProcessW(probe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.Path().c_str(), &startup, &process)) {
            return ended;
        }
        for (int i = 0; i < 600 && WaitForSingleObject(process.hProcess, 50) == WAIT_TIMEOUT; ++i) {
            if (const HWND box = testing::WaitForOwnedDialog(process.dwProcessId, nullptr, true, 0)) {
                ended.messages.push_back(testing::MessageBoxText(box));
                testing::PressOk(box);
            }
        }
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        ended.code = code == STILL_ACTIVE ? -1 : static_cast<long>(code);
        return ended;
    }
};

TEST_F(SettingsTest, LoadSetsTheBoxesAsTheFieldRuleReadsTheFileAndZeroBytesEndABoxText) {
    LoadSettings(form.Handle());
    EXPECT_EQ(Boxes(), (Names{"was main", "was prior", "was current"}));
    PutFile(settings, "\"a\",\"b\",\"c\"\r\n");
    if (const HeldFile holder = Hold(settings); holder) LoadSettings(form.Handle());
    EXPECT_EQ(Boxes(), (Names{"", "", ""}));
    const std::vector<std::pair<std::string, Names>> cases = {
        {"", {"", "", ""}},
        {"\"a", {"a", "", ""}},
        {"C:\\KOV11\r\n", {"C:\\KOV11", "", ""}},
        {"\x1A\"a\",\"b\",\"c\"\r\n", {"", "", ""}},
        {"\"a\"\r\"b\"\r\"c\"", {"a", "b", "c"}},
        {std::string("\"a\0b\",\"\0\",c\0d", 13), {"a", "", "c"}},
    };
    for (const auto& [bytes, boxes] : cases) {
        PutFile(settings, bytes);
        LoadSettings(form.Handle());
        EXPECT_EQ(Boxes(), boxes) << ::testing::PrintToString(bytes);
    }
}

TEST_F(SettingsTest, SaveWritesTheBoxesAndTheNextLoadGivesThemBackEvenTenMegabytesLong) {
    form.SetText(kMainFolderBox, "C:\\KOV11");
    form.SetText(kPriorFolderBox, "");
    form.SetText(kCurrentFolderBox, "D:\\Seasons\\2025, spring");
    ASSERT_TRUE(SaveSettings(form.Handle()).Written());
    EXPECT_EQ(FileBytes(settings), "\"C:\\KOV11\",\"\",\"D:\\Seasons\\2025, spring\"\r\n");
    TestForm next;
    LoadSettings(next.Handle());
    EXPECT_EQ(next.Text(kCurrentFolderBox), "D:\\Seasons\\2025, spring");

    const std::string text = "\"" + std::string(10 << 20, 'k') + "\",\"b\",\"c\"\r\n";
    PutFile(settings, text);
    LoadSettings(form.Handle());
    EXPECT_EQ(form.Text(kMainFolderBox).size(), std::size_t{10 << 20});
    ASSERT_TRUE(SaveSettings(form.Handle()).Written());
    EXPECT_TRUE(FileBytes(settings) == text);
}

TEST_F(SettingsTest, FolderNamedLikeTheFileIsNeitherLoadedNorReplaced) {
    fs::create_directory(settings);
    LoadSettings(form.Handle());
    EXPECT_EQ(Boxes(), (Names{"was main", "was prior", "was current"}));
    EXPECT_EQ(SaveSettings(form.Handle()).problem, "it is not a file");
    EXPECT_TRUE(fs::is_directory(settings) && fs::is_empty(settings));
    EXPECT_EQ(FileNamesIn(folder.Path()), Names{"Trelvane.txt"});
}

// Held by a backup program at start-up: the boxes it left empty do not
// replace the file, but folders the user chose afterwards are saved.
TEST_F(SettingsTest, AFileUnreadAtLoadIsKeptWhileTheBoxesStayEmpty) {
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

TEST_F(SettingsTest, ExitWritesTheBoxesOrTellsWhyNotAndEndsWithZero) {
    const Ended saved = Exit("C:\\KOV11", "", "D:\\2025");
    EXPECT_EQ(saved.code, 0);
    EXPECT_EQ(saved.messages, Names{});
    const std::string written = "\"C:\\KOV11\",\"\",\"D:\\2025\"\r\n";
    EXPECT_EQ(FileBytes(settings), written);

    SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_READONLY);
    const Ended refused = Exit("a", "b", "c");
    EXPECT_EQ(refused.code, 0);
    EXPECT_EQ(refused.messages, Names{"The folders were not saved in " + settings.string() +
                                      ": the file is read-only.\nNo file was changed."});
    SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(FileBytes(settings), written);
    EXPECT_EQ(FileNamesIn(folder.Path()), Names{"Trelvane.txt"});
}

}  // namespace
}  // namespace trelvane
