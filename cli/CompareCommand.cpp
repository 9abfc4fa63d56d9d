#include "CompareCommand.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>

#include "LineText.h"
#include "ListLine.h"
#include "ReadOnlyFile.h"
#include "Reports.h"
#include "SeasonComparison.h"
#include "SystemText.h"

#ifndef TRELVANE_VERSION
#define TRELVANE_VERSION "unknown"
#endif

namespace trelvane::cli {
namespace {

constexpr char kProgram[] = "trelvane-compare";
constexpr char kStandardOutput[] = "-";

// A file that exists with no write permission for anyone (on Windows: the
// read-only attribute). A process run as root, or Wine run as root, may
// write it all the same; the export leaves it alone, as the Windows program
// does.
bool IsReadOnlyFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return !error && fs::is_regular_file(status) && (status.permissions() & kAnyWrite) == fs::perms::none;
}

std::string Reason(int error) { return error ? std::strerror(error) : "the write failed"; }

// Writes a saved list, reporting why it could not. An existing file is
// written over in place and then cut to the new length rather than emptied
// first: on ext4, a file emptied and written again makes its close wait for
// the data to reach the disk, 2 ms for a full season's list, which is more
// than the whole comparison takes.
std::optional<std::string> WriteListFile(const std::string& path, const ListLines& lines) {
    if (IsReadOnlyFile(path)) return "the file is read-only";
    errno = 0;
    std::FILE* opened = std::fopen(path.c_str(), "r+b");
    if (!opened && errno == ENOENT) opened = std::fopen(path.c_str(), "wb");
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(opened, std::fclose);
    if (!file) return Reason(errno);
    std::uintmax_t size = 0;
    const bool written = WriteLines(lines.Count(), lines, kSavedLineEnd, [&](std::string_view piece) {
        size += piece.size();
        return std::fwrite(piece.data(), 1, piece.size(), file.get()) == piece.size();
    });
    if (!written) return Reason(errno);
    if (std::fclose(file.release()) != 0) return Reason(errno);
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error) && std::filesystem::file_size(path, error) > size) {
        std::filesystem::resize_file(path, size, error);
        if (error) return error.message();
    }
    return std::nullopt;
}

void WarnAboutTeams(std::ostream& err, const SeasonFileReport& teams, const char* consequence) {
    if (teams.Read()) return;
    err << kProgram << ": warning: cannot read the team file " << NativePath(teams.path) << ": " << teams.problem
        << "; " << consequence << '\n';
}

void Warn(std::ostream& err, const SeasonComparison& result, const CompareRequest& request) {
    WarnAboutTeams(err, result.priorTeamFile,
                   "departed players are listed without their teams and the moved list is empty");
    WarnAboutTeams(err, *result.currentTeamFile, "arrivals have no team and the moved list is empty");
    const std::pair<const char*, const Season*> seasons[] = {{"prior", &result.prior}, {"current", &result.current}};
    for (const auto& [name, season] : seasons) {
        if (season->players.Count() == 0) err << kProgram << ": warning: the " << name << " season holds no players\n";
    }
    std::error_code error;
    if (std::filesystem::equivalent(request.priorFolder, request.currentFolder, error)) {
        err << kProgram << ": warning: the prior and the current folder are the same folder\n";
    }
}

struct Lists {
    ListLines departed, arrivals, moved;
};

// Each list with the file it goes to, if any.
std::array<std::pair<const std::optional<std::string>*, const ListLines*>, 3> Destinations(
    const CompareRequest& request, const Lists& lists) {
    return {{{&request.departedFile, &lists.departed},
             {&request.arrivalsFile, &lists.arrivals},
             {&request.movedFile, &lists.moved}}};
}

// Writes the report, or the one list given "-", to standard output.
// Returns the errno of a failed write, or 0.
int WriteStandardOutput(const SeasonComparison& result, const CompareRequest& request, const Lists& lists,
                        std::ostream& out) {
    ReportOutput output(out);
    const auto saved = Destinations(request, lists);
    const auto toOutput = std::ranges::find_if(saved, [](const auto& list) { return *list.first == kStandardOutput; });
    if (toOutput != saved.end()) {
        const ListLines& lines = *toOutput->second;
        std::string scratch;
        for (std::size_t i = 0; i < lines.Count(); ++i) {
            output.Text() += lines(i, scratch);
            output.Text() += kSavedLineEnd;
            output.EndLine();
        }
    } else if (request.format == ReportFormat::kCsv) {
        WriteCsvReport(result, output);
    } else if (request.format == ReportFormat::kJson) {
        WriteJsonReport(result, request.priorFolder, request.currentFolder, output);
    } else {
        WriteTextReport(result, {lists.departed, lists.arrivals, lists.moved}, kTextReportInUtf8, output);
    }
    return output.Finish() ? 0 : (output.Error() ? output.Error() : EIO);
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
    const SeasonComparison result =
        CompareSeasons(request.priorFolder, request.currentFolder, {.readCurrentTeams = true});

    bool failed = false;
    for (const SeasonFileReport* players : {&result.priorPlayerFile, &result.currentPlayerFile}) {
        if (!players->Read()) {
            err << kProgram << ": cannot read the player file " << NativePath(players->path) << ": " << players->problem
                << '\n';
            failed = true;
        }
    }
    if (failed) return 1;
    Warn(err, result, request);

    const Lists lists{{result, ListKind::kDeparted}, {result, ListKind::kArrivals}, {result, ListKind::kMoved}};

    // A reader that stops early (| head) ends the output quietly; the lists
    // asked for are still saved.
    if (const int error = WriteStandardOutput(result, request, lists, out); error != 0 && error != EPIPE) {
        err << kProgram << ": cannot write to standard output: " << Reason(error) << '\n';
        failed = true;
    }

    for (const auto& [file, lines] : Destinations(request, lists)) {
        if (!*file || **file == kStandardOutput) continue;
        if (const auto problem = WriteListFile(**file, *lines)) {
            err << kProgram << ": cannot write " << **file << ": " << *problem << '\n';
            failed = true;
        }
    }
    return failed ? 1 : 0;
}

int RunCompare(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunCompare(ParseCompareArguments(args), out, err);
}

}  // namespace trelvane::cli
