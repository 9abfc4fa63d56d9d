#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace trelvane {

inline constexpr char kPlayerFileName[] = "KOVPLYR.DAT";
inline constexpr char kTeamFileName[] = "KOVTEAM.DAT";

// Of every record only a leading part is read: the last 4 bytes of a player
// record and the last byte of a team record are never looked at. The step
// from record to record is still the full record length.
inline constexpr std::size_t kPlayerRecordLength = 664;
inline constexpr std::size_t kPlayerExaminedLength = 660;
inline constexpr std::size_t kTeamRecordLength = 928;
inline constexpr std::size_t kTeamExaminedLength = 927;
inline constexpr std::size_t kRosterSlots = 80;

// Where each interpreted field starts in its record; integers are
// little-endian. The season writer of the tests and tools uses them too.
namespace player_field {
inline constexpr std::size_t kStatus = 0;      // signed 16-bit
inline constexpr std::size_t kPlayerId = 8;    // signed 32-bit
inline constexpr std::size_t kNamePartA = 22;  // text
inline constexpr std::size_t kNamePartB = 36;  // text
}  // namespace player_field
namespace team_field {
inline constexpr std::size_t kStatus = 0;      // signed 16-bit
inline constexpr std::size_t kTeamNumber = 8;  // signed 16-bit
inline constexpr std::size_t kTeamPartA = 17;  // text
inline constexpr std::size_t kTeamPartB = 33;  // text
inline constexpr std::size_t kRoster = 264;    // 80 signed 32-bit slots
}  // namespace team_field

// The interpreted fields of a player record. The texts are views into the
// buffer the record was decoded from.
struct PlayerRecord {
    std::int16_t record_status = 0;  // 0: a record in use
    std::int32_t player_id = 0;
    std::string_view name_part_a;  // shown after the comma
    std::string_view name_part_b;  // shown before the comma
};

struct TeamRecord {
    std::int16_t record_status = 0;  // 0: a record in use
    std::int16_t team_number = 0;    // > 0: a team in use
    std::string_view team_part_a;
    std::string_view team_part_b;
    std::array<std::int32_t, kRosterSlots> roster{};  // -1 or less: empty slot
};

// Decode a buffer of the examined length. A text has no stored length: it
// runs from its first byte to the first zero byte, or to the end of the
// buffer, so a text that fills its slot runs on into the following fields.
PlayerRecord DecodePlayer(std::span<const std::uint8_t, kPlayerExaminedLength> buffer);
TeamRecord DecodeTeam(std::span<const std::uint8_t, kTeamExaminedLength> buffer);

// "name_part_b,name_part_a": never empty, it always holds the comma.
void AppendPlayerDisplayName(std::string& out, const PlayerRecord& player);
std::string PlayerDisplayName(const PlayerRecord& player);
// "team_part_a team_part_b": never empty, it always holds the blank.
std::string TeamDisplayName(const TeamRecord& team);

// The path of a season file: the folder text exactly as entered, a
// backslash, and the file name. No trimming, no check for a separator.
std::string SeasonFilePath(std::string_view folder, std::string_view fileName);

}  // namespace trelvane
