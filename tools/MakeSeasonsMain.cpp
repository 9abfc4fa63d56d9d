// trelvane-make-seasons: writes a prior and a current season folder for
// demos, tests and benchmarks.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "DemoSeasons.h"

namespace {

constexpr char kUsage[] =
    "usage: trelvane-make-seasons [options] PRIOR_FOLDER CURRENT_FOLDER\n"
    "\n"
    "Writes KOVPLYR.DAT and KOVTEAM.DAT into both folders.\n"
    "\n"
    "  --seed N              seed of the league (default 2026)\n"
    "  --players N           prior-season players (default 600)\n"
    "  --teams N             teams (default 24)\n"
    "  --departed PERCENT    share of prior players gone in the current season (default 12)\n"
    "  --arrivals PERCENT    new current-season players, as a share of the prior ones (default 12)\n"
    "  --prior-ids A-B       instead: prior season holds every identifier A to B\n"
    "  --current-ids A-B     with --prior-ids: current season holds every identifier A to B\n"
    "                        (an empty range such as 1-0 gives an empty player file)\n";

bool ParseRange(const char* text, std::int32_t& first, std::int32_t& last) {
    char* end = nullptr;
    first = static_cast<std::int32_t>(std::strtol(text, &end, 10));
    if (*end != '-') return false;
    last = static_cast<std::int32_t>(std::strtol(end + 1, &end, 10));
    return *end == '\0';
}

int Usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace trelvane::tools;
    DemoOptions demo;
    RangeOptions range;
    bool ranged = false;
    const char* folders[2] = {};
    int folderCount = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--seed" && hasValue) {
            demo.seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--players" && hasValue) {
            demo.players = std::atoi(argv[++i]);
        } else if (arg == "--teams" && hasValue) {
            demo.teams = range.teams = std::atoi(argv[++i]);
        } else if (arg == "--departed" && hasValue) {
            demo.departedPercent = std::atoi(argv[++i]);
        } else if (arg == "--arrivals" && hasValue) {
            demo.arrivalsPercent = std::atoi(argv[++i]);
        } else if (arg == "--prior-ids" && hasValue) {
            if (!ParseRange(argv[++i], range.priorFirst, range.priorLast)) return Usage();
            ranged = true;
        } else if (arg == "--current-ids" && hasValue) {
            if (!ParseRange(argv[++i], range.currentFirst, range.currentLast)) return Usage();
            ranged = true;
        } else if (!arg.starts_with("--") && folderCount < 2) {
            folders[folderCount++] = argv[i];
        } else {
            return Usage();
        }
    }
    if (folderCount != 2) return Usage();

    const SeasonPair seasons = ranged ? MakeRangeSeasons(range) : MakeDemoSeasons(demo);
    for (int i = 0; i < 2; ++i) {
        if (!WriteSeason(folders[i], i == 0 ? seasons.prior : seasons.current)) {
            std::fprintf(stderr, "trelvane-make-seasons: cannot write the season files in %s\n", folders[i]);
            return 1;
        }
    }
    return 0;
}
