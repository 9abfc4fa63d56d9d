#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace trelvane::tools {

// What a generated season holds; written as the game's record files. The
// bytes that the comparison does not interpret stay zero.
struct PlayerEntry {
    std::int32_t id = 0;
    std::string firstName;  // name_part_a, at byte 22
    std::string lastName;   // name_part_b, at byte 36
    std::int16_t status = 0;
};

struct TeamEntry {
    std::int16_t number = 0;
    std::string place;                 // team_part_a, at byte 17
    std::string nickname;              // team_part_b, at byte 33
    std::vector<std::int32_t> roster;  // up to 80 identifiers; the rest of the slots hold -1
    std::int16_t status = 0;
};

struct SeasonData {
    std::vector<PlayerEntry> players;
    std::vector<TeamEntry> teams;
};

// One whole record. Texts are copied with their terminating zero, each at its
// first byte; a text longer than its slot runs on into the next field, just as
// the game's own files may.
std::vector<std::uint8_t> EncodePlayer(const PlayerEntry& player);
std::vector<std::uint8_t> EncodeTeam(const TeamEntry& team);

// Writes KOVPLYR.DAT and KOVTEAM.DAT into folder (created if needed).
// Returns false when a file could not be written.
bool WriteSeason(const std::filesystem::path& folder, const SeasonData& season);
bool WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

}  // namespace trelvane::tools
