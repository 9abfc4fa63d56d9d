#include "SeasonRecords.h"

#include <cstring>

namespace trelvane {
namespace {

std::int16_t Int16At(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::int16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::int32_t Int32At(std::span<const std::uint8_t> bytes, std::size_t offset) {
    const std::uint32_t value = std::uint32_t{bytes[offset]} | std::uint32_t{bytes[offset + 1]} << 8 |
                                std::uint32_t{bytes[offset + 2]} << 16 | std::uint32_t{bytes[offset + 3]} << 24;
    return static_cast<std::int32_t>(value);
}

std::string_view TextAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    const auto* first = reinterpret_cast<const char*>(bytes.data()) + offset;
    const std::size_t room = bytes.size() - offset;
    const void* zero = std::memchr(first, 0, room);
    return {first, zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - first) : room};
}

}  // namespace

PlayerRecord DecodePlayer(std::span<const std::uint8_t, kPlayerExaminedLength> buffer) {
    PlayerRecord player;
    player.record_status = Int16At(buffer, player_field::kStatus);
    player.player_id = Int32At(buffer, player_field::kPlayerId);
    player.name_part_a = TextAt(buffer, player_field::kNamePartA);
    player.name_part_b = TextAt(buffer, player_field::kNamePartB);
    return player;
}

TeamRecord DecodeTeam(std::span<const std::uint8_t, kTeamExaminedLength> buffer) {
    TeamRecord team;
    team.record_status = Int16At(buffer, team_field::kStatus);
    team.team_number = Int16At(buffer, team_field::kTeamNumber);
    team.team_part_a = TextAt(buffer, team_field::kTeamPartA);
    team.team_part_b = TextAt(buffer, team_field::kTeamPartB);
    for (std::size_t slot = 0; slot < kRosterSlots; ++slot) {
        team.roster[slot] = Int32At(buffer, team_field::kRoster + 4 * slot);
    }
    return team;
}

void AppendPlayerDisplayName(std::string& out, const PlayerRecord& player) {
    out += player.name_part_b;
    out += ',';
    out += player.name_part_a;
}

std::string PlayerDisplayName(const PlayerRecord& player) {
    std::string name;
    AppendPlayerDisplayName(name, player);
    return name;
}

std::string TeamDisplayName(const TeamRecord& team) {
    std::string name(team.team_part_a);
    name += ' ';
    name += team.team_part_b;
    return name;
}

std::string SeasonFilePath(std::string_view folder, std::string_view fileName) {
    std::string path(folder);
    path += '\\';
    path += fileName;
    return path;
}

}  // namespace trelvane
