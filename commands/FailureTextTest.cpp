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
    for (const auto& [path, reason] : cases) EXPECT_EQ(RefusedExportName(path), reason) << path;
}

TEST(SeasonFilesNotReadText, ListsEachFileNotReadAndWhatTheListsShowWithoutIt) {
    const SeasonFileReport read{"C:\\S\\2026\\KOVPLYR.DAT", ""};
    const SeasonFileReport teamMissing{"C:\\S\\2025\\KOVTEAM.DAT", "not found"};
    const SeasonFileReport currentHeld{"C:\\S\\2026\\KOVPLYR.DAT", "another program is using it"};
    const SeasonFileReport noPrior{"\\KOVPLYR.DAT", "no folder was given"};
    const SeasonFileReport noPriorTeam{"\\KOVTEAM.DAT", "no folder was given"};
    const SeasonFileReport noCurrent{"\\KOVPLYR.DAT", "no folder was given"};
    const struct {
        SeasonFileReport priorPlayers, currentPlayers, priorTeams;
        std::string text;
    } cases[] = {
        {read, read, read, ""},
        {read, currentHeld, read,
         "C:\\S\\2026\\KOVPLYR.DAT was not read: another program is using it.\n"
         "The current season counts as empty, so every player of the prior season is listed as departed."},
        {read, read, teamMissing,
         "C:\\S\\2025\\KOVTEAM.DAT was not read: not found.\n"
         "Departed players are listed without their team."},
        {read, currentHeld, teamMissing,
         "C:\\S\\2026\\KOVPLYR.DAT was not read: another program is using it.\n"
         "C:\\S\\2025\\KOVTEAM.DAT was not read: not found.\n"
         "The current season counts as empty, so every player of the prior season is listed as departed. "
         "Departed players are listed without their team."},
        {noPrior, noCurrent, noPriorTeam,
         "The prior season's KOVPLYR.DAT was not read: no folder was given.\n"
         "The current season's KOVPLYR.DAT was not read: no folder was given.\n"
         "The prior season's KOVTEAM.DAT was not read: no folder was given.\n"
         "Both seasons count as empty, so both lists are empty."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SeasonFilesNotReadText(c.priorPlayers, c.currentPlayers, c.priorTeams), c.text);
    }
}

TEST(FailureText, AFileNotSavedSaysNothingChangedOrWhereBothFilesAreKept) {
    EXPECT_EQ(ListNotSavedText({.path = "C:\\l.txt", .problem = "the disk is full"}),
              "The list was not saved in C:\\l.txt: the disk is full.\nNo file was changed.");
    EXPECT_EQ(
        FoldersNotSavedText({.path = "C:\\T.txt", .problem = "x", .newIn = "C:\\trv1.tmp", .oldIn = "C:\\trb2.tmp"}),
        "The folders were not saved in C:\\T.txt: x.\nThe new file is kept as C:\\trv1.tmp.\nThe old file is kept as "
        "C:\\trb2.tmp.");
}

}  // namespace
}  // namespace trelvane
