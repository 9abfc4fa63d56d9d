// The settings file and the exports against odd files, held files, folders
// that refuse writing and a disk that fills up: real windows and real files,
// under Windows or Wine.
//
// Wine may run as root, where Unix permissions stop no write. A read-only
// file is therefore one with the read-only attribute, which the commands
// check themselves, and a folder without write access is one that refuses
// every new file whoever asks: Z:\sys, the Linux kernel's sysfs, which Wine
// reports as access denied.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ControlIds.h"
#include "ExportList.h"
#include "MemoryForm.h"
#include "ReplaceFile.h"
#include "SettingsCommands.h"
#include "TempFolder.h"
#include "TestFiles.h"
#include "TestForm.h"

namespace trelvane {
namespace {

namespace fs = std::filesystem;
using namespace control_id;
using tools::FileBytes;
using tools::PutFile;
using tools::TempFolder;
using Names = std::vector<std::string>;



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
class HeldFile {
public:
    explicit HeldFile(const fs::path& path)
        : handle_(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~HeldFile() {
        if (Held()) CloseHandle(handle_);
    }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// Runs in a temporary current directory, where the settings file lives.
class SettingsFileTest : public ::testing::Test {
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
};

TEST_F(SettingsFileTest, OddFilesLoadAsTheFieldRuleReadsThemAndZeroBytesEndABoxText) {
    const std::vector<std::pair<std::string, Names>> cases = {
        {"", {"", "", ""}},
        {"\"", {"", "", ""}},
        {"\"a", {"a", "", ""}},
        {"\x1A\"a\",\"b\",\"c\"\r\n", {"", "", ""}},
        {"\"a\"\r\"b\"\r\"c\"", {"a", "b", "c"}},
        // A box cannot hold a zero byte: its text ends there.
        {std::string("\"a\0b\",\"\0\",c\0d", 13), {"a", "", "c"}},
    };
    for (const auto& [bytes, boxes] : cases) {
        PutFile(settings, bytes);
        LoadSettings(form.Handle());
        EXPECT_EQ(Boxes(), boxes) << testing::PrintToString(bytes);
    }
}

TEST_F(SettingsFileTest, TenMegabyteFieldLoadsWholeAndExitWritesItBackTheSame) {
    const std::string huge(10 << 20, 'k');
    const std::string text = "\"" + huge + "\",\"b\",\"c\"\r\n";
    PutFile(settings, text);
    LoadSettings(form.Handle());
    EXPECT_EQ(form.Text(kMainFolderBox).size(), huge.size());
    EXPECT_EQ(form.Text(kPriorFolderBox), "b");
    ASSERT_TRUE(SaveSettings(form.Handle()));
    EXPECT_TRUE(FileBytes(settings) == text);
}

TEST_F(SettingsFileTest, FolderNamedLikeTheFileIsNeitherLoadedNorReplaced) {
    fs::create_directory(settings);
    LoadSettings(form.Handle());
    EXPECT_EQ(Boxes(), (Names{"was main", "was prior", "was current"}));
    EXPECT_FALSE(SaveSettings(form.Handle()));
    EXPECT_TRUE(fs::is_directory(settings));
    EXPECT_TRUE(fs::is_empty(settings));
    EXPECT_EQ(NamesIn(folder.Path()), Names{"Trelvane.txt"});
}

TEST_F(SettingsFileTest, FileHeldByAnotherProgramIsLeftAsItWasBySave) {
    PutFile(settings, "\"keep\",\"these\",\"bytes\"\r\n");
    {
        const HeldFile holder(settings);
        ASSERT_TRUE(holder.Held());
        EXPECT_FALSE(SaveSettings(form.Handle()));
    }
    EXPECT_EQ(FileBytes(settings), "\"keep\",\"these\",\"bytes\"\r\n");
    EXPECT_EQ(NamesIn(folder.Path()), Names{"Trelvane.txt"});
}

// A disk that fills up part way: the writer puts half the bytes down and
// fails as WriteFile does then.
bool FullDiskWriter(HANDLE file, std::string_view bytes) {
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size() / 2), &written, nullptr);
    SetLastError(ERROR_DISK_FULL);
    return false;
}

TEST_F(SettingsFileTest, FullDiskLeavesTheOldFileAndNoPartOfTheNewOne) {
    PutFile(settings, "\"old\",\"settings\",\"file\"\r\n");
    EXPECT_FALSE(ReplaceFileContents(settings.wstring(), "\"new\",\"and\",\"longer settings\"\r\n", FullDiskWriter));
    EXPECT_EQ(FileBytes(settings), "\"old\",\"settings\",\"file\"\r\n");
    EXPECT_EQ(NamesIn(folder.Path()), Names{"Trelvane.txt"});

    // No file yet: none is left behind either.
    fs::remove(settings);
    EXPECT_FALSE(ReplaceFileContents(settings.wstring(), "\"a\",\"b\",\"c\"\r\n", FullDiskWriter));
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}

TEST_F(SettingsFileTest, FolderWithoutWriteAccessGetsNoFile) {
    const std::wstring refusing = FolderWithoutWriteAccess();
    if (refusing.empty()) GTEST_SKIP() << "no folder here refuses new files";
    const std::wstring path = refusing + L"\\Trelvane.txt";
    EXPECT_FALSE(ReplaceFileContents(path, "\"a\",\"b\",\"c\"\r\n"));
    EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

// "Exit" in a process of its own: trelvane-exit-probe, beside this test.
class ExitCommandTest : public ::testing::Test {
protected:
    TempFolder folder;
    fs::path settings = folder / "Trelvane.txt";

    void TearDown() override { SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_NORMAL); }

    // The exit code of "Exit" with the three boxes holding main, prior and
    // current, run in the folder; -1 when the probe did not end.
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

TEST_F(ExitCommandTest, WritesTheBoxesAndEndsWithZero) {
    EXPECT_EQ(Exit("C:\\KOV11", "", "D:\\2025"), 0);
    EXPECT_EQ(FileBytes(settings), "\"C:\\KOV11\",\"\",\"D:\\2025\"\r\n");
}

TEST_F(ExitCommandTest, ReadOnlyOrHeldFileIsLeftByteForByteAndTheExitCodeIsStillZero) {
    const std::string old = "\"keep\",\"these\",\"bytes\"\r\n";
    PutFile(settings, old);
    SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(Exit("C:\\KOV11", "", "D:\\2025"), 0);
    EXPECT_EQ(FileBytes(settings), old);
    SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_NORMAL);

    {
        const HeldFile holder(settings);
        ASSERT_TRUE(holder.Held());
        EXPECT_EQ(Exit("C:\\KOV11", "", "D:\\2025"), 0);
    }
    EXPECT_EQ(FileBytes(settings), old);
    EXPECT_EQ(NamesIn(folder.Path()), Names{"Trelvane.txt"});
}

TEST(WriteListFile, FolderWithoutWriteAccessMissingFolderFileOrFolderGetsNothing) {
    TempFolder folder;
    MemoryForm form;
    form.AddLine(kDepartedList, "12345  Doe,Jan               ");
    PutFile(folder / "file.txt", "a file, not a folder");
    fs::create_directory(folder / "folder.txt");

    std::vector<std::wstring> paths = {(folder / "no-such-folder" / "departed.txt").wstring(),
                                       (folder / "file.txt" / "departed.txt").wstring(),
                                       (folder / "folder.txt").wstring()};
    if (const std::wstring refusing = FolderWithoutWriteAccess(); !refusing.empty()) {
        paths.push_back(refusing + L"\\departed.txt");
    }
    for (const std::wstring& path : paths) {
        EXPECT_FALSE(WriteListFile(path, form, kDepartedList)) << fs::path(path).string();
        EXPECT_EQ(GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES, path != paths[2]);
    }
    EXPECT_EQ(NamesIn(folder.Path()), (Names{"file.txt", "folder.txt"}));
    EXPECT_EQ(FileBytes(folder / "file.txt"), "a file, not a folder");
    EXPECT_TRUE(fs::is_empty(folder / "folder.txt"));
}

}  // namespace
}  // namespace trelvane
