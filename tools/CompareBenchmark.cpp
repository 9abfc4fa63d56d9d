// trelvane-bench: times trelvane-compare on seasons at the format's limits,
// next to `cat` reading the same files, and reports its peak memory.
//
//   trelvane-bench COMPARE_EXE WORK_FOLDER [RUNS]
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

#include "DemoSeasons.h"
#include "SeasonRecords.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace trelvane;
using namespace trelvane::tools;

struct Measure {
    double seconds = 0;
    long peakKiB = 0;
};

// Runs a program with its standard output thrown away; wall time and the
// child's peak resident memory, from wait4.
Measure Run(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
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

void Case(const char* name, const RangeOptions& range, const std::string& compare, const fs::path& work, int runs) {
    const fs::path prior = work / name / "prior", current = work / name / "current";
    const SeasonPair seasons = MakeRangeSeasons(range);
    if (!WriteSeason(prior, seasons.prior) || !WriteSeason(current, seasons.current)) {
        std::fprintf(stderr, "trelvane-bench: cannot write seasons under %s\n", work.c_str());
        std::exit(1);
    }
    const Measure tool = Repeat({compare, prior.string(), current.string(), "--departed",
                                 (work / name / "departed.txt").string(), "--arrivals",
                                 (work / name / "arrivals.txt").string()},
                                runs);
    const Measure cat = Repeat({"/bin/cat", (prior / kPlayerFileName).string(), (current / kPlayerFileName).string(),
                                (prior / kTeamFileName).string()},
                               runs);
    std::printf("%-22s %8zu %8zu %10.1f %10.1f %7.2fx %9.1f\n", name, seasons.prior.players.size(),
                seasons.current.players.size(), tool.seconds * 1000, cat.seconds * 1000, tool.seconds / cat.seconds,
                tool.peakKiB / 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: trelvane-bench COMPARE_EXE WORK_FOLDER [RUNS]\n", stderr);
        return 2;
    }
    const std::string compare = fs::absolute(argv[1]).string();
    const fs::path work = argv[2];
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 9;

    std::printf("trelvane-compare with both exports written, median of %d runs (page cache warm)\n\n", runs);
    std::printf("%-22s %8s %8s %10s %10s %8s %9s\n", "case", "prior", "current", "tool ms", "cat ms", "ratio",
                "peak MB");
    Case("turnover", {.priorFirst = 10001, .priorLast = 45000, .currentFirst = 15001, .currentLast = 50000,
                      .teams = 1000},
         compare, work, runs);
    Case("everyone-departed", {.priorFirst = 10001, .priorLast = 50000, .currentFirst = 1, .currentLast = 0,
                               .teams = 1000},
         compare, work, runs);
    std::printf("\ngoal: at most 2x the cat time, at most 20 MB peak memory\n");
    return 0;
}
