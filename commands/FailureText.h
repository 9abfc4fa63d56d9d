#pragma once

#include <string>
#include <string_view>

#include "FileProblems.h"
#include "ListFileNames.h"
#include "SeasonComparison.h"

namespace trelvane {

// The season folders of a run, as the user is shown them (full paths), and
// what became of their files.
struct SeasonFilesRead {
    std::string_view priorFolder;
    std::string_view currentFolder;
    const SeasonFileReport& priorPlayers;
    const SeasonFileReport& currentPlayers;
    const SeasonFileReport& priorTeams;
    const SeasonFileReport* currentTeams = nullptr;  // the report reads it, "Process" does not
};

// What "Process" tells the user when a season file was not read: a line
// per file, or one per folder that does not exist or box that is empty,
// naming the box to check; then what the lists show without them. Empty
// when all were read.
std::string SeasonFilesNotReadText(const SeasonFilesRead& files);

// What "Process" adds when both boxes name one folder.
inline constexpr char kSameFolderText[] =
    "The prior season box and the current season box name the same folder, so nobody is listed as departed or "
    "arrived.";

// What the league report tells the user when a season file was not read:
// the same lines as "Process", then that the report was not saved (a
// player file) or what it lacks (a team file). Empty when all were read.
std::string ReportFilesNotReadText(const SeasonFilesRead& files);

// What a folder button tells the user when the folder browser cannot open:
// it needs COM, which did not start.
inline constexpr char kFolderBrowserFailedText[] =
    "The folder browser cannot open: Windows could not start the part of the system it needs (COM).\n"
    "Type or paste the folder's path into the box instead.";

// What a folder button tells the user when the item chosen in the browser
// has no folder path (a library, a network root).
inline constexpr char kNotAFolderOnDiskText[] =
    "The item you chose is not a folder on a disk or a network share, so the box keeps its folder.";

// What "Copy all lines" tells the user when the clipboard could not be had.
inline constexpr char kLinesNotCopiedText[] =
    "The lines were not copied: another program is using the clipboard. Try again in a moment.";

// What an export or "Exit" tells the user when its file was not written.
// Where a replace failed part way and could not be undone, newIn and oldIn
// say where the new and the old content are now; else nothing was changed.
// Without a problem the file was written, and oldIn is where its old content
// was left, not deleted.
struct NotSaved {
    std::string_view path;
    Problem problem;
    std::string_view newIn = {};
    std::string_view oldIn = {};
};
std::string ListNotSavedText(const NotSaved& failure);
std::string ReportNotSavedText(const NotSaved& failure);
std::string FoldersNotSavedText(const NotSaved& failure);

}  // namespace trelvane
