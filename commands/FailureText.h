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

std::string ListNotSavedText(std::string_view path, std::string_view problem);
std::string FoldersNotSavedText(std::string_view path, std::string_view problem);

}  // namespace trelvane
