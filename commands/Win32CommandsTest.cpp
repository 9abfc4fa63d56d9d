// The commands against real windows and real files, under Windows or Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "AnsiText.h"
#include "ControlIds.h"
#include "DialogControls.h"
#include "ExportList.h"
#include "MemoryForm.h"
#include "ProcessSeasons.h"
#include "ReplaceFile.h"
#include "SeasonComparison.h"
#include "SettingsCommands.h"
#include "DemoSeasons.h"
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



std::vector<std::string> ListLines(FormControls& form, int list) {
    std::vector<std::string> lines(static_cast<std::size_t>(form.ListCount(list)));
    for (std::size_t i = 0; i < lines.size(); ++i) form.ReadListLine(list, static_cast<int>(i), lines[i]);
    return lines;
}

TEST(DialogControls, TextsCrossInTheAnsiCodePage) {
    TestForm form;
    const std::string accented = "C:\\Saisons\\\xE9t\xE9 2025";  // "été" in code page 1252
    form.SetText(kPriorFolderBox, accented);
    EXPECT_EQ(form.Text(kPriorFolderBox), accented);
    wchar_t wide[64];
    GetWindowTextW(GetDlgItem(form.Handle(), kPriorFolderBox), wide, 64);
    EXPECT_EQ(std::wstring(wide), WideFromAnsi(accented));
    EXPECT_EQ(form.Text(kMainFolderBox), "");
}

TEST(DialogControls, SortedListKeepsLinesInTextOrderWithTrailingBlanks) {
    TestForm form;
    DialogControls controls(form.Handle());
    controls.AddLine(kArrivalsList, "30000  Second,Player         ");
    LineBatch batch;
    batch.Add("10001  First,Player          ");
    batch.Add("40000  Third,Player          Some Team");
    controls.AddLines(kArrivalsList, std::move(batch));
    EXPECT_EQ(ListLines(controls, kArrivalsList),
              (std::vector<std::string>{"10001  First,Player          ", "30000  Second,Player         ",
                                        "40000  Third,Player          Some Team"}));
    controls.EmptyList(kArrivalsList);
    EXPECT_EQ(controls.ListCount(kArrivalsList), 0);
    std::string line = "stale";
    controls.ReadListLine(kArrivalsList, 5, line);
    EXPECT_EQ(line, "");
}

TEST(ProcessSeasons, FillsTheFormsListsAndCountsAsTheComparisonDoes) {
    TempFolder root;
    const auto seasons = tools::MakeDemoSeasons({.seed = 3, .players = 400, .teams = 16});
    ASSERT_TRUE(tools::WriteSeason(root / "prior", seasons.prior));
    ASSERT_TRUE(tools::WriteSeason(root / "current", seasons.current));

    MemoryForm expected;
    expected.SetBoxText(kPriorFolderBox, (root / "prior").string());
    expected.SetBoxText(kCurrentFolderBox, (root / "current").string());
    CompareSeasons(expected);

    TestForm form;
    form.SetText(kPriorFolderBox, (root / "prior").string());
    form.SetText(kCurrentFolderBox, (root / "current").string());
    DialogControls controls(form.Handle());
    controls.AddLine(kDepartedList, "stale");
    ProcessSeasons({0, form.Handle(), 0, kProcessButton});
    ProcessSeasons({0, form.Handle(), 0, kProcessButton});

    EXPECT_EQ(ListLines(controls, kDepartedList), ListLines(expected, kDepartedList));
    EXPECT_EQ(ListLines(controls, kArrivalsList), ListLines(expected, kArrivalsList));
    EXPECT_EQ(form.Text(kDepartedCountBox), expected.EditText(kDepartedCountBox));
    EXPECT_EQ(form.Text(kArrivalsCountBox), expected.EditText(kArrivalsCountBox));
    EXPECT_GT(controls.ListCount(kDepartedList), 10);
}

TEST(WriteListFile, WritesEveryLineWithCrLfAndReplacesLongerContent) {
    TempFolder folder;
    const fs::path target = folder / "departed.txt";
    PutFile(target, std::string(5000, 'x'));
    MemoryForm form;
    form.AddLine(kDepartedList, "12345  Doe,Jan               Northport Gulls");
    form.AddLine(kDepartedList, "23456  Novak,Tomas           ");
    ASSERT_TRUE(WriteListFile(target.wstring(), form, kDepartedList));
    EXPECT_EQ(FileBytes(target), "12345  Doe,Jan               Northport Gulls\r\n23456  Novak,Tomas           \r\n");

    ASSERT_TRUE(WriteListFile(target.wstring(), form, kArrivalsList));
    EXPECT_EQ(FileBytes(target), "");
}

TEST(WriteListFile, LeavesAReadOnlyOrLockedFileAsItWas) {
    TempFolder folder;
    MemoryForm form;
    form.AddLine(kDepartedList, "12345  Doe,Jan               ");

    const fs::path readOnly = folder / "read-only.txt";
    PutFile(readOnly, "old content");
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(WriteListFile(readOnly.wstring(), form, kDepartedList));
    EXPECT_EQ(FileBytes(readOnly), "old content");
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);

    const fs::path locked = folder / "locked.txt";
    PutFile(locked, "old content");
    const HANDLE holder = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WriteListFile(locked.wstring(), form, kDepartedList));
    CloseHandle(holder);
    EXPECT_EQ(FileBytes(locked), "old content");
}

TEST(WriteListFile, RefusesAPathLongerThan255WithoutWritingAnything) {
    TempFolder folder;
    MemoryForm form;
    form.AddLine(kDepartedList, "12345  Doe,Jan               ");
    const std::wstring base = (folder.Path() / "").wstring();
    const std::wstring exact = base + std::wstring(255 - base.size() - 4, L'n') + L".txt";
    ASSERT_EQ(exact.size(), 255u);
    EXPECT_TRUE(WriteListFile(exact, form, kDepartedList));
    fs::remove(exact);
    const std::wstring tooLong = base + std::wstring(256 - base.size() - 4, L'n') + L".txt";
    EXPECT_FALSE(WriteListFile(tooLong, form, kDepartedList));
    EXPECT_TRUE(fs::is_empty(folder.Path()));
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
    EXPECT_EQ(FileBytes(target), "new content");

    const fs::path folderNamedLikeFile = folder / "sub" / "Trelvane.txt";
    fs::create_directories(folderNamedLikeFile);
    EXPECT_FALSE(ReplaceFileContents(folderNamedLikeFile.wstring(), "x"));
    EXPECT_TRUE(fs::is_directory(folderNamedLikeFile));

    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.Path())) names.push_back(entry.path().filename().string());
    for (const auto& entry : fs::directory_iterator(folder / "sub")) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Trelvane.txt", "Trelvane.txt", "sub"}));
}

// Runs in a temporary current directory, where the settings file lives.
class SettingsTest : public ::testing::Test {
protected:
    TempFolder folder;
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
    std::vector<std::string> Boxes() {
        return {form.Text(kMainFolderBox), form.Text(kPriorFolderBox), form.Text(kCurrentFolderBox)};
    }
};

TEST_F(SettingsTest, MissingFileOrAFolderOfThatNameLeavesTheBoxes) {
    LoadSettings(form.Handle());
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"was main", "was prior", "was current"}));
    fs::create_directory(folder / "Trelvane.txt");
    LoadSettings(form.Handle());
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"was main", "was prior", "was current"}));
}

TEST_F(SettingsTest, LoadSetsAllThreeBoxesMissingFieldsEmpty) {
    PutFile(folder / "Trelvane.txt", "C:\\KOV11\r\n");
    LoadSettings(form.Handle());
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"C:\\KOV11", "", ""}));
}

TEST_F(SettingsTest, LockedFileSetsAllThreeBoxesEmpty) {
    PutFile(folder / "Trelvane.txt", "\"a\",\"b\",\"c\"\r\n");
    const HANDLE holder = CreateFileW(L"Trelvane.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    LoadSettings(form.Handle());
    CloseHandle(holder);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"", "", ""}));
}

TEST_F(SettingsTest, SaveWritesTheBoxesAndTheNextLoadGivesThemBack) {
    form.SetText(kMainFolderBox, "C:\\KOV11");
    form.SetText(kPriorFolderBox, "");
    form.SetText(kCurrentFolderBox, "D:\\Seasons\\2025, spring");
    ASSERT_TRUE(SaveSettings(form.Handle()));
    EXPECT_EQ(FileBytes(folder / "Trelvane.txt"), "\"C:\\KOV11\",\"\",\"D:\\Seasons\\2025, spring\"\r\n");

    TestForm next;
    SetCurrentDirectoryW(folder.Path().c_str());
    LoadSettings(next.Handle());
    EXPECT_EQ(next.Text(kMainFolderBox), "C:\\KOV11");
    EXPECT_EQ(next.Text(kPriorFolderBox), "");
    EXPECT_EQ(next.Text(kCurrentFolderBox), "D:\\Seasons\\2025, spring");
}

TEST_F(SettingsTest, SaveOverAReadOnlyFileLeavesItByteForByte) {
    PutFile(folder / "Trelvane.txt", "\"keep\",\"these\",\"bytes\"\r\n");
    SetFileAttributesW(L"Trelvane.txt", FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(SaveSettings(form.Handle()));
    SetFileAttributesW(L"Trelvane.txt", FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(FileBytes(folder / "Trelvane.txt"), "\"keep\",\"these\",\"bytes\"\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace trelvane
