#include "SeasonFilesShown.h"

#include "FileProblems.h"
#include "ReplaceFile.h"
#include "WindowsText.h"

namespace trelvane {
namespace {

std::string FullPathOf(std::string_view path) { return Utf8FromWide(FullPath(WideFromUtf8(path))); }

SeasonFileReport WithFullPath(SeasonFileReport file) {
    if (!file.WasRead() && file.problem != FileProblem::kNoFolderGiven) file.path = FullPathOf(file.path);
    return file;
}

}  // namespace

SeasonFilesShown::SeasonFilesShown(std::string_view priorFolder, std::string_view currentFolder,
                                   const SeasonComparison& result)
    : priorFolder_(priorFolder.empty() ? "" : FullPathOf(priorFolder)),
      currentFolder_(currentFolder.empty() ? "" : FullPathOf(currentFolder)),
      priorPlayers_(WithFullPath(result.priorPlayerFile)),
      currentPlayers_(WithFullPath(result.currentPlayerFile)),
      priorTeams_(WithFullPath(result.priorTeamFile)) {
    if (result.currentTeamFile) currentTeams_ = WithFullPath(*result.currentTeamFile);
}

SeasonFilesRead SeasonFilesShown::Files() const {
    return {priorFolder_,    currentFolder_, priorPlayers_,
            currentPlayers_, priorTeams_,    currentTeams_ ? &*currentTeams_ : nullptr};
}

}  // namespace trelvane
