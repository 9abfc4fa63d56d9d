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
#include <memory>
#include <string>
#include <vector>

#include "AnsiText.h"
#include "ControlIds.h"
#include "DialogControls.h"
#include "ExportList.h"
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
using testing::PutFile;
using testing::TempFolder;
using Names = std::vector<std::string>;

Names ListLines(DialogControls& form, int list) {
    Names lines(static_cast<std::size_t>(form.ListCount(list)));
    for (std::size_t i = 0; i < lines.size(); ++i) form.ReadListLine(list, static_cast<int>(i), lines[i]);
    return lines;
}

Names NamesIn(const fs::path& folder) {
    Names names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A folder where creating a file is refused, or empty when there is none.
std::wstring FolderWithoutWriteAccess() {
    const DWORD attributes = GetFileAttributesW(L"Z:\\sys");
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) ? L"Z:\\sys" : L"";
}

// Holds a file open with no sharing, as another program may.
using HeldFile = std::unique_ptr<void, decltype(&CloseHandle)>;
HeldFile Hold(const fs::path& path) {
    return {CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr), CloseHandle};
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
    bool Write(const fs::path& path) { return WriteListFile(path.wstring(), form, kDepartedList); }
};

TEST_F(WriteListFileTest, WritesEveryLineWithCrLfReplacingWhatTheFileHeld) {
    PutFile(folder / "departed.txt", std::string(5000, 'x'));
    form.AddLine(kDepartedList, "23456  Novak,Tomas           ");
    ASSERT_TRUE(Write(folder / "departed.txt"));
    EXPECT_EQ(FileBytes(folder / "departed.txt"),
              "12345  Doe,Jan               Northport Gulls\r\n23456  Novak,Tomas           \r\n");
    ASSERT_TRUE(WriteListFile((folder / "departed.txt").wstring(), form, kArrivalsList));
    EXPECT_EQ(FileBytes(folder / "departed.txt"), "");
}

TEST_F(WriteListFileTest, LeavesAReadOnlyOrHeldFileAsItWas) {
    PutFile(folder / "read-only.txt", "old content");
    PutFile(folder / "held.txt", "old content");
    SetFileAttributesW((folder / "read-only.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(Write(folder / "read-only.txt"));
    SetFileAttributesW((folder / "read-only.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    {
        const HeldFile holder = Hold(folder / "held.txt");
        ASSERT_NE(holder.get(), INVALID_HANDLE_VALUE);
        EXPECT_FALSE(Write(folder / "held.txt"));
    }
    EXPECT_EQ(FileBytes(folder / "read-only.txt"), "old content");
    EXPECT_EQ(FileBytes(folder / "held.txt"), "old content");
    EXPECT_EQ(NamesIn(folder.Path()), (Names{"held.txt", "read-only.txt"}));
}

TEST_F(WriteListFileTest, WritesNothingAnywhereForAnOverlongPathOrAFolderItCannotWriteIn) {
    const std::wstring base = (folder.Path() / "").wstring();
    const std::wstring exact = base + std::wstring(255 - base.size() - 4, L'n') + L".txt";
    EXPECT_TRUE(WriteListFile(exact, form, kDepartedList));
    fs::remove(exact);

    PutFile(folder / "file.txt", "a file, not a folder");
    fs::create_directory(folder / "folder.txt");
    std::vector<fs::path> paths = {base + std::wstring(256 - base.size() - 4, L'n') + L".txt",
                                   folder / "no-such-folder" / "departed.txt", folder / "file.txt" / "departed.txt",
                                   folder / "folder.txt"};
    if (const std::wstring refusing = FolderWithoutWriteAccess(); !refusing.empty()) {
        paths.push_back(refusing + L"\\departed.txt");
    }
    for (const fs::path& path : paths) {
        EXPECT_FALSE(Write(path)) << path.string();
        EXPECT_EQ(fs::exists(path), path == folder / "folder.txt") << path.string();
    }
    EXPECT_EQ(NamesIn(folder.Path()), (Names{"file.txt", "folder.txt"}));
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

TEST(ReplaceFileContents, ReplacesWholeOrLeavesTheOldFileAndNoLeftovers) {
    TempFolder folder;
    const fs::path target = folder / "Trelvane.txt";
    PutFile(target, "old");
    ASSERT_TRUE(ReplaceFileContents(target.wstring(), "new content"));
    EXPECT_EQ(FileBytes(target), "new content");

    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(ReplaceFileContents(target.wstring(), "newer"));
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(ReplaceFileContents(target.wstring(), "newer and longer content", FullDiskWriter));
    EXPECT_EQ(FileBytes(target), "new content");
    EXPECT_FALSE(ReplaceFileContents((folder / "new.txt").wstring(), "a,b,c", FullDiskWriter));
    EXPECT_EQ(NamesIn(folder.Path()), Names{"Trelvane.txt"});

    if (const std::wstring refusing = FolderWithoutWriteAccess(); !refusing.empty()) {
        EXPECT_FALSE(ReplaceFileContents(refusing + L"\\Trelvane.txt", "a,b,c"));
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

    // The exit code of "Exit" run in trelvane-exit-probe, beside this test,
    // with the three boxes holding the arguments; -1 when it did not end.
    long Exit(const std::string& main, const std::string& prior, const std::string& current) {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        const fs::path probe = fs::path(self).parent_path() / "trelvane-exit-probe.exe";
        std::wstring commandLine = L"\"" + probe.wstring() + L"\" \"" + fs::path(main).wstring() + L"\" \"" +
                                   fs::path(prior).wstring() + L"\" \"" + fs::path(current).wstring() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(probe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.Path().c_str(), &startup, &process)) {
            return -1;
        }
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return code == STILL_ACTIVE ? -1 : static_cast<long>(code);
    }
};

TEST_F(SettingsTest, LoadSetsTheBoxesAsTheFieldRuleReadsTheFileAndZeroBytesEndABoxText) {
    LoadSettings(form.Handle());
    EXPECT_EQ(Boxes(), (Names{"was main", "was prior", "was current"}));
    PutFile(settings, "\"a\",\"b\",\"c\"\r\n");
    if (const HeldFile holder = Hold(settings); holder.get() != INVALID_HANDLE_VALUE) LoadSettings(form.Handle());
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
    ASSERT_TRUE(SaveSettings(form.Handle()));
    EXPECT_EQ(FileBytes(settings), "\"C:\\KOV11\",\"\",\"D:\\Seasons\\2025, spring\"\r\n");
    TestForm next;
    LoadSettings(next.Handle());
    EXPECT_EQ(next.Text(kCurrentFolderBox), "D:\\Seasons\\2025, spring");

    const std::string text = "\"" + std::string(10 << 20, 'k') + "\",\"b\",\"c\"\r\n";
    PutFile(settings, text);
    LoadSettings(form.Handle());
    EXPECT_EQ(form.Text(kMainFolderBox).size(), std::size_t{10 << 20});
    ASSERT_TRUE(SaveSettings(form.Handle()));
    EXPECT_TRUE(FileBytes(settings) == text);
}

TEST_F(SettingsTest, FolderNamedLikeTheFileIsNeitherLoadedNorReplaced) {
    fs::create_directory(settings);
    LoadSettings(form.Handle());
    EXPECT_EQ(Boxes(), (Names{"was main", "was prior", "was current"}));
    EXPECT_FALSE(SaveSettings(form.Handle()));
    EXPECT_TRUE(fs::is_directory(settings) && fs::is_empty(settings));
    EXPECT_EQ(NamesIn(folder.Path()), Names{"Trelvane.txt"});
}

TEST_F(SettingsTest, ExitWritesTheBoxesOrLeavesAReadOnlyOrHeldFileAndEndsWithZero) {
    EXPECT_EQ(Exit("C:\\KOV11", "", "D:\\2025"), 0);
    const std::string written = "\"C:\\KOV11\",\"\",\"D:\\2025\"\r\n";
    EXPECT_EQ(FileBytes(settings), written);

    SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Exit("a", "b", "c"), 0);
    SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_NORMAL);
    {
        const HeldFile holder = Hold(settings);
        ASSERT_NE(holder.get(), INVALID_HANDLE_VALUE);
        EXPECT_EQ(Exit("a", "b", "c"), 0);
    }
    EXPECT_EQ(FileBytes(settings), written);
    EXPECT_EQ(NamesIn(folder.Path()), Names{"Trelvane.txt"});
}

}  // namespace
}  // namespace trelvane
