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

std::string ListNotSavedText(std::string_view path, std::string_view problem);
std::string FoldersNotSavedText(std::string_view path, std::string_view problem);

}  // namespace trelvane
