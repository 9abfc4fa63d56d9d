// trelvane-bench: times trelvane-compare (text, CSV, JSON, HTML) on seasons at
// the format's limits, next to `cat` reading the same files, and reports its
// peak memory.
//
//   trelvane-bench COMPARE_EXE MAKE_SEASONS_EXE WORK_FOLDER [RUNS]
//
// The seasons are written by a separate process: a child's peak memory as
// the kernel reports it includes the parent's at the time it started.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "SeasonRecords.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace trelvane;

struct Measure {
    double seconds = 0;
    long peakKiB = 0;
};

// Runs a program with its output thrown away; wall time and the
// child's peak resident memory, from wait4.
Measure Run(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    // The empty current season's warning, expected each run.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) != 0) {
        std::fprintf(stderr, "trelvane-bench: cannot start %s\n", args[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "trelvane-bench: %s failed\n", args[0]);
        std::exit(1);
    }
    return {elapsed.count(), usage.ru_maxrss};
}

// Times of one command over the runs, and the largest peak memory seen.
struct Series {
    std::vector<double> ms;
    long peakKiB = 0;
    void Add(const Measure& m) {
        ms.push_back(m.seconds * 1000);
        peakKiB = std::max(peakKiB, m.peakKiB);
    }
    // The value below which the given share of the runs fall.
    double At(double share) {
        std::sort(ms.begin(), ms.end());
        return ms[static_cast<std::size_t>(share * static_cast<double>(ms.size() - 1) + 0.5)];
    }
};

struct Programs {
    std::string compare;
    std::string makeSeasons;
};

// The three forms and cat take turns, run after run, so that the machine's
// noise falls on all of them alike.
void Case(const char* name, const char* priorIds, const char* currentIds, const Programs& programs,
          const fs::path& work, int runs) {
    const fs::path prior = work / name / "prior", current = work / name / "current";
    Run({programs.makeSeasons, "--replace", "--prior-ids", priorIds, "--current-ids", currentIds, "--teams", "1000",
         prior.string(), current.string()});
    std::vector<std::string> text = {programs.compare,
                                     prior.string(),
                                     current.string(),
                                     "--departed",
                                     (work / name / "departed.txt").string(),
                                     "--arrivals",
                                     (work / name / "arrivals.txt").string()};
    std::vector<std::string> csv = text, json = text, html = text;
    csv.push_back("--format=csv");
    json.push_back("--format=json");
    html.push_back("--format=html");
    const std::vector<std::string> cat = {"/bin/cat", (prior / kPlayerFileName).string(),
                                          (current / kPlayerFileName).string(), (prior / kTeamFileName).string(),
                                          (current / kTeamFileName).string()};
    const std::array<const std::vector<std::string>*, 5> commands = {&text, &csv, &json, &html, &cat};
    std::array<Series, 5> series;
    for (const auto* command : commands) Run(*command);  // warms the page cache
    for (int i = 0; i < runs; ++i) {
        for (std::size_t c = 0; c < commands.size(); ++c) series[c].Add(Run(*commands[c]));
    }
    std::printf("%-18s %12s %12s", name, priorIds, currentIds);
    for (Series& s : series) std::printf("  %5.1f (%4.1f-%4.1f)", s.At(0.5), s.At(0.25), s.At(0.75));
    for (std::size_t c = 0; c < 4; ++c) std::printf(" %5.2fx", series[c].At(0.5) / series[4].At(0.5));
    std::printf(" %6.1f\n",
                std::max({series[0].peakKiB, series[1].peakKiB, series[2].peakKiB, series[3].peakKiB}) / 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: trelvane-bench COMPARE_EXE MAKE_SEASONS_EXE WORK_FOLDER [RUNS]\n", stderr);
        return 2;
    }
    const Programs programs{fs::absolute(argv[1]).string(), fs::absolute(argv[2]).string()};
    const fs::path work = argv[3];
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 31;

    std::printf(
        "trelvane-compare with both lists saved, as text, CSV, JSON and HTML, next to cat reading the four\n"
        "season files, taking turns; milliseconds, median (quartiles) of %d runs, page cache warm\n\n",
        runs);
    std::printf("%-18s %12s %12s  %-17s  %-17s  %-17s  %-17s  %-17s %6s %6s %6s %6s %6s\n", "case", "prior ids",
                "current ids", "text", "csv", "json", "html", "cat", "text/c", "csv/c", "json/c", "html/c", "peakMB");
    Case("turnover", "10001-45000", "15001-50000", programs, work, runs);
    Case("everyone-departed", "10001-50000", "1-0", programs, work, runs);
    std::printf("\ngoal: text at most 2x cat, CSV, JSON and HTML at most 2.5x cat, at most 20 MB peak memory\n");
    return 0;
}
