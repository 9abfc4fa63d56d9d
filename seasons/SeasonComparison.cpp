#include "SeasonComparison.h"

#include <algorithm>

#include "FileProblems.h"
#include "ListLine.h"
#include "SeasonRecords.h"

namespace trelvane {
namespace {

void Open(SeasonSource& source, std::string_view folder, const char* fileName, std::size_t recordLength,
          std::size_t examinedLength) {
    source.report.path = SeasonFilePath(folder, fileName);
    if (folder.empty()) {
        source.report.problem = FileProblem::kNoFolderGiven;
    } else if (!source.records.Open(source.report.path, recordLength, examinedLength)) {
        source.report.problem = source.records.Problem();
    } else {
        source.report.path = source.records.OpenedPath();
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

// Each season's teams by number, named as the current season names them;
// then every player counted where he played.
std::vector<TeamChanges> CountByTeam(const SeasonComparison& c) {
    std::vector<TeamChanges> teams;
    std::vector<bool> named(32768);
    for (const Season* season : {&c.current, &c.prior}) {
        for (const Team& team : season->rosters.Teams()) {
            if (named[static_cast<std::size_t>(team.number)]) continue;
            named[static_cast<std::size_t>(team.number)] = true;
            teams.push_back({.number = team.number, .name = team.name});
        }
    }
    std::ranges::sort(teams, {}, &TeamChanges::number);
    teams.push_back({.number = 0, .name = std::string(kFreeAgents)});
    const TeamRows rows(teams);
    const auto rowOf = [&](const Season& season, std::int32_t id) -> TeamChanges& {
        return teams[rows[season.rosters.TeamNumberOf(id)]];
    };
    const IdSet &inPrior = c.prior.players.Present(), &inCurrent = c.current.players.Present();
    for (std::size_t word = 0; word < IdSet::kWords; ++word) {
        ForEachId(inPrior.Word(word), word, [&](std::int32_t id) { ++rowOf(c.prior, id).priorPlayers; });
        ForEachId(inCurrent.Word(word), word, [&](std::int32_t id) { ++rowOf(c.current, id).currentPlayers; });
    }
    for (const std::int32_t id : c.departed) ++rowOf(c.prior, id).departed;
    for (const std::int32_t id : c.arrived) ++rowOf(c.current, id).arrived;
    for (const std::int32_t id : c.moved) {
        ++rowOf(c.prior, id).movedOut;
        ++rowOf(c.current, id).movedIn;
    }
    // Free agents show only where there are some.
    const TeamChanges& free = teams.back();
    if (free.priorPlayers + free.currentPlayers == 0) teams.pop_back();
    return teams;
}

}  // namespace

TeamRows::TeamRows(const std::vector<TeamChanges>& teams) : last_(teams.empty() ? 0 : teams.size() - 1) {
    for (std::size_t row = 0; row < teams.size(); ++row) {
        if (teams[row].number > 0)
            rowOf_[static_cast<std::size_t>(teams[row].number)] = static_cast<std::uint16_t>(row + 1);
    }
}

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
    result.movedKnown = result.priorTeamFile.WasRead() && result.currentTeamFile && result.currentTeamFile->WasRead();

    const IdSet& inPrior = result.prior.players.Present();
    const IdSet& inCurrent = result.current.players.Present();
    const auto hasMoved = [&](std::int32_t id) {
        return result.prior.rosters.TeamNumberOf(id) != result.current.rosters.TeamNumberOf(id);
    };
    for (std::size_t word = 0; word < IdSet::kWords; ++word) {
        const std::uint64_t prior = inPrior.Word(word), current = inCurrent.Word(word);
        ForEachId(prior & ~current, word, [&](std::int32_t id) { result.departed.push_back(id); });
        ForEachId(current & ~prior, word, [&](std::int32_t id) { result.arrived.push_back(id); });
        if (result.movedKnown) {
            ForEachId(prior & current, word, [&](std::int32_t id) {
                if (hasMoved(id)) result.moved.push_back(id);
            });
        }
    }
    if (result.movedKnown) result.teams = CountByTeam(result);
    return result;
}

ListLines::ListLines(const SeasonComparison& comparison, ListKind kind)
    : comparison_(&comparison),
      kind_(kind),
      ids_(kind == ListKind::kDeparted   ? &comparison.departed
           : kind == ListKind::kArrivals ? &comparison.arrived
                                         : &comparison.moved) {}

std::string_view ListLines::operator()(std::size_t index, std::string& scratch) const {
    const std::int32_t id = (*ids_)[index];
    const SeasonComparison& c = *comparison_;
    switch (kind_) {
        case ListKind::kDeparted:
            FormatListLine(scratch, id, c.prior.players.DisplayName(id), c.prior.rosters.TeamNameOf(id));
            break;
        case ListKind::kArrivals:
            FormatListLine(scratch, id, c.current.players.DisplayName(id));
            break;
        case ListKind::kMoved: {
            auto teamOrFreeAgent = [](std::string_view team) { return team.empty() ? kFreeAgent : team; };
            FormatListLine(scratch, id, c.current.players.DisplayName(id));
            scratch += teamOrFreeAgent(c.prior.rosters.TeamNameOf(id));
            scratch += " -> ";
            scratch += teamOrFreeAgent(c.current.rosters.TeamNameOf(id));
            break;
        }
    }
    return scratch;
}

LineBatch AllLines(const ListLines& lines) {
    LineBatch batch;
    // Most lines are a little longer than the name column; the batch grows
    // past that only by a few copies.
    batch.Reserve(lines.Count(), lines.Count() * (kListLineNameEnd + 16));
    std::string scratch;
    for (std::size_t i = 0; i < lines.Count(); ++i) batch.Add(lines(i, scratch));
    return batch;
}

}  // namespace trelvane
