#include "CompareArguments.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <system_error>

#include "SystemText.h"

namespace trelvane::cli {

const char kCompareUsage[] =
    "usage: trelvane-compare PRIOR_FOLDER CURRENT_FOLDER [--departed FILE] [--arrivals FILE]\n"
    "                        [--moved FILE] [--format text|csv|json|html]\n"
    "\n"
    "Compares the players of two season folders (KOVPLYR.DAT, and the teams'\n"
    "rosters in KOVTEAM.DAT) and lists the players who departed, with their\n"
    "prior-season team, the players who arrived, and the players who moved to\n"
    "another team.\n"
    "\n"
    "  --departed FILE    also save the departed list to FILE\n"
    "  --arrivals FILE    also save the arrivals list to FILE\n"
    "  --moved FILE       also save the moved list to FILE\n"
    "                     (FILE '-' is standard output, instead of the report)\n"
    "  --format FORMAT    text: counts and lists for reading (the default);\n"
    "                     csv: one table for spreadsheets, UTF-8;\n"
    "                     json: one object for scripts, UTF-8;\n"
    "                     html: one web page to post, by team, UTF-8\n"
    "  -h, --help         show this help\n"
    "  --version          show the version\n"
    "\n"
    "Saved lists hold one line per player, each ended by CR LF, exactly as the\n"
    "Windows program saves them. A list is never saved as a season file the run\n"
    "reads, nor as KOVPLYR.DAT, KOVTEAM.DAT or Trelvane.txt. Exit status: 0 done,\n"
    "1 a player file could not be read or a list could not be saved, 2 wrong\n"
    "arguments or a list file refused (then nothing is written).\n";

namespace {

using Action = ParsedArguments::Action;

ParsedArguments Wrong(std::string problem) { return {Action::kWrong, {}, std::move(problem)}; }

// Two names for one file: the same text, or paths that lead to the same place.
bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    if (a == "-" || b == "-") return false;
    namespace fs = std::filesystem;
    std::error_code error, otherError;
    const fs::path pathA = FileSystemPath(a), pathB = FileSystemPath(b);
    if (fs::equivalent(pathA, pathB, error)) return true;
    const fs::path canonicalA = fs::weakly_canonical(pathA, error),
                   canonicalB = fs::weakly_canonical(pathB, otherError);
    return !error && !otherError && canonicalA == canonicalB;
}

}  // namespace

ParsedArguments ParseCompareArguments(const std::vector<std::string>& args) {
    ParsedArguments parsed;
    CompareRequest& request = parsed.request;
    std::vector<std::string> folders;
    bool formatGiven = false, optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !arg.starts_with("-") || arg == "-") {
            folders.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "-h" || arg == "--help") return {Action::kHelp, {}, {}};
        if (arg == "--version") return {Action::kVersion, {}, {}};

        const std::string name = arg.substr(0, arg.find('='));
        std::optional<std::string>* file = name == "--departed"   ? &request.departedFile
                                           : name == "--arrivals" ? &request.arrivalsFile
                                           : name == "--moved"    ? &request.movedFile
                                                                  : nullptr;
        if (!file && name != "--format") return Wrong("unknown option " + arg);
        std::string value;
        if (arg.size() > name.size()) {
            value = arg.substr(name.size() + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        }
        if (file) {
            if (value.empty()) return Wrong(name + " needs a file name");
            if (*file) return Wrong(name + " is given twice");
            *file = value;
        } else if (formatGiven) {
            return Wrong("--format is given twice");
        } else {
            formatGiven = true;
            static constexpr std::pair<std::string_view, ReportFormat> kFormats[] = {{"text", ReportFormat::kText},
                                                                                     {"csv", ReportFormat::kCsv},
                                                                                     {"json", ReportFormat::kJson},
                                                                                     {"html", ReportFormat::kHtml}};
            const auto known = std::ranges::find(kFormats, value, &std::pair<std::string_view, ReportFormat>::first);
            if (known == std::end(kFormats)) {
                return Wrong(value.empty() ? "--format needs text, csv, json or html"
                                           : "unknown format '" + value + "' (text, csv, json or html)");
            }
            request.format = known->second;
        }
    }
    if (folders.size() < 2) return Wrong("give a prior and a current season folder");
    if (folders.size() > 2) return Wrong("too many folders: '" + folders[2] + "'");
    request.priorFolder = folders[0];
    request.currentFolder = folders[1];

    const std::pair<const char*, const std::optional<std::string>*> lists[] = {
        {"--departed", &request.departedFile}, {"--arrivals", &request.arrivalsFile}, {"--moved", &request.movedFile}};
    for (std::size_t a = 0; a < 3; ++a) {
        for (std::size_t b = a + 1; b < 3; ++b) {
            if (*lists[a].second && *lists[b].second && SameFile(**lists[a].second, **lists[b].second)) {
                return Wrong(std::string(lists[a].first) + " and " + lists[b].first + " name the same file");
            }
        }
        if (formatGiven && *lists[a].second == "-") {
            return Wrong(std::string(lists[a].first) + " - takes standard output from the report; drop --format");
        }
    }
    return parsed;
}

}  // namespace trelvane::cli
