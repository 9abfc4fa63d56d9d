#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <string_view>
#include <vector>
#include "FileProblems.h"

#include "LineBatch.h"
#include "RecordFile.h"
#include "SeasonTables.h"

namespace trelvane {

// What became of one season file.
struct SeasonFileReport {
    std::string path;
    Problem problem;  // why it was not read, or not to its end; empty when it was
    bool WasRead() const { return problem.empty(); }
};

struct Season {
    PlayerTable players;
    RosterTable rosters;
};

inline constexpr std::string_view kFreeAgents = "(free agents)";  // the row of players on no roster

// One team's side of the comparison, known by its team number. Players
// counted are those of the season's player file.
struct TeamChanges {
    std::int16_t number = 0;  // 0: the free agents, on no roster
    std::string name;         // as the current season names it, or the prior one when it is gone
    std::size_t priorPlayers = 0, currentPlayers = 0;
    std::size_t departed = 0, arrived = 0, movedIn = 0, movedOut = 0;
};

// Two seasons compared: who left, who joined, who changed teams.
struct SeasonComparison {
    Season prior;
    Season current;  // its rosters only when the current team file was asked for

    // Identifiers in ascending order, each at most once.
    std::vector<std::int32_t> departed;  // in the prior season only
    std::vector<std::int32_t> arrived;   // in the current season only
    // In both seasons, on different teams (a free agent counts as a team of
    // his own). Empty unless both team files were read.
    std::vector<std::int32_t> moved;
    // Both team files were read: without either, who moved is unknown.
    bool movedKnown = false;
    // Every team of either season in team-number order, then the free
    // agents when there are any. Empty unless both team files were read.
    std::vector<TeamChanges> teams;

    SeasonFileReport priorPlayerFile;
    SeasonFileReport currentPlayerFile;
    SeasonFileReport priorTeamFile;
    std::optional<SeasonFileReport> currentTeamFile;  // only when asked for
};

struct CompareOptions {
    // The window compares without it; the moved list and the arrivals'
    // teams need it.
    bool readCurrentTeams = false;
};

// Compares the season folders prior and current. All the files are opened
// before any is read; a file that cannot be read (and every file of an
// empty folder text, which opens nothing) contributes no records.
SeasonComparison CompareSeasons(std::string_view priorFolder, std::string_view currentFolder,
                                CompareOptions options = {});

// The season files as record sources, opened (or not) by the caller.
struct SeasonSource {
    RecordFile records;
    SeasonFileReport report;  // the path, and why the open failed
};
struct SeasonSources {
    SeasonSource priorPlayers;
    SeasonSource currentPlayers;
    SeasonSource priorTeams;
    std::optional<SeasonSource> currentTeams;
};
// Reads every source to its end, closes it and compares.
SeasonComparison CompareSources(SeasonSources& sources);

// The row of teams that each team number has, found at once: every player
// of a season is looked up. A number of neither season, or 0, is the free
// agents' (the last row).
class TeamRows {
public:
    explicit TeamRows(const std::vector<TeamChanges>& teams);
    std::size_t operator[](std::int16_t number) const {
        return number > 0 && rowOf_[static_cast<std::size_t>(number)] != 0
                   ? rowOf_[static_cast<std::size_t>(number)] - 1u
                   : last_;
    }

private:
    std::vector<std::uint16_t> rowOf_ = std::vector<std::uint16_t>(32768);  // row + 1; 0: none
    std::size_t last_;
};

enum class ListKind {
    kDeparted,  // each player with his prior-season team
    kArrivals,  // without a team
    kMoved,     // named as the current season names him, then "prior team -> current team"
};
inline constexpr std::string_view kFreeAgent = "(free agent)";  // stands for no team on a moved line

// One list's lines in identifier order, each made when asked for, so that
// a list can be shown and saved without being kept whole.
class ListLines {
public:
    ListLines(const SeasonComparison& comparison, ListKind kind);
    std::size_t Count() const { return ids_->size(); }
    // Line index, made in scratch.
    std::string_view operator()(std::size_t index, std::string& scratch) const;

private:
    const SeasonComparison* comparison_;
    ListKind kind_;
    const std::vector<std::int32_t>* ids_;
};

// A whole list at once, as the window's list boxes take it.
LineBatch AllLines(const ListLines& lines);
inline LineBatch DepartedLines(const SeasonComparison& comparison) {
    return AllLines(ListLines(comparison, ListKind::kDeparted));
}
inline LineBatch ArrivalLines(const SeasonComparison& comparison) {
    return AllLines(ListLines(comparison, ListKind::kArrivals));
}
inline LineBatch MovedLines(const SeasonComparison& comparison) {
    return AllLines(ListLines(comparison, ListKind::kMoved));
}

}  // namespace trelvane
