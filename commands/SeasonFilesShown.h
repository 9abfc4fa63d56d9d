#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "FailureText.h"
#include "SeasonComparison.h"

namespace trelvane {

// The season folders and files of a run as the user is shown them: a
// folder typed as a relative path shows as its full path.
class SeasonFilesShown {
public:
    SeasonFilesShown(std::string_view priorFolder, std::string_view currentFolder, const SeasonComparison& result);
    SeasonFilesRead Files() const;

private:
    std::string priorFolder_, currentFolder_;
    SeasonFileReport priorPlayers_, currentPlayers_, priorTeams_;
    std::optional<SeasonFileReport> currentTeams_;
};

}  // namespace trelvane
