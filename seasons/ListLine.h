#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trelvane {

inline constexpr std::size_t kListNameWidth = 22;
// Length of a line without a team: identifier, two blanks, name field.
inline constexpr std::size_t kListLineNameEnd = 7 + kListNameWidth;

// A list line: the identifier as five zero-padded digits and two blanks, the
// display name left-aligned in exactly 22 characters (cut or blank-padded),
// then the team, if any, from column 30. Trailing blanks belong to the line.
// Writes the line into line, reusing its storage.
void FormatListLine(std::string& line, std::int32_t playerId, std::string_view displayName, std::string_view team = {});
std::string FormatListLine(std::int32_t playerId, std::string_view displayName, std::string_view team = {});

// What a count box shows: one blank, then the decimal digits (" 0", " 5000").
std::string CountText(std::size_t count);

}  // namespace trelvane
