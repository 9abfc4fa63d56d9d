#include "SeasonTables.h"

#include <optional>

namespace trelvane {

void PlayerTable::Take(const PlayerRecord& player) {
    Entry& entry = entries_[player.player_id];
    // Room for a full season's names at once: memory the system hands out
    // only as it is written, where growing by copies would touch it twice.
    if (names_.capacity() == 0) names_.reserve(1 << 20);
    if (entry.length == 0) ++count_;
    liveBytes_ -= entry.length;
    present_.Add(player.player_id);
    // Texts end within the examined 660 bytes, so a display name is far
    // shorter than 65,536 bytes.
    entry = {static_cast<std::uint32_t>(names_.size()),
             static_cast<std::uint16_t>(player.name_part_b.size() + 1 + player.name_part_a.size()),
             static_cast<std::uint16_t>(player.name_part_b.size())};
    AppendPlayerDisplayName(names_, player);
    liveBytes_ += entry.length;
    // A file that names the same players over and over would grow the
    // buffer without end.
    if (names_.size() > 2 * liveBytes_ + (1 << 20)) DropReplacedNames();
}

std::string_view PlayerTable::FirstName(std::int32_t id) const {
    return Has(id) ? DisplayName(id).substr(entries_[id].lastNameLength + 1) : std::string_view{};
}

void PlayerTable::DropReplacedNames() {
    std::string kept;
    kept.reserve(liveBytes_);
    for (Entry& entry : entries_) {
        if (entry.length == 0) continue;
        const std::size_t offset = kept.size();
        kept.append(names_, entry.offset, entry.length);
        entry.offset = static_cast<std::uint32_t>(offset);
    }
    names_ = std::move(kept);
}

void RosterTable::Take(const TeamRecord& team) {
    if (team.record_status != 0 || team.team_number <= 0) return;
    std::uint16_t& at = numberedAt_[static_cast<std::size_t>(team.team_number)];
    if (at == 0) {
        numbered_.push_back({team.team_number, {}});
        at = static_cast<std::uint16_t>(numbered_.size());
    }
    numbered_[at - 1u].name = TeamDisplayName(team);
    // A team is stored once, and only when its roster names a player the
    // tables hold.
    std::optional<std::size_t> index;
    for (const std::int32_t id : team.roster) {
        if (!InTables(id)) continue;
        if (!index) index = AddTeam(team);
        SetTeam(id, *index);
    }
}

const Team* RosterTable::TeamOf(std::int32_t id) const {
    const std::uint32_t team = teamOf_[id];
    return team == 0 ? nullptr : &teams_[team - 1];
}

std::string_view RosterTable::TeamNameOf(std::int32_t id) const {
    const Team* team = TeamOf(id);
    return team ? std::string_view(team->name) : std::string_view{};
}

std::int16_t RosterTable::TeamNumberOf(std::int32_t id) const {
    const Team* team = TeamOf(id);
    return team ? team->number : 0;
}

std::size_t RosterTable::AddTeam(const TeamRecord& record) {
    // A damaged file may hold millions of teams; drop the ones that no
    // player points to any more, so memory stays bounded.
    constexpr std::size_t kMaxTeams = 2 * (kLastPlayerId - kFirstTableId + 1);
    if (teams_.size() >= kMaxTeams) DropUnusedTeams();
    teams_.push_back({record.team_number, TeamDisplayName(record)});
    return teams_.size() - 1;
}

void RosterTable::DropUnusedTeams() {
    std::vector<std::uint32_t> renumbered(teams_.size() + 1, 0);
    std::vector<Team> kept;
    for (std::uint32_t& team : teamOf_) {
        if (team == 0) continue;
        if (renumbered[team] == 0) {
            kept.push_back(std::move(teams_[team - 1]));
            renumbered[team] = static_cast<std::uint32_t>(kept.size());
        }
        team = renumbered[team];
    }
    teams_ = std::move(kept);
}

}  // namespace trelvane
