// trelvane-bench: times trelvane-compare (text, CSV and JSON) on seasons at
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

// The median time of several runs, and the largest peak memory seen.
Measure Repeat(const std::vector<std::string>& argv, int runs) {
    Run(argv);  // warms the page cache
    std::vector<double> times;
    long peak = 0;
    for (int i = 0; i < runs; ++i) {
        const Measure m = Run(argv);
        times.push_back(m.seconds);
        peak = std::max(peak, m.peakKiB);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], peak};
}

struct Programs {
    std::string compare;
    std::string makeSeasons;
};

void Case(const char* name, const char* priorIds, const char* currentIds, const Programs& programs,
          const fs::path& work, int runs) {
    const fs::path prior = work / name / "prior", current = work / name / "current";
    Run({programs.makeSeasons, "--replace", "--prior-ids", priorIds, "--current-ids", currentIds, "--teams", "1000",
         prior.string(), current.string()});
    std::vector<std::string> compare = {programs.compare,
                                        prior.string(),
                                        current.string(),
                                        "--departed",
                                        (work / name / "departed.txt").string(),
                                        "--arrivals",
                                        (work / name / "arrivals.txt").string()};
    const Measure text = Repeat(compare, runs);
    compare.push_back("--format=csv");
    const Measure csv = Repeat(compare, runs);
    compare.back() = "--format=json";
    const Measure json = Repeat(compare, runs);
    const Measure cat = Repeat({"/bin/cat", (prior / kPlayerFileName).string(), (current / kPlayerFileName).string(),
                                (prior / kTeamFileName).string(), (current / kTeamFileName).string()},
                               runs);
    std::printf("%-18s %12s %12s %6.1f %6.1f %6.1f %6.1f %6.2fx %6.2fx %6.2fx %6.1f\n", name, priorIds, currentIds,
                text.seconds * 1000, csv.seconds * 1000, json.seconds * 1000, cat.seconds * 1000,
                text.seconds / cat.seconds, csv.seconds / cat.seconds, json.seconds / cat.seconds,
                std::max({text.peakKiB, csv.peakKiB, json.peakKiB}) / 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: trelvane-bench COMPARE_EXE MAKE_SEASONS_EXE WORK_FOLDER [RUNS]\n", stderr);
        return 2;
    }
    const Programs programs{fs::absolute(argv[1]).string(), fs::absolute(argv[2]).string()};
    const fs::path work = argv[3];
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 15;

    std::printf(
        "trelvane-compare with both lists saved, as text, CSV and JSON, next to cat reading the four\n"
        "season files; milliseconds, median of %d runs (page cache warm)\n\n",
        runs);
    std::printf("%-18s %12s %12s %6s %6s %6s %6s %7s %7s %7s %6s\n", "case", "prior ids", "current ids", "text", "csv",
                "json", "cat", "text/c", "csv/c", "json/c", "peakMB");
    Case("turnover", "10001-45000", "15001-50000", programs, work, runs);
    Case("everyone-departed", "10001-50000", "1-0", programs, work, runs);
    std::printf("\ngoal: text at most 2x cat, CSV and JSON at most 3x cat, at most 20 MB peak memory\n");
    return 0;
}
