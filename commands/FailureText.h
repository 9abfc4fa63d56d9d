#pragma once

#include <string>
#include <string_view>

#include "SeasonComparison.h"

namespace trelvane {

namespace write_problem {
// Why a file was not written, in the words the user is shown, besides the
// reasons a file is not read (FileProblems.h).
inline constexpr char kReadOnly[] = "the file is read-only";
inline constexpr char kDiskFull[] = "the disk is full";
inline constexpr char kFolderRefusesFiles[] = "the folder does not accept new files";
inline constexpr char kPathTooLong[] = "the path is too long";  // for its folder to take a new file
inline constexpr char kSeasonFile[] = "it is a season file of the game";
inline constexpr char kSettingsFile[] = "Trelvane keeps its folders in it";
}  // namespace write_problem

// Why a list may not be saved under the file name of path, whatever its
// folder and letter case: the game's season files and Trelvane's own
// settings file. Empty when the name is free.
std::string_view RefusedExportName(std::string_view path);

// What "Process" tells the user when a season file was not read: a line
// per file and what the lists show without it. Empty when all were read.
std::string SeasonFilesNotReadText(const SeasonFileReport& priorPlayers, const SeasonFileReport& currentPlayers,
                                   const SeasonFileReport& priorTeams);

// What a folder button tells the user when the folder browser cannot open:
// it needs COM, which did not start.
inline constexpr char kFolderBrowserFailedText[] =
    "The folder browser cannot open: Windows could not start the part of the system it needs (COM).\n"
    "Type or paste the folder's path into the box instead.";

// What a folder button tells the user when the item chosen in the browser
// has no folder path (a library, a network root).
inline constexpr char kNotAFolderOnDiskText[] =
    "The item you chose is not a folder on a disk or a network share, so the box keeps its folder.";

// What an export or "Exit" tells the user when its file was not written.
// Where a replace failed part way and could not be undone, newIn and oldIn
// say where the new and the old content are now; else nothing was changed.
struct NotSaved {
    std::string_view path;
    std::string_view problem;
    std::string_view newIn = {};
    std::string_view oldIn = {};
};
std::string ListNotSavedText(const NotSaved& failure);
std::string FoldersNotSavedText(const NotSaved& failure);

}  // namespace trelvane
