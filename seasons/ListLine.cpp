#include "ListLine.h"

#include <string>

namespace trelvane {

void FormatListLine(std::string& line, std::int32_t playerId, std::string_view displayName, std::string_view team) {
    const std::string_view shown = displayName.substr(0, kListNameWidth);
    line.resize(kListLineNameEnd + team.size());
    char* out = line.data();
    // Lines only ever carry identifiers 10001 to 50000, five digits each,
    // written two at a time: a season's lists run to 40,000 lines.
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    auto digits = static_cast<std::uint32_t>(playerId);
    std::char_traits<char>::copy(out + 3, kPairs + 2 * (digits % 100), 2);
    digits /= 100;
    std::char_traits<char>::copy(out + 1, kPairs + 2 * (digits % 100), 2);
    out[0] = static_cast<char>('0' + digits / 100 % 10);
    out[5] = out[6] = ' ';
    // char_traits, unlike memcpy, takes an empty view's null pointer.
    std::char_traits<char>::copy(out + 7, shown.data(), shown.size());
    std::char_traits<char>::assign(out + 7 + shown.size(), kListNameWidth - shown.size(), ' ');
    std::char_traits<char>::copy(out + kListLineNameEnd, team.data(), team.size());
}

std::string FormatListLine(std::int32_t playerId, std::string_view displayName, std::string_view team) {
    std::string line;
    FormatListLine(line, playerId, displayName, team);
    return line;
}

std::string CountText(std::size_t count) { return " " + std::to_string(count); }

}  // namespace trelvane
