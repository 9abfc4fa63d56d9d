#include "ListLine.h"

#include <algorithm>

namespace trelvane {

void FormatListLine(std::string& line, std::int32_t playerId, std::string_view displayName, std::string_view team) {
    const std::string_view shown = displayName.substr(0, kListNameWidth);
    line.resize(kListLineNameEnd + team.size());
    char* out = line.data();
    // Lines only ever carry identifiers 10001 to 50000, five digits each.
    for (int column = 4; column >= 0; --column) {
        out[column] = static_cast<char>('0' + playerId % 10);
        playerId /= 10;
    }
    out[5] = out[6] = ' ';
    std::fill(std::copy(shown.begin(), shown.end(), out + 7), out + kListLineNameEnd, ' ');
    std::copy(team.begin(), team.end(), out + kListLineNameEnd);
}

std::string FormatListLine(std::int32_t playerId, std::string_view displayName, std::string_view team) {
    std::string line;
    FormatListLine(line, playerId, displayName, team);
    return line;
}

std::string CountText(std::size_t count) { return " " + std::to_string(count); }

}  // namespace trelvane
