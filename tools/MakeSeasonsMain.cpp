// trelvane-make-seasons: writes a prior and a current season folder for
// demos, tests and benchmarks.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "DemoSeasons.h"
#include "ReadOnlyFile.h"
#include "SeasonRecords.h"

#ifdef _WIN32
#include <windows.h>

#include "WindowsText.h"
#endif

namespace {

using namespace trelvane::tools;
using trelvane::kPlayerFileName;
using trelvane::kTeamFileName;

constexpr char kUsage[] =
    "usage: trelvane-make-seasons [options] PRIOR_FOLDER CURRENT_FOLDER\n"
    "\n"
    "Writes KOVPLYR.DAT and KOVTEAM.DAT into both folders. Without arguments\n"
    "(a double-click), makes a demo league in 'Trelvane demo' beside itself.\n"
    "\n"
    "  --seed N              seed of the league (default 2026)\n"
    "  --players N           prior-season players (default 600)\n"
    "  --teams N             teams (default 24)\n"
    "  --departed PERCENT    share of prior players gone in the current season (default 12)\n"
    "  --arrivals PERCENT    new current-season players, as a share of the prior ones (default 12)\n"
    "  --prior-ids A-B       instead: prior season holds every identifier A to B\n"
    "  --current-ids A-B     with --prior-ids: current season holds every identifier A to B\n"
    "                        (an empty range such as 1-0 gives an empty player file)\n"
    "\n"
    "  --replace             write over season files already in the folders\n"
    "\n"
    "A negative departures or arrivals share, or one above 100, is refused.\n"
    "Without --replace a folder that holds a season file is left as it is.\n";

bool ParseNumber(std::string_view text, long long low, long long high, long long& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

bool ParseRange(std::string_view text, std::int32_t& first, std::int32_t& last) {
    // The first number may be negative, so the dash between them is the
    // first one after its first character.
    const std::size_t dash = text.find('-', 1);
    long long a = 0, b = 0;
    constexpr long long kLow = std::numeric_limits<std::int32_t>::min(),
                        kHigh = std::numeric_limits<std::int32_t>::max();
    if (dash == std::string_view::npos || !ParseNumber(text.substr(0, dash), kLow, kHigh, a) ||
        !ParseNumber(text.substr(dash + 1), kLow, kHigh, b)) {
        return false;
    }
    first = static_cast<std::int32_t>(a);
    last = static_cast<std::int32_t>(b);
    return true;
}

int Wrong(const std::string& problem) {
    std::fprintf(stderr, "trelvane-make-seasons: %s; try 'trelvane-make-seasons --help'\n", problem.c_str());
    return 2;
}

std::size_t CountPlayers(const SeasonData& season) {
    return static_cast<std::size_t>(
        std::ranges::count_if(season.players, [](const PlayerEntry& player) { return player.status == 0; }));
}

// A folder as given (UTF-8 on Windows), as the file functions take it.
std::filesystem::path FolderPath(const std::string& folder) {
#ifdef _WIN32
    return trelvane::WideFromUtf8(folder);
#else
    return folder;
#endif
}

// The first season file already in one of the folders, found whatever its
// letter case as the reader finds it; empty when there is none.
std::string FirstSeasonFileIn(const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
        for (const char* name : {kPlayerFileName, kTeamFileName}) {
            const std::string path = trelvane::NativePath(trelvane::SeasonFilePath(folder, name));
            if (trelvane::FileIdentityOf(path)) return path;
        }
    }
    return {};
}

// The folder this program is in.
std::filesystem::path ProgramFolder() {
#ifdef _WIN32
    wchar_t path[32768] = {};
    GetModuleFileNameW(nullptr, path, 32768);
    return std::filesystem::path(path).parent_path();
#else
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
#endif
}

// A folder as the user reads it: UTF-8 (converted from UTF-16 on Windows).
std::string FolderText(const std::filesystem::path& folder) {
#ifdef _WIN32
    return trelvane::Utf8FromWide(folder.wstring());
#else
    return folder.string();
#endif
}

// Says text (UTF-8): in Unicode on a Windows console, whatever its code page.
void Say(const std::string& text) {
#ifdef _WIN32
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (DWORD mode = 0; GetConsoleMode(out, &mode)) {
        const std::wstring wide = trelvane::WideFromUtf8(text);
        WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), nullptr, nullptr);
        return;
    }
#endif
    std::fputs(text.c_str(), stdout);
}

// Started from Explorer, the program has a console window of its own,
// which closes with it: what it said must wait to be read.
void WaitIfTheWindowIsOurs() {
#ifdef _WIN32
    DWORD processes[2];
    if (GetConsoleProcessList(processes, 2) != 1) return;
    Say("\nPress Enter to close this window.\n");
    std::getchar();
#endif
}

// A demo league for a player who double-clicked the program: made in
// "Trelvane demo" beside it, never over seasons already there, and told in
// words a player without a terminal can follow.
int MakeDemoBesideProgram() {
    const std::filesystem::path demo = ProgramFolder() / "Trelvane demo";
    const std::string prior = FolderText(demo / "2025"), current = FolderText(demo / "2026");
    int result = 0;
    if (!FirstSeasonFileIn({prior, current}).empty()) {
        Say("The demo league is already in " + FolderText(demo) + "; nothing was changed.\n");
    } else if (const SeasonPair seasons = MakeDemoSeasons({});
               !WriteSeason(demo / "2025", seasons.prior) || !WriteSeason(demo / "2026", seasons.current)) {
        Say("The demo league could not be written in " + FolderText(demo) + ".\n");
        result = 1;
    } else {
        Say("Made a demo league in " + FolderText(demo) + ".\n");
    }
    if (result == 0) {
        Say("\nIn Trelvane, put these two folders in its boxes (or drop them there from Explorer):\n"
            "  prior season:   " +
            prior + "\n  current season: " + current + "\nthen press \"Process\".\n");
    }
    std::fflush(stdout);
    WaitIfTheWindowIsOurs();
    return result;
}

int MakeSeasons(const std::vector<std::string>& args) {
    if (args.empty()) return MakeDemoBesideProgram();
    DemoOptions demo;
    RangeOptions range;
    bool ranged = false;
    std::vector<std::string> folders;
    // Each numeric option: its value's limits and where it goes.
    struct Number {
        const char* name;
        long long low, high;
        std::function<void(long long)> set;
    };
    const Number numbers[] = {
        {"--seed", 0, std::numeric_limits<long long>::max(),
         [&](long long v) { demo.seed = static_cast<std::uint64_t>(v); }},
        {"--players", 0, 20000, [&](long long v) { demo.players = static_cast<int>(v); }},
        {"--teams", 0, 32767, [&](long long v) { demo.teams = range.teams = static_cast<int>(v); }},
        {"--departed", 0, 100, [&](long long v) { demo.departedPercent = static_cast<int>(v); }},
        {"--arrivals", 0, 100, [&](long long v) { demo.arrivalsPercent = static_cast<int>(v); }},
    };
    bool replace = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (!arg.starts_with("--")) {
            folders.push_back(arg);
            continue;
        }
        if (arg == "--replace") {
            replace = true;
            continue;
        }
        if (i + 1 >= args.size()) return Wrong(arg + " needs a value");
        const std::string& value = args[++i];
        const auto number = std::ranges::find_if(numbers, [&](const Number& n) { return arg == n.name; });
        if (number != std::end(numbers)) {
            long long parsed = 0;
            if (!ParseNumber(value, number->low, number->high, parsed)) {
                return Wrong(arg + " takes a whole number from " + std::to_string(number->low) + " to " +
                             std::to_string(number->high) + ", not '" + value + "'");
            }
            number->set(parsed);
        } else if (arg == "--prior-ids" || arg == "--current-ids") {
            if (!ParseRange(value, arg == "--prior-ids" ? range.priorFirst : range.currentFirst,
                            arg == "--prior-ids" ? range.priorLast : range.currentLast)) {
                return Wrong(arg + " takes a range A-B, not '" + value + "'");
            }
            ranged = true;
        } else {
            return Wrong("unknown option " + arg);
        }
    }
    if (folders.size() != 2) return Wrong("give a prior and a current season folder");
    if (const std::string existing = FirstSeasonFileIn(folders); !replace && !existing.empty()) {
        std::fprintf(stderr, "trelvane-make-seasons: will not write over %s; give --replace to replace the seasons\n",
                     existing.c_str());
        return 2;
    }

    const SeasonPair seasons = ranged ? MakeRangeSeasons(range) : MakeDemoSeasons(demo);
    for (std::size_t i = 0; i < 2; ++i) {
        if (!WriteSeason(FolderPath(folders[i]), i == 0 ? seasons.prior : seasons.current)) {
            std::fprintf(stderr, "trelvane-make-seasons: cannot write the season files in %s\n", folders[i].c_str());
            return 1;
        }
    }
    std::printf("trelvane-make-seasons: wrote %zu players and %zu teams in %s, %zu players and %zu teams in %s\n",
                CountPlayers(seasons.prior), seasons.prior.teams.size(), folders[0].c_str(),
                CountPlayers(seasons.current), seasons.current.teams.size(), folders[1].c_str());
    return 0;
}

}  // namespace

#ifdef _WIN32
// Linked with -municode: folder names come as typed, never best-fitted to
// another folder's name.
int wmain(int argc, wchar_t** argv) {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    return MakeSeasons(trelvane::Utf8Arguments(argc, argv));
}
#else
int main(int argc, char** argv) { return MakeSeasons(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
