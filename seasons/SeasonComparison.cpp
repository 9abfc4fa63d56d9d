#include "SeasonComparison.h"

#include "FileProblems.h"
#include "ListLine.h"
#include "SeasonRecords.h"

namespace trelvane {
namespace {

void Open(SeasonSource& source, std::string_view folder, const char* fileName, std::size_t recordLength,
          std::size_t examinedLength) {
    source.report.path = SeasonFilePath(folder, fileName);
    if (folder.empty()) {
        source.report.problem = file_problem::kNoFolderGiven;
    } else if (!source.records.Open(source.report.path, recordLength, examinedLength)) {
        source.report.problem = source.records.Problem();
    }
}

void Finish(SeasonSource& source, SeasonFileReport& report) {
    if (source.report.problem.empty()) source.report.problem = source.records.Problem();
    source.records.Close();
    report = std::move(source.report);
}

void ReadPlayers(SeasonSource& source, PlayerTable& players, SeasonFileReport& report) {
    while (!source.records.AtEnd()) {
        const PlayerRecord player = DecodePlayer(source.records.ReadNext().first<kPlayerExaminedLength>());
        // 10000 itself is never taken; the all-zero buffer after the last
        // record fails this test too.
        if (player.record_status == 0 && player.player_id > kFirstTableId && player.player_id <= kLastPlayerId) {
            players.Take(player);
        }
    }
    Finish(source, report);
}

void ReadRosters(SeasonSource& source, RosterTable& rosters, SeasonFileReport& report) {
    while (!source.records.AtEnd()) rosters.Take(DecodeTeam(source.records.ReadNext().first<kTeamExaminedLength>()));
    Finish(source, report);
}

}  // namespace

SeasonComparison CompareSeasons(std::string_view priorFolder, std::string_view currentFolder, CompareOptions options) {
    // All are opened before any is read.
    SeasonSources sources;
    Open(sources.priorPlayers, priorFolder, kPlayerFileName, kPlayerRecordLength, kPlayerExaminedLength);
    Open(sources.currentPlayers, currentFolder, kPlayerFileName, kPlayerRecordLength, kPlayerExaminedLength);
    Open(sources.priorTeams, priorFolder, kTeamFileName, kTeamRecordLength, kTeamExaminedLength);
    if (options.readCurrentTeams) {
        Open(sources.currentTeams.emplace(), currentFolder, kTeamFileName, kTeamRecordLength, kTeamExaminedLength);
    }
    return CompareSources(sources);
}

SeasonComparison CompareSources(SeasonSources& sources) {
    SeasonComparison result;
    ReadPlayers(sources.priorPlayers, result.prior.players, result.priorPlayerFile);
    ReadPlayers(sources.currentPlayers, result.current.players, result.currentPlayerFile);
    ReadRosters(sources.priorTeams, result.prior.rosters, result.priorTeamFile);
    if (sources.currentTeams) {
        ReadRosters(*sources.currentTeams, result.current.rosters, result.currentTeamFile.emplace());
    }
    const bool teamsKnown = result.priorTeamFile.Read() && result.currentTeamFile && result.currentTeamFile->Read();

    const IdSet& inPrior = result.prior.players.Present();
    const IdSet& inCurrent = result.current.players.Present();
    const auto hasMoved = [&](std::int32_t id) {
        return result.prior.rosters.TeamNumberOf(id) != result.current.rosters.TeamNumberOf(id);
    };
    for (std::size_t word = 0; word < IdSet::kWords; ++word) {
        const std::uint64_t prior = inPrior.Word(word), current = inCurrent.Word(word);
        ForEachId(prior & ~current, word, [&](std::int32_t id) { result.departed.push_back(id); });
        ForEachId(current & ~prior, word, [&](std::int32_t id) { result.arrived.push_back(id); });
        if (teamsKnown) {
            ForEachId(prior & current, word, [&](std::int32_t id) {
                if (hasMoved(id)) result.moved.push_back(id);
            });
        }
    }
    return result;
}

LineBatch DepartedLines(const SeasonComparison& comparison) {
    const PlayerTable& players = comparison.prior.players;
    const RosterTable& rosters = comparison.prior.rosters;
    // Sized once, instead of growing by copies through tens of thousands of
    // lines.
    std::size_t bytes = 0;
    for (const std::int32_t id : comparison.departed) bytes += kListLineNameEnd + rosters.TeamNameOf(id).size();
    LineBatch lines;
    lines.Reserve(comparison.departed.size(), bytes);
    std::string line;
    for (const std::int32_t id : comparison.departed) {
        FormatListLine(line, id, players.DisplayName(id), rosters.TeamNameOf(id));
        lines.Add(line);
    }
    return lines;
}

LineBatch ArrivalLines(const SeasonComparison& comparison) {
    LineBatch lines;
    lines.Reserve(comparison.arrived.size(), comparison.arrived.size() * kListLineNameEnd);
    std::string line;
    for (const std::int32_t id : comparison.arrived) {
        FormatListLine(line, id, comparison.current.players.DisplayName(id));
        lines.Add(line);
    }
    return lines;
}

LineBatch MovedLines(const SeasonComparison& comparison) {
    auto teamOrFreeAgent = [](std::string_view team) { return team.empty() ? kFreeAgent : team; };
    LineBatch lines;
    std::string line, teams;
    for (const std::int32_t id : comparison.moved) {
        teams = teamOrFreeAgent(comparison.prior.rosters.TeamNameOf(id));
        teams += " -> ";
        teams += teamOrFreeAgent(comparison.current.rosters.TeamNameOf(id));
        FormatListLine(line, id, comparison.current.players.DisplayName(id), teams);
        lines.Add(line);
    }
    return lines;
}

}  // namespace trelvane
