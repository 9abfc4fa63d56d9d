#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trelvane {

inline constexpr std::size_t kListNameWidth = 22;

// A list line: the identifier as five zero-padded digits and two blanks, the
// display name left-aligned in exactly 22 characters (cut or blank-padded),
// then the team, if any, from column 30. Trailing blanks belong to the line.
std::string FormatListLine(std::int32_t playerId, std::string_view displayName, std::string_view team = {});

// What a count box shows: one blank, then the decimal digits (" 0", " 5000").
std::string CountText(std::size_t count);

}  // namespace trelvane
