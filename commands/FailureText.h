#pragma once

#include <string>
#include <string_view>

#include "FileProblems.h"
#include "ListFileNames.h"
#include "SeasonComparison.h"

namespace trelvane {

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
