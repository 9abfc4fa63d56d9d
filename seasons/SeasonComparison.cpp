#include "SeasonComparison.h"

#include <array>
#include <cstdint>
#include <vector>

#include "ListLine.h"
#include "RecordFile.h"
#include "SeasonRecords.h"

namespace trelvane {
namespace {

using namespace comparison_controls;

// A text per identifier from 10000 to 50000, indexed directly. An empty
// entry means absent: display names are never empty.
class IdTable {
public:
    IdTable() : entries_(kLastPlayerId - kFirstTableId + 1) {}
    static bool Holds(std::int32_t id) { return id >= kFirstTableId && id <= kLastPlayerId; }
    std::string& operator[](std::int32_t id) { return entries_[static_cast<std::size_t>(id - kFirstTableId)]; }

private:
    std::vector<std::string> entries_;
};

struct SeasonFile {
    RecordFile records;
    SeasonFileReport report;

    void Open(const std::string& folder, const char* fileName, std::size_t recordLength) {
        report.path = SeasonFilePath(folder, fileName);
        records.Open(report.path, recordLength);
    }
    void Close() {
        report.problem = records.Problem();
        records.Close();
    }
};

void ReadPlayers(SeasonFile& file, IdTable& names) {
    std::array<std::uint8_t, kPlayerExaminedLength> buffer;
    while (!file.records.AtEnd()) {
        file.records.ReadNext(buffer);
        const PlayerRecord player = DecodePlayer(buffer);
        // 10000 itself is never taken; the extra all-zero buffer after the
        // last record fails this test too.
        if (player.record_status == 0 && player.player_id > kFirstTableId && player.player_id <= kLastPlayerId) {
            AssignPlayerDisplayName(names[player.player_id], player);
        }
    }
    file.Close();
}

void ReadRosters(SeasonFile& file, IdTable& teams) {
    std::array<std::uint8_t, kTeamExaminedLength> buffer;
    std::string teamName;
    while (!file.records.AtEnd()) {
        file.records.ReadNext(buffer);
        const TeamRecord team = DecodeTeam(buffer);
        if (team.record_status != 0 || team.team_number <= 0) continue;
        AssignTeamDisplayName(teamName, team);
        for (const std::int32_t id : team.roster) {
            if (IdTable::Holds(id)) teams[id] = teamName;
        }
    }
    file.Close();
}

}  // namespace

ComparisonReport CompareSeasons(FormControls& form) {
    form.EmptyList(kDepartedList);
    form.EmptyList(kArrivalsList);

    IdTable priorNames;
    IdTable currentNames;
    IdTable priorTeams;

    const std::string priorFolder = form.EditText(kPriorFolderBox);
    const std::string currentFolder = form.EditText(kCurrentFolderBox);

    // All three are opened before any is read.
    SeasonFile priorPlayers, currentPlayers, priorRosters;
    priorPlayers.Open(priorFolder, kPlayerFileName, kPlayerRecordLength);
    currentPlayers.Open(currentFolder, kPlayerFileName, kPlayerRecordLength);
    priorRosters.Open(priorFolder, kTeamFileName, kTeamRecordLength);

    ReadPlayers(priorPlayers, priorNames);
    ReadPlayers(currentPlayers, currentNames);
    ReadRosters(priorRosters, priorTeams);

    std::vector<std::string> departed;
    std::vector<std::string> arrivals;
    for (std::int32_t id = kFirstTableId + 1; id <= kLastPlayerId; ++id) {
        const std::string& prior = priorNames[id];
        const std::string& current = currentNames[id];
        if (!prior.empty() && current.empty()) {
            departed.push_back(FormatListLine(id, prior, priorTeams[id]));
        } else if (prior.empty() && !current.empty()) {
            arrivals.push_back(FormatListLine(id, current));
        }
    }

    ComparisonReport report{priorPlayers.report, currentPlayers.report, priorRosters.report, departed.size(),
                            arrivals.size()};
    form.AddLines(kDepartedList, std::move(departed));
    form.AddLines(kArrivalsList, std::move(arrivals));
    form.SetBoxText(kDepartedCountBox, CountText(report.departed));
    form.SetBoxText(kArrivalsCountBox, CountText(report.arrivals));
    return report;
}

}  // namespace trelvane
