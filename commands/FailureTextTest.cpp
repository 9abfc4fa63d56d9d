#include "FailureText.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

TEST(RefusedExportName, SeasonFilesAndTheSettingsFileInAnyCaseAndFolderAreRefused) {
    const std::pair<const char*, std::string_view> cases[] = {
        {"C:\\KOV11\\2025\\KOVPLYR.DAT", "it is a season file of the game"},
        {"kovteam.dat", "it is a season file of the game"},
        {"D:/x/KovPlyr.Dat. ", "it is a season file of the game"},
        {"C:\\Trelvane\\TRELVANE.TXT", "Trelvane keeps its folders in it"},
        {"C:\\KOVPLYR.DAT\\departed.txt", ""},
        {"C:\\x\\KOVPLYR.DAT.txt", ""},
        {"C:\\x\\XKOVTEAM.DAT", ""},
        {"C:\\x\\Trelvane.txt2", ""},
        {"", ""},
    };
    for (const auto& [path, reason] : cases) EXPECT_EQ(WordsOf(RefusedExportName(path)), reason) << path;
}

TEST(IsWindowsDeviceName, TheDevicesInAnyCaseWithAnyExtensionTrailingDotsOrBlanks) {
    for (const char* name : {"con", "CON.txt", "nul.tar.gz", "Aux ", "prn. .", "nul .txt", "com0", "COM9.csv", "lpt1",
                             "LPT\xC2\xB9.txt", "com\xC2\xB3", "CONOUT$", "conin$."}) {
        EXPECT_TRUE(IsWindowsDeviceName(name)) << name;
    }
    for (const char* name : {"", "console.txt", "xnul", "nul_list.txt", "com", "com10", "lpt", "comx", "com\xC2\xB4",
                             "KOVPLYR.DAT", ".nul", "CONOUT$.txt"}) {
        EXPECT_FALSE(IsWindowsDeviceName(name)) << name;
    }
}

TEST(SeasonFilesNotReadText, ListsEachFileNotReadOrTheFolderAndBoxAndWhatTheListsOrTheReportShow) {
    const SeasonFileReport read{"C:\\S\\2026\\KOVPLYR.DAT", {}};
    const SeasonFileReport priorMissing{"C:\\S\\2025\\KOVPLYR.DAT", FileProblem::kFolderMissing};
    const SeasonFileReport teamMissing{"C:\\S\\2025\\KOVTEAM.DAT", FileProblem::kNotFound};
    const SeasonFileReport currentHeld{"C:\\S\\2026\\KOVPLYR.DAT", FileProblem::kInUse};
    const SeasonFileReport noFolder{"\\KOVPLYR.DAT", FileProblem::kNoFolderGiven};
    const SeasonFileReport currentTeamHeld{"C:\\S\\2026\\KOVTEAM.DAT", FileProblem::kInUse};
    const struct {
        SeasonFileReport priorPlayers, currentPlayers, priorTeams;
        const SeasonFileReport* currentTeams;
        std::string process, report;
    } cases[] = {
        {read, read, read, &read, "", ""},
        {priorMissing, read, priorMissing, nullptr,
         "The prior season folder C:\\S\\2025 does not exist: check the prior season box.\n"
         "The prior season counts as empty, so every player of the current season is listed as arrived.",
         "The prior season folder C:\\S\\2025 does not exist: check the prior season box.\n"
         "The report was not saved: it needs the players of both seasons."},
        {read, currentHeld, teamMissing, nullptr,
         "C:\\S\\2025\\KOVTEAM.DAT was not read: not found.\n"
         "C:\\S\\2026\\KOVPLYR.DAT was not read: another program is using it.\n"
         "The current season counts as empty, so every player of the prior season is listed as departed. "
         "Departed players are listed without their team.",
         "C:\\S\\2025\\KOVTEAM.DAT was not read: not found.\n"
         "C:\\S\\2026\\KOVPLYR.DAT was not read: another program is using it.\n"
         "The report was not saved: it needs the players of both seasons."},
        {read, read, teamMissing, &currentTeamHeld,
         "C:\\S\\2025\\KOVTEAM.DAT was not read: not found.\n"
         "Departed players are listed without their team.",
         "C:\\S\\2025\\KOVTEAM.DAT was not read: not found.\n"
         "C:\\S\\2026\\KOVTEAM.DAT was not read: another program is using it.\n"
         "The report is saved, but who moved is unknown without both team files. Departed players are listed "
         "without their team. Arrivals are listed without the team they joined."},
        {noFolder, noFolder, noFolder, &noFolder,
         "No prior season folder was given: the prior season box is empty.\n"
         "No current season folder was given: the current season box is empty.\n"
         "Both seasons count as empty, so both lists are empty.",
         "No prior season folder was given: the prior season box is empty.\n"
         "No current season folder was given: the current season box is empty.\n"
         "The report was not saved: it needs the players of both seasons."},
    };
    for (const auto& c : cases) {
        const SeasonFilesRead files{"C:\\S\\2025", "C:\\S\\2026", c.priorPlayers, c.currentPlayers, c.priorTeams};
        EXPECT_EQ(SeasonFilesNotReadText(files), c.process);
        SeasonFilesRead withCurrentTeams = files;
        withCurrentTeams.currentTeams = c.currentTeams;
        EXPECT_EQ(ReportFilesNotReadText(withCurrentTeams), c.report);
    }
}

TEST(FailureText, AFileNotSavedSaysNothingChangedOrWhereBothFilesAreKept) {
    EXPECT_EQ(ListNotSavedText({.path = "C:\\l.txt", .problem = FileProblem::kDiskFull}),
              "The list was not saved in C:\\l.txt: the disk is full.\nNo file was changed.");
    EXPECT_EQ(
        FoldersNotSavedText(
            {.path = "C:\\T.txt", .problem = Problem::Other("x"), .newIn = "C:\\trv1.tmp", .oldIn = "C:\\trb2.tmp"}),
        "The folders were not saved in C:\\T.txt: x.\nThe new file is kept as C:\\trv1.tmp.\nThe old file is kept as "
        "C:\\trb2.tmp.");
    EXPECT_EQ(ReportNotSavedText({.path = "C:\\r.txt", .problem = {}, .oldIn = "C:\\trb3.tmp"}),
              "The report was saved in C:\\r.txt, but the old file could not be deleted: it is kept as C:\\trb3.tmp.");
}

}  // namespace
}  // namespace trelvane
