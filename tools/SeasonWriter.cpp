#include "SeasonWriter.h"

#include <algorithm>
#include <cstring>
#include <fstream>

#include "SeasonRecords.h"

namespace trelvane::tools {
namespace {

void PutInt16(std::vector<std::uint8_t>& record, std::size_t offset, std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    record[offset] = static_cast<std::uint8_t>(bits);
    record[offset + 1] = static_cast<std::uint8_t>(bits >> 8);
}

void PutInt32(std::vector<std::uint8_t>& record, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) record[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

void PutText(std::vector<std::uint8_t>& record, std::size_t offset, const std::string& text) {
    const std::size_t room = record.size() - offset;
    const std::size_t count = std::min(text.size(), room);
    std::memcpy(record.data() + offset, text.data(), count);
    if (count < room) record[offset + count] = 0;
}

}  // namespace

std::vector<std::uint8_t> EncodePlayer(const PlayerEntry& player) {
    std::vector<std::uint8_t> record(kPlayerRecordLength, 0);
    PutInt16(record, player_field::kStatus, player.status);
    PutInt32(record, player_field::kPlayerId, player.id);
    PutText(record, player_field::kNamePartA, player.firstName);
    PutText(record, player_field::kNamePartB, player.lastName);
    return record;
}

std::vector<std::uint8_t> EncodeTeam(const TeamEntry& team) {
    std::vector<std::uint8_t> record(kTeamRecordLength, 0);
    PutInt16(record, team_field::kStatus, team.status);
    PutInt16(record, team_field::kTeamNumber, team.number);
    PutText(record, team_field::kTeamPartA, team.place);
    PutText(record, team_field::kTeamPartB, team.nickname);
    for (std::size_t slot = 0; slot < kRosterSlots; ++slot) {
        PutInt32(record, team_field::kRoster + 4 * slot, slot < team.roster.size() ? team.roster[slot] : -1);
    }
    return record;
}

bool WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

bool WriteSeason(const std::filesystem::path& folder, const SeasonData& season) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::vector<std::uint8_t> players;
    players.reserve(season.players.size() * kPlayerRecordLength);
    for (const PlayerEntry& player : season.players) {
        const auto record = EncodePlayer(player);
        players.insert(players.end(), record.begin(), record.end());
    }
    std::vector<std::uint8_t> teams;
    for (const TeamEntry& team : season.teams) {
        const auto record = EncodeTeam(team);
        teams.insert(teams.end(), record.begin(), record.end());
    }
    return WriteBytes(folder / kPlayerFileName, players) && WriteBytes(folder / kTeamFileName, teams);
}

}  // namespace trelvane::tools
