// trelvane.exe told of what failed, driven from outside under Windows or
// Wine: one message box per kind of failure, with its exact text, and the
// files byte for byte. Every way a file can fail is tested on the commands
// themselves. A message box takes seconds to go without a window manager
// and says the same at any DPI, so these run at 96 only.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "ControlIds.h"
#include "DemoSeasons.h"
#include "HeldFile.h"
#include "ListLine.h"
#include "ProgramDriver.h"
#include "SeasonComparison.h"
#include "SeasonFolders.h"
#include "TestFiles.h"

namespace trelvane {
namespace {

namespace fs = std::filesystem;
using namespace control_id;
using testing::FileBytes;
using testing::FileNamesIn;
using testing::ProgramDriver;
using testing::PutFile;
using Names = std::vector<std::string>;

class ProgramFailureTest : public ::testing::Test, public testing::SeasonFolders {
protected:
    std::string settingsText = "\"C:\\KOV11\",\"" + prior.string() + "\",\"" + current.string() + "\"\r\n";

    void SetUp() override {
        const HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        if (dpi != 96) GTEST_SKIP() << "run at 96 DPI only";
        ASSERT_TRUE(Write(tools::MakeDemoSeasons({.seed = 5, .players = 80, .teams = 6})));
        PutFile(root / "Trelvane.txt", settingsText);
    }
};

TEST_F(ProgramFailureTest, ProcessListsTheSeasonFilesNotReadAndFillsTheListsAsBefore) {
    ProgramDriver program(root.Path());
    // A folder typed as a relative path is named by its full path.
    program.SetText(kPriorFolderBox, "2024");
    program.Press(kProcessButton);
    const HWND box = program.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "none owned by the form with its caption";
    int buttons = 0;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[32] = {};
        GetClassNameW(child, className, 32);
        buttons += _wcsicmp(className, L"Button") == 0;
    }
    EXPECT_EQ(buttons, 1);
    const std::string folder = (root / "2024").string();
    EXPECT_EQ(program.AnswerMessageBox(),
              "The prior season folder " + folder +
                  " does not exist: check the prior season box.\n"
                  "The prior season counts as empty, so every player of the current season is listed as arrived.");
    EXPECT_FALSE(program.HasMessageBox());
    const SeasonComparison expected = CompareSeasons(folder, current.string());
    EXPECT_EQ(program.Lines(kDepartedList), Names{});
    EXPECT_EQ(program.Lines(kArrivalsList), testing::AsStrings(ArrivalLines(expected)));
    EXPECT_EQ(program.Text(kDepartedCountBox), " 0");
    EXPECT_EQ(program.Text(kArrivalsCountBox), CountText(expected.arrived.size()));
}

TEST_F(ProgramFailureTest, ExportOverAReadOnlyFileTellsWhyAndLeavesItByteForByte) {
    PutFile(root / "read-only.txt", "old list");
    SetFileAttributesW((root / "read-only.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    ProgramDriver program(root.Path());
    ASSERT_TRUE(program.Click(kProcessButton, 20000));
    program.Press(kPriorExportButton);
    ASSERT_TRUE(program.SaveAs(L"FILE FOR PRIOR PLAYERS", root / "read-only.txt"));
    EXPECT_EQ(program.AnswerMessageBox(), "The list was not saved in " + (root / "read-only.txt").string() +
                                              ": the file is read-only.\nNo file was changed.");
    EXPECT_FALSE(program.HasMessageBox());
    SetFileAttributesW((root / "read-only.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(FileBytes(root / "read-only.txt"), "old list");
    EXPECT_EQ(FileNamesIn(root.Path()), (Names{"Trelvane.txt", "current", "prior", "read-only.txt"}));
}

TEST_F(ProgramFailureTest, ExitOverAHeldSettingsFileTellsWhyAndEndsWithZero) {
    ProgramDriver program(root.Path());
    program.SetText(kPriorFolderBox, "D:\\Seasons\\2025");
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

}  // namespace
}  // namespace trelvane
