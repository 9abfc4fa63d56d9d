#include "CompareCommand.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>

#include "ErrnoProblems.h"
#include "FileProblems.h"
#include "LineText.h"
#include "ListFileNames.h"
#include "ListLine.h"
#include "ReadOnlyFile.h"
#include "Reports.h"
#include "SavedList.h"
#include "SeasonComparison.h"
#include "SeasonRecords.h"
#include "SystemText.h"

#ifndef TRELVANE_VERSION
#define TRELVANE_VERSION "unknown"
#endif

namespace trelvane::cli {
namespace {

constexpr char kProgram[] = "trelvane-compare";
constexpr char kStandardOutput[] = "-";

void WarnAboutTeams(std::ostream& err, const SeasonFileReport& teams, const char* consequence) {
    if (teams.WasRead()) return;
    err << kProgram << ": warning: cannot read the team file " << NativePath(teams.path) << ": " << teams.problem
        << "; " << consequence << '\n';
}

void Warn(std::ostream& err, const SeasonComparison& result, const CompareRequest& request) {
    // One folder given twice names one team file: said once.
    if (result.priorTeamFile.path == result.currentTeamFile->path) {
        WarnAboutTeams(err, result.priorTeamFile,
                       "departed players and arrivals are listed without their teams and who moved is unknown");
    } else {
        WarnAboutTeams(err, result.priorTeamFile,
                       "departed players are listed without their teams and who moved is unknown");
        WarnAboutTeams(err, *result.currentTeamFile, "arrivals have no team and who moved is unknown");
    }
    const std::pair<const char*, const Season*> seasons[] = {{"prior", &result.prior}, {"current", &result.current}};
    for (const auto& [name, season] : seasons) {
        if (season->players.Count() == 0) err << kProgram << ": warning: the " << name << " season holds no players\n";
    }
    if (SameFolder(request.priorFolder, request.currentFolder)) {
        err << kProgram << ": warning: the prior and the current folder are the same folder\n";
    }
}

struct RefusedList {
    std::string path;
    FileProblem reason;
};

// The first list file that must not be written: one of the season files the
// run reads, however it is spelt or linked, or a name the game or the
// window keeps for its own files, which may not be there yet.
std::optional<RefusedList> FirstRefusedList(const CompareRequest& request) {
    std::vector<FileIdentity> seasonFiles;
    for (const std::string* folder : {&request.priorFolder, &request.currentFolder}) {
        if (folder->empty()) continue;  // no season file is read from it
        for (const char* name : {kPlayerFileName, kTeamFileName}) {
            if (const auto identity = FileIdentityOf(NativePath(SeasonFilePath(*folder, name)))) {
                seasonFiles.push_back(*identity);
            }
        }
    }
    for (const std::optional<std::string>* file : {&request.departedFile, &request.arrivalsFile, &request.movedFile}) {
        if (!*file || **file == kStandardOutput) continue;
        FileProblem reason = RefusedExportName(**file);
        const auto identity = FileIdentityOf(**file);
        if (reason == FileProblem::kNone && identity &&
            std::ranges::find(seasonFiles, *identity) != seasonFiles.end()) {
            reason = FileProblem::kSeasonFile;
        }
        if (reason != FileProblem::kNone) return RefusedList{**file, reason};
    }
    return std::nullopt;
}

// The three lists, each with the file it is saved to, if any. Made in
// place: a saved list is not moved.
struct Lists {
    Lists(const SeasonComparison& result, const CompareRequest& request)
        : lines{{{result, ListKind::kDeparted}, {result, ListKind::kArrivals}, {result, ListKind::kMoved}}} {
        const std::optional<std::string>* names[] = {&request.departedFile, &request.arrivalsFile, &request.movedFile};
        for (std::size_t i = 0; i < 3; ++i) {
            if (*names[i] == kStandardOutput) {
                toStandardOutput = i;
            } else if (*names[i]) {
                files[i].emplace(**names[i]);
            }
        }
    }

    std::array<ListLines, 3> lines;
    std::array<std::optional<SavedList>, 3> files;
    std::optional<std::size_t> toStandardOutput;  // the list given "-", which takes the report's place
};

// Writes the report, or the one list given "-", to standard output unless
// told not to, and the saved lists. Each line is made once for both.
// Returns the errno of a failed write to standard output, or 0.
int WriteLists(const SeasonComparison& result, const CompareRequest& request, Lists& lists, std::ostream& out,
               bool print) {
    int error = 0;
    ChunkedOutput output([&](std::string_view bytes) {
        if (out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return true;
        error = ErrnoOfFailedWrite();
        return false;
    });
    std::array<LineSink*, 3> fedByTheReport{};
    if (print && lists.toStandardOutput) {
        const ListLines& lines = lists.lines[*lists.toStandardOutput];
        std::string scratch;
        for (std::size_t i = 0; i < lines.Count(); ++i) {
            output.Text() += lines(i, scratch);
            output.Text() += kSavedLineEnd;
            output.EndLine();
        }
    } else if (print) {
        // The text report makes the list lines anyway: the lists saved
        // beside it take theirs from it.
        if (request.format == ReportFormat::kText) {
            for (std::size_t i = 0; i < 3; ++i) fedByTheReport[i] = lists.files[i] ? &*lists.files[i] : nullptr;
        }
        WriteReport(request.format, {result, request.priorFolder, request.currentFolder}, output, fedByTheReport);
    }
    for (std::size_t list = 0; list < 3; ++list) {
        if (!lists.files[list] || fedByTheReport[list]) continue;
        std::string scratch;
        for (std::size_t i = 0; i < lists.lines[list].Count(); ++i)
            lists.files[list]->Add(lists.lines[list](i, scratch));
    }
    if (output.Finish() && out.flush()) return 0;
    if (error == 0) error = ErrnoOfFailedWrite();
    return error ? error : EIO;
}

}  // namespace

int RunCompare(const ParsedArguments& arguments, std::ostream& out, std::ostream& err) {
    switch (arguments.action) {
        case ParsedArguments::Action::kHelp:
            out << kCompareUsage;
            return out.flush() ? 0 : 1;
        case ParsedArguments::Action::kVersion:
            out << kProgram << ' ' << TRELVANE_VERSION << '\n';
            return out.flush() ? 0 : 1;
        case ParsedArguments::Action::kWrong:
            err << kProgram << ": " << arguments.problem << "; try '" << kProgram << " --help'\n";
            return 2;
        case ParsedArguments::Action::kCompare:
            break;
    }
    const CompareRequest& request = arguments.request;
    if (const auto refused = FirstRefusedList(request)) {
        err << kProgram << ": cannot write " << refused->path << ": " << WordsOf(refused->reason) << '\n';
        return 2;
    }
    const SeasonComparison result =
        CompareSeasons(request.priorFolder, request.currentFolder, {.readCurrentTeams = true});

    bool failed = false;
    for (const SeasonFileReport* players : {&result.priorPlayerFile, &result.currentPlayerFile}) {
        // The same folder twice: its file's line once.
        if (failed && players->path == result.priorPlayerFile.path) continue;
        if (!players->WasRead()) {
            err << kProgram << ": cannot read the player file " << NativePath(players->path) << ": " << players->problem
                << '\n';
            failed = true;
        }
    }
    if (failed) return 1;
    Warn(err, result, request);

    // Every list file is open now: one that could not be opened is told
    // alone, with nothing printed before it, and the others are saved.
    Lists lists(result, request);
    const bool print = std::ranges::none_of(lists.files, [](const auto& file) { return file && file->Problem(); });

    // A reader that stops early (| head) ends the output quietly; the lists
    // asked for are still saved.
    if (const int error = WriteLists(result, request, lists, out, print); error != 0 && error != EPIPE) {
        err << kProgram << ": cannot write to standard output: " << ProblemOfErrno(error) << '\n';
        failed = true;
    }

    const std::optional<std::string>* files[] = {&request.departedFile, &request.arrivalsFile, &request.movedFile};
    for (std::size_t i = 0; i < 3; ++i) {
        if (!lists.files[i]) continue;
        if (const auto problem = lists.files[i]->Finish()) {
            err << kProgram << ": cannot write " << **files[i] << ": " << *problem << '\n';
            failed = true;
        } else if (const std::string& left = lists.files[i]->OldListLeftIn(); !left.empty()) {
            err << kProgram << ": warning: " << **files[i]
                << " is saved, but the old list could not be deleted: it is kept as " << left << '\n';
        }
    }
    return failed ? 1 : 0;
}

int RunCompare(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunCompare(ParseCompareArguments(args), out, err);
}

}  // namespace trelvane::cli
