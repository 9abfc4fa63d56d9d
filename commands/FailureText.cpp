#include "FailureText.h"

#include <initializer_list>

#include "FileProblems.h"
#include "PathParts.h"
#include "SeasonRecords.h"

namespace trelvane {
namespace {

void AddNotReadLine(std::string& text, const SeasonFileReport* file, std::string_view season) {
    if (!file || file->WasRead()) return;
    // An empty folder box gives no path worth showing.
    if (file->problem == FileProblem::kNoFolderGiven) {
        text +=
            "The " + std::string(season) + " season's " + std::string(FileNameOf(file->path, std::string_view("\\/")));
    } else {
        text += file->path;
    }
    text += " was not read: " + file->problem.Words() + ".\n";
}

// One season folder's files: a folder that is not there, or an empty box,
// is one line naming the box; otherwise a line per file not read.
void AddFolderLines(std::string& text, std::string_view season, std::string_view folder,
                    std::initializer_list<const SeasonFileReport*> files) {
    const Problem& problem = (*files.begin())->problem;
    const std::string box = std::string(season) + " season box";
    if (problem == FileProblem::kFolderMissing) {
        text += "The " + std::string(season) + " season folder " + std::string(folder) + " does not exist: check the " +
                box + ".\n";
    } else if (problem == FileProblem::kNoFolderGiven) {
        text += "No " + std::string(season) + " season folder was given: the " + box + " is empty.\n";
    } else {
        for (const SeasonFileReport* file : files) AddNotReadLine(text, file, season);
    }
}

std::string NotReadLines(const SeasonFilesRead& files) {
    std::string text;
    AddFolderLines(text, "prior", files.priorFolder, {&files.priorPlayers, &files.priorTeams});
    AddFolderLines(text, "current", files.currentFolder, {&files.currentPlayers, files.currentTeams});
    return text;
}

}  // namespace

std::string SeasonFilesNotReadText(const SeasonFilesRead& files) {
    std::string text = NotReadLines(files);
    if (text.empty()) return text;
    const bool priorRead = files.priorPlayers.WasRead(), currentRead = files.currentPlayers.WasRead();
    if (!priorRead && !currentRead) {
        text += "Both seasons count as empty, so both lists are empty.";
    } else if (!priorRead) {
        text += "The prior season counts as empty, so every player of the current season is listed as arrived.";
    } else if (!currentRead) {
        text += "The current season counts as empty, so every player of the prior season is listed as departed.";
    }
    // Without prior players there is no departed line to miss its team.
    if (priorRead && !files.priorTeams.WasRead()) {
        if (!currentRead) text += ' ';
        text += "Departed players are listed without their team.";
    }
    return text;
}

std::string ReportFilesNotReadText(const SeasonFilesRead& files) {
    std::string text = NotReadLines(files);
    if (text.empty()) return text;
    if (!files.priorPlayers.WasRead() || !files.currentPlayers.WasRead()) {
        return text + "The report was not saved: it needs the players of both seasons.";
    }
    text += "The report is saved, but who moved is unknown without both team files.";
    if (!files.priorTeams.WasRead()) text += " Departed players are listed without their team.";
    if (files.currentTeams && !files.currentTeams->WasRead())
        text += " Arrivals are listed without the team they joined.";
    return text;
}

namespace {

std::string NotSavedText(std::string_view what, const NotSaved& failure) {
    if (failure.problem.empty()) {
        return "The " + std::string(what) + " saved in " + std::string(failure.path) +
               ", but the old file could not be deleted: it is kept as " + std::string(failure.oldIn) + '.';
    }
    std::string text = "The " + std::string(what) + " not saved in " + std::string(failure.path) + ": " +
                       failure.problem.Words() + '.';
    if (failure.newIn.empty() && failure.oldIn.empty()) return text + "\nNo file was changed.";
    if (!failure.newIn.empty()) text += "\nThe new file is kept as " + std::string(failure.newIn) + '.';
    if (!failure.oldIn.empty()) text += "\nThe old file is kept as " + std::string(failure.oldIn) + '.';
    return text;
}

}  // namespace

std::string ListNotSavedText(const NotSaved& failure) { return NotSavedText("list was", failure); }

std::string ReportNotSavedText(const NotSaved& failure) { return NotSavedText("report was", failure); }

std::string FoldersNotSavedText(const NotSaved& failure) { return NotSavedText("folders were", failure); }

}  // namespace trelvane
