// trelvane.exe told of what failed, driven from outside under Windows or
// Wine: one message box per failure, none on success, and the files byte for
// byte. A message box takes seconds to come and go without a window manager,
// so each program start covers several cases, and they run at one DPI.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "ControlIds.h"
#include "DemoSeasons.h"
#include "HeldFile.h"
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
using testing::FileNamesIn;
using testing::HeldFile;
using testing::Hold;
using testing::ProgramDriver;
using testing::PutFile;
using testing::TempFolder;
using Names = std::vector<std::string>;

Names Lines(const LineBatch& batch) {
    Names lines;
    for (std::size_t i = 0; i < batch.Count(); ++i) lines.emplace_back(batch[i]);
    return lines;
}

class ProgramFailureTest : public ::testing::Test {
protected:
    TempFolder work;
    fs::path prior = work / "prior";
    fs::path current = work / "current";
    std::string settingsText;

    void SetUp() override {
        // Each message box takes 2 s to go without a window manager; what
        // they say does not depend on the screen.
        const HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        if (dpi != 96) GTEST_SKIP() << "run at 96 DPI only";
        const auto seasons = tools::MakeDemoSeasons({.seed = 5, .players = 80, .teams = 6});
        ASSERT_TRUE(tools::WriteSeason(prior, seasons.prior));
        ASSERT_TRUE(tools::WriteSeason(current, seasons.current));
        settingsText = "\"C:\\KOV11\",\"" + prior.string() + "\",\"" + current.string() + "\"\r\n";
        PutFile(work / "Trelvane.txt", settingsText);
    }

    // Runs "Process" on the two folders and expects the lists and counts the
    // comparison gives, whatever it could not read.
    void ExpectListsOf(const ProgramDriver& program, const std::string& priorFolder, const std::string& currentFolder) {
        const SeasonComparison expected = CompareSeasons(priorFolder, currentFolder);
        EXPECT_EQ(program.Lines(kDepartedList), Lines(DepartedLines(expected)));
        EXPECT_EQ(program.Lines(kArrivalsList), Lines(ArrivalLines(expected)));
        EXPECT_EQ(program.Text(kDepartedCountBox), CountText(expected.departed.size()));
        EXPECT_EQ(program.Text(kArrivalsCountBox), CountText(expected.arrived.size()));
    }
};

TEST_F(ProgramFailureTest, ProcessListsTheSeasonFilesNotReadAndFillsTheListsAsBefore) {
    ProgramDriver program(work.Path());
    ASSERT_TRUE(program.Click(kProcessButton, 20000)) << "a message box after a full read";
    EXPECT_FALSE(program.HasMessageBox());
    ExpectListsOf(program, prior.string(), current.string());

    // A folder typed as a relative path is named by its full path.
    program.SetText(kPriorFolderBox, "2024");
    program.Press(kProcessButton);
    const HWND box = program.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    wchar_t title[128] = {};
    GetWindowTextW(box, title, 128);
    EXPECT_STREQ(title, L"KOV (V11) Utility - Trelvane");
    int buttons = 0;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[32] = {};
        GetClassNameW(child, className, 32);
        buttons += _wcsicmp(className, L"Button") == 0;
    }
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(testing::MessageBoxText(box),
              (work / "2024").string() + "\\KOVPLYR.DAT was not read: the folder does not exist.\n" +
                  (work / "2024").string() +
                  "\\KOVTEAM.DAT was not read: the folder does not exist.\n"
                  "The prior season counts as empty, so every player of the current season is listed as arrived.");
    testing::PressOk(box);
    program.Sync();
    EXPECT_FALSE(program.HasMessageBox());
    ExpectListsOf(program, (work / "2024").string(), current.string());

    program.SetText(kPriorFolderBox, prior.string());
    program.SetText(kCurrentFolderBox, "");
    program.Press(kProcessButton);
    EXPECT_EQ(program.AnswerMessageBox(),
              "The current season's KOVPLYR.DAT was not read: no folder was given.\n"
              "The current season counts as empty, so every player of the prior season is listed as departed.");
    EXPECT_FALSE(program.HasMessageBox());
    ExpectListsOf(program, prior.string(), "");

    program.SetText(kCurrentFolderBox, current.string());
    {
        const HeldFile holder = Hold(current / "KOVPLYR.DAT");
        ASSERT_TRUE(holder);
        program.Press(kProcessButton);
        EXPECT_EQ(program.AnswerMessageBox(),
                  (current / "KOVPLYR.DAT").string() +
                      " was not read: another program is using it.\n"
                      "The current season counts as empty, so every player of the prior season is listed as departed.");
        EXPECT_FALSE(program.HasMessageBox());
        ExpectListsOf(program, prior.string(), (work / "no such folder").string());
    }

    fs::remove(prior / "KOVTEAM.DAT");
    program.Press(kProcessButton);
    EXPECT_EQ(program.AnswerMessageBox(), (prior / "KOVTEAM.DAT").string() +
                                              " was not read: not found.\n"
                                              "Departed players are listed without their team.");
    EXPECT_FALSE(program.HasMessageBox());
    ExpectListsOf(program, prior.string(), current.string());
    EXPECT_FALSE(fs::exists(prior / "KOVTEAM.DAT"));
}

TEST_F(ProgramFailureTest, ExportsTellWhyAFileWasNotSavedAndLeaveItByteForByte) {
    PutFile(work / "read-only.txt", "old list");
    SetFileAttributesW((work / "read-only.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    PutFile(work / "held.txt", "old list");
    const std::string players = FileBytes(prior / "KOVPLYR.DAT");
    ProgramDriver program(work.Path());
    ASSERT_TRUE(program.Click(kProcessButton, 20000));

    struct Case {
        fs::path file;
        std::string problem;
    };
    std::vector<Case> cases = {
        {work / "read-only.txt", "the file is read-only"},
        {work / "held.txt", "another program is using it"},
        {prior / "kovplyr.dat", "it is a season file of the game"},
    };
    if (fs::is_directory("Z:\\sys")) cases.push_back({"Z:\\sys\\departed.txt", "the folder does not accept new files"});
    const HeldFile holder = Hold(work / "held.txt");
    ASSERT_TRUE(holder);
    for (const Case& c : cases) {
        program.Press(kPriorExportButton);
        ASSERT_TRUE(program.SaveAs(L"FILE FOR PRIOR PLAYERS", c.file));
        EXPECT_EQ(program.AnswerMessageBox(),
                  "The list was not saved in " + c.file.string() + ": " + c.problem + ".\nNo file was changed.");
        EXPECT_FALSE(program.HasMessageBox());
    }
    EXPECT_FALSE(fs::exists("Z:\\sys\\departed.txt"));
    SetFileAttributesW((work / "read-only.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(FileBytes(work / "read-only.txt"), "old list");
    EXPECT_TRUE(FileBytes(prior / "KOVPLYR.DAT") == players);
    EXPECT_EQ(FileNamesIn(work.Path()), (Names{"Trelvane.txt", "current", "held.txt", "prior", "read-only.txt"}));
    EXPECT_EQ(FileNamesIn(prior), (Names{"KOVPLYR.DAT", "KOVTEAM.DAT"}));

    // Over an existing file: replaced, and no message.
    program.Press(kCurrentExportButton);
    ASSERT_TRUE(program.SaveAs(L"FILE FOR CURRENT PLAYERS", work / "read-only.txt"));
    EXPECT_FALSE(program.HasMessageBox());
    std::string arrivals;
    for (const std::string& line : program.Lines(kArrivalsList)) arrivals += line + "\r\n";
    EXPECT_EQ(FileBytes(work / "read-only.txt"), arrivals);
}

TEST_F(ProgramFailureTest, ExitOverAHeldSettingsFileTellsWhyAndEndsWithZero) {
    ProgramDriver program(work.Path());
    program.SetText(kPriorFolderBox, "D:\\Seasons\\2025");
    {
        const HeldFile holder = Hold(work / "Trelvane.txt");
        ASSERT_TRUE(holder);
        program.Press(kExitButton);
        EXPECT_EQ(program.AnswerMessageBox(), "The folders were not saved in " + (work / "Trelvane.txt").string() +
                                                  ": another program is using it.\nNo file was changed.");
        EXPECT_EQ(program.WaitForExit(), 0u);
    }
    EXPECT_EQ(FileBytes(work / "Trelvane.txt"), settingsText);
    EXPECT_EQ(FileNamesIn(work.Path()), (Names{"Trelvane.txt", "current", "prior"}));
}

// A backup program held the file while Trelvane started: Exit with the boxes
// still empty keeps the saved folders, without a message.
TEST_F(ProgramFailureTest, ExitKeepsASettingsFileHeldAtStartWhileTheBoxesStayEmpty) {
    HeldFile holder = Hold(work / "Trelvane.txt");
    ASSERT_TRUE(holder);
    ProgramDriver program(work.Path());
    EXPECT_EQ(program.Text(kPriorFolderBox), "");
    holder.reset();
    program.Click(kExitButton);
    EXPECT_EQ(program.WaitForExit(), 0u);
    EXPECT_EQ(FileBytes(work / "Trelvane.txt"), settingsText);
}

}  // namespace
}  // namespace trelvane
