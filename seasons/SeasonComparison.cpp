#include "SeasonComparison.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "LineBatch.h"
#include "ListLine.h"
#include "RecordFile.h"
#include "SeasonRecords.h"

namespace trelvane {
namespace {

using namespace control_id;

bool InTables(std::int32_t id) { return id >= kFirstTableId && id <= kLastPlayerId; }

// One entry per identifier from 10000 to 50000, indexed directly.
template <class Entry> class IdTable {
public:
    IdTable() : entries_(kLastPlayerId - kFirstTableId + 1) {}
    Entry& operator[](std::int32_t id) { return entries_[static_cast<std::size_t>(id - kFirstTableId)]; }
    auto begin() { return entries_.begin(); }
    auto end() { return entries_.end(); }

private:
    std::vector<Entry> entries_;
};

// Player display names; an empty entry means absent, as display names are
// never empty.
using NameTable = IdTable<std::string>;

// The prior team of each player, as a position in a list of team display
// names: one name per team record rather than one copy per player.
class TeamTable {
public:
    void SetTeam(std::int32_t id, std::size_t team) { teamOf_[id] = static_cast<std::uint32_t>(team + 1); }
    std::size_t AddTeam(std::string name) {
        // A damaged file may hold millions of teams; drop the names that no
        // player points to any more, so memory stays bounded.
        if (names_.size() >= kMaxNames) DropUnusedNames();
        names_.push_back(std::move(name));
        return names_.size() - 1;
    }
    std::string_view TeamOf(std::int32_t id) {
        const std::uint32_t team = teamOf_[id];
        return team == 0 ? std::string_view{} : names_[team - 1];
    }

private:
    static constexpr std::size_t kMaxNames = 2 * (kLastPlayerId - kFirstTableId + 1);

    void DropUnusedNames() {
        std::vector<std::uint32_t> renumbered(names_.size() + 1, 0);
        std::vector<std::string> kept;
        for (std::uint32_t& team : teamOf_) {
            if (team == 0) continue;
            if (renumbered[team] == 0) {
                kept.push_back(std::move(names_[team - 1]));
                renumbered[team] = static_cast<std::uint32_t>(kept.size());
            }
            team = renumbered[team];
        }
        names_ = std::move(kept);
    }

    IdTable<std::uint32_t> teamOf_;  // 0: on no roster
    std::vector<std::string> names_;
};

struct SeasonFile {
    RecordFile records;
    SeasonFileReport report;

    void Open(const std::string& folder, const char* fileName, std::size_t recordLength, std::size_t examined) {
        report.path = SeasonFilePath(folder, fileName);
        records.Open(report.path, recordLength, examined);
    }
    void Close() {
        report.problem = records.Problem();
        records.Close();
    }
};

void ReadPlayers(SeasonFile& file, NameTable& names) {
    while (!file.records.AtEnd()) {
        const PlayerRecord player = DecodePlayer(file.records.ReadNext().first<kPlayerExaminedLength>());
        // 10000 itself is never taken; the all-zero buffer after the last
        // record fails this test too.
        if (player.record_status == 0 && player.player_id > kFirstTableId && player.player_id <= kLastPlayerId) {
            AssignPlayerDisplayName(names[player.player_id], player);
        }
    }
    file.Close();
}

void ReadRosters(SeasonFile& file, TeamTable& teams) {
    while (!file.records.AtEnd()) {
        const TeamRecord team = DecodeTeam(file.records.ReadNext().first<kTeamExaminedLength>());
        if (team.record_status != 0 || team.team_number <= 0) continue;
        std::optional<std::size_t> index;
        for (const std::int32_t id : team.roster) {
            if (!InTables(id)) continue;
            if (!index) index = teams.AddTeam(TeamDisplayName(team));
            teams.SetTeam(id, *index);
        }
    }
    file.Close();
}

}  // namespace

ComparisonReport CompareSeasons(FormControls& form) {
    form.EmptyList(kDepartedList);
    form.EmptyList(kArrivalsList);

    NameTable priorNames;
    NameTable currentNames;
    TeamTable priorTeams;

    const std::string priorFolder = form.EditText(kPriorFolderBox);
    const std::string currentFolder = form.EditText(kCurrentFolderBox);

    // All three are opened before any is read.
    SeasonFile priorPlayers, currentPlayers, priorRosters;
    priorPlayers.Open(priorFolder, kPlayerFileName, kPlayerRecordLength, kPlayerExaminedLength);
    currentPlayers.Open(currentFolder, kPlayerFileName, kPlayerRecordLength, kPlayerExaminedLength);
    priorRosters.Open(priorFolder, kTeamFileName, kTeamRecordLength, kTeamExaminedLength);

    ReadPlayers(priorPlayers, priorNames);
    ReadPlayers(currentPlayers, currentNames);
    ReadRosters(priorRosters, priorTeams);

    // Counting first lets both batches be sized once, instead of growing by
    // copies through tens of thousands of lines.
    std::size_t departedCount = 0, arrivalsCount = 0, departedBytes = 0;
    for (std::int32_t id = kFirstTableId + 1; id <= kLastPlayerId; ++id) {
        const bool inPrior = !priorNames[id].empty(), inCurrent = !currentNames[id].empty();
        if (inPrior && !inCurrent) {
            ++departedCount;
            departedBytes += kListLineNameEnd + priorTeams.TeamOf(id).size();
        }
        arrivalsCount += !inPrior && inCurrent;
    }
    LineBatch departed;
    LineBatch arrivals;
    departed.Reserve(departedCount, departedBytes);
    arrivals.Reserve(arrivalsCount, arrivalsCount * kListLineNameEnd);
    std::string line;
    for (std::int32_t id = kFirstTableId + 1; id <= kLastPlayerId; ++id) {
        const std::string& prior = priorNames[id];
        const std::string& current = currentNames[id];
        if (!prior.empty() && current.empty()) {
            FormatListLine(line, id, prior, priorTeams.TeamOf(id));
            departed.Add(line);
        } else if (prior.empty() && !current.empty()) {
            FormatListLine(line, id, current);
            arrivals.Add(line);
        }
    }

    ComparisonReport report{priorPlayers.report, currentPlayers.report, priorRosters.report, departed.Count(),
                            arrivals.Count()};
    form.AddLines(kDepartedList, std::move(departed));
    form.AddLines(kArrivalsList, std::move(arrivals));
    form.SetBoxText(kDepartedCountBox, CountText(report.departed));
    form.SetBoxText(kArrivalsCountBox, CountText(report.arrivals));
    return report;
}

}  // namespace trelvane
