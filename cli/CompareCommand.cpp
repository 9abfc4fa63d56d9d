#include "CompareCommand.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>

#include "LineText.h"
#include "ListLine.h"
#include "ReadOnlyFile.h"
#include "SeasonComparison.h"

namespace trelvane::cli {
namespace {

constexpr char kProgram[] = "trelvane-compare";

constexpr char kUsage[] =
    "usage: trelvane-compare PRIOR_FOLDER CURRENT_FOLDER [--departed FILE] [--arrivals FILE]\n"
    "\n"
    "Compares the players of two season folders (KOVPLYR.DAT, and KOVTEAM.DAT of\n"
    "the prior season) and lists the players who departed, with their prior-season\n"
    "team, and the players who arrived.\n"
    "\n"
    "  --departed FILE   also save the departed list to FILE\n"
    "  --arrivals FILE   also save the arrivals list to FILE\n"
    "  -h, --help        show this help\n"
    "\n"
    "Saved lists hold one line per player, each ended by CR LF, exactly as the\n"
    "Windows program saves them. Exit status: 0 done, 1 a file could not be read\n"
    "or written, 2 wrong arguments.\n";

struct Options {
    std::string priorFolder;
    std::string currentFolder;
    std::optional<std::string> departedFile;
    std::optional<std::string> arrivalsFile;
};

enum class Parse { kRun, kHelp, kBad };

Parse ParseArguments(const std::vector<std::string>& args, Options& options, std::string& problem) {
    std::vector<std::string> folders;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") return Parse::kHelp;
        const std::string name = arg.substr(0, arg.find('='));
        std::optional<std::string>* target = name == "--departed"   ? &options.departedFile
                                             : name == "--arrivals" ? &options.arrivalsFile
                                                                    : nullptr;
        if (target) {
            if (arg.size() > name.size()) {
                *target = arg.substr(name.size() + 1);
            } else if (i + 1 < args.size()) {
                *target = args[++i];
            } else {
                problem = name + " needs a file name";
                return Parse::kBad;
            }
            if ((*target)->empty()) {
                problem = name + " needs a file name";
                return Parse::kBad;
            }
        } else if (arg.starts_with("-") && arg != "-") {
            problem = "unknown option " + arg;
            return Parse::kBad;
        } else {
            folders.push_back(arg);
        }
    }
    if (folders.size() != 2) {
        problem = folders.size() < 2 ? "give a prior and a current season folder" : "too many folders";
        return Parse::kBad;
    }
    options.priorFolder = folders[0];
    options.currentFolder = folders[1];
    return Parse::kRun;
}

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

std::string Reason() { return errno ? std::strerror(errno) : "the write failed"; }

// Line index of a batch, for WriteLines.
auto LinesOf(const LineBatch& lines) {
    return [&lines](std::size_t index, std::string&) { return lines[index]; };
}

// Writes the export, reporting why it could not.
std::optional<std::string> WriteExportFile(const std::string& path, const LineBatch& lines) {
    if (IsReadOnlyFile(path)) return "the file is read-only";
    errno = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) return Reason();
    const bool written = WriteLines(lines.Count(), LinesOf(lines), kSavedLineEnd, [&](std::string_view piece) {
        return std::fwrite(piece.data(), 1, piece.size(), file.get()) == piece.size();
    });
    if (!written) return Reason();
    if (std::fclose(file.release()) != 0) return Reason();
    return std::nullopt;
}

// Prints a list under its heading, gathered into large writes: the lists
// can hold tens of thousands of lines.
void PrintList(std::ostream& out, const char* heading, const LineBatch& lines) {
    out << '\n' << heading << '\n';
    WriteLines(lines.Count(), LinesOf(lines), "\n", [&](std::string_view piece) {
        return static_cast<bool>(out.write(piece.data(), static_cast<std::streamsize>(piece.size())));
    });
}

}  // namespace

int RunCompare(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options options;
    std::string problem;
    switch (ParseArguments(args, options, problem)) {
        case Parse::kHelp:
            out << kUsage;
            return 0;
        case Parse::kBad:
            err << kProgram << ": " << problem << "\n\n" << kUsage;
            return 2;
        case Parse::kRun:
            break;
    }

    const SeasonComparison result = CompareSeasons(options.priorFolder, options.currentFolder);

    bool failed = false;
    for (const SeasonFileReport* players : {&result.priorPlayerFile, &result.currentPlayerFile}) {
        if (!players->Read()) {
            err << kProgram << ": cannot read the player file " << NativePath(players->path) << ": " << players->problem
                << '\n';
            failed = true;
        }
    }
    if (failed) return 1;
    if (!result.priorTeamFile.Read()) {
        err << kProgram << ": warning: cannot read the team file " << NativePath(result.priorTeamFile.path) << ": "
            << result.priorTeamFile.problem << "; departed players are listed without their teams\n";
    }

    const LineBatch departed = DepartedLines(result);
    const LineBatch arrivals = ArrivalLines(result);
    errno = 0;
    out << "Departed:" << CountText(departed.Count()) << '\n' << "Arrivals:" << CountText(arrivals.Count()) << '\n';
    PrintList(out, "Departed (in the prior season, not in the current one):", departed);
    PrintList(out, "Arrivals (in the current season, not in the prior one):", arrivals);
    // Lists that never reached their file (a full disk, say) are a failure
    // like any other.
    if (!out.flush()) {
        err << kProgram << ": cannot write the lists to standard output: " << Reason() << '\n';
        failed = true;
    }

    const std::pair<const std::optional<std::string>*, const LineBatch*> exports[] = {
        {&options.departedFile, &departed}, {&options.arrivalsFile, &arrivals}};
    for (const auto& [file, lines] : exports) {
        if (!*file) continue;
        if (const auto writeProblem = WriteExportFile(**file, *lines)) {
            err << kProgram << ": cannot write " << **file << ": " << *writeProblem << '\n';
            failed = true;
        }
    }
    return failed ? 1 : 0;
}

}  // namespace trelvane::cli
