#include "FailureText.h"

#include "FileProblems.h"
#include "SeasonRecords.h"

namespace trelvane {
namespace {

std::string_view FileNameOf(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

void AddNotReadLine(std::string& text, const SeasonFileReport& file, std::string_view season) {
    if (file.Read()) return;
    // An empty folder box gives no path worth showing.
    if (file.problem == file_problem::kNoFolderGiven) {
        text += "The " + std::string(season) + " season's " + std::string(FileNameOf(file.path));
    } else {
        text += file.path;
    }
    text += " was not read: " + file.problem + ".\n";
}

}  // namespace

std::string SeasonFilesNotReadText(const SeasonFileReport& priorPlayers, const SeasonFileReport& currentPlayers,
                                   const SeasonFileReport& priorTeams) {
    std::string text;
    AddNotReadLine(text, priorPlayers, "prior");
    AddNotReadLine(text, currentPlayers, "current");
    AddNotReadLine(text, priorTeams, "prior");
    if (text.empty()) return text;

    if (!priorPlayers.Read() && !currentPlayers.Read()) {
        text += "Both seasons count as empty, so both lists are empty.";
    } else if (!priorPlayers.Read()) {
        text += "The prior season counts as empty, so every player of the current season is listed as arrived.";
    } else if (!currentPlayers.Read()) {
        text += "The current season counts as empty, so every player of the prior season is listed as departed.";
    }
    // Without prior players there is no departed line to miss its team.
    if (priorPlayers.Read() && !priorTeams.Read()) {
        if (!currentPlayers.Read()) text += ' ';
        text += "Departed players are listed without their team.";
    }
    return text;
}

namespace {

std::string NotSavedText(std::string_view what, const NotSaved& failure) {
    std::string text = "The " + std::string(what) + " not saved in " + std::string(failure.path) + ": " +
                       std::string(failure.problem) + '.';
    if (failure.newIn.empty() && failure.oldIn.empty()) return text + "\nNo file was changed.";
    if (!failure.newIn.empty()) text += "\nThe new file is kept as " + std::string(failure.newIn) + '.';
    if (!failure.oldIn.empty()) text += "\nThe old file is kept as " + std::string(failure.oldIn) + '.';
    return text;
}

}  // namespace

std::string ListNotSavedText(const NotSaved& failure) { return NotSavedText("list was", failure); }

std::string FoldersNotSavedText(const NotSaved& failure) { return NotSavedText("folders were", failure); }

}  // namespace trelvane
