#include "ListFileNames.h"

#include <algorithm>

#include "FileProblems.h"
#include "SeasonRecords.h"

namespace trelvane {
namespace {

bool SameLetters(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::string_view RefusedExportName(std::string_view path) {
    std::string_view name = path.substr(path.find_last_of("\\/") + 1);
    // "KOVPLYR.DAT::$DATA" is the file itself, and "KOVPLYR.DAT:x" a stream
    // of it; a drive-relative "C:KOVPLYR.DAT" names it too.
    if (name.size() == path.size() && name.size() >= 2 && name[1] == ':') name.remove_prefix(2);
    name = name.substr(0, name.find(':'));
    // Windows drops trailing dots and blanks: "KOVPLYR.DAT." opens KOVPLYR.DAT.
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.remove_suffix(1);
    if (SameLetters(name, kPlayerFileName) || SameLetters(name, kTeamFileName)) return write_problem::kSeasonFile;
    if (SameLetters(name, kSettingsFileName)) return write_problem::kSettingsFile;
    return {};
}

}  // namespace trelvane
