#include "ListFileNames.h"

#include "AsciiCase.h"
#include "FileProblems.h"
#include "PathParts.h"
#include "SeasonRecords.h"

namespace trelvane {
std::string_view RefusedExportName(std::string_view path) {
    std::string_view name = FileNameOf(path, std::string_view("\\/"));
    // "KOVPLYR.DAT::$DATA" is the file itself, and "KOVPLYR.DAT:x" a stream
    // of it; a drive-relative "C:KOVPLYR.DAT" names it too.
    if (name.size() == path.size() && name.size() >= 2 && name[1] == ':') name.remove_prefix(2);
    name = name.substr(0, name.find(':'));
    // Windows drops trailing dots and blanks: "KOVPLYR.DAT." opens KOVPLYR.DAT.
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.remove_suffix(1);
    if (EqualIgnoringAsciiCase(name, kPlayerFileName) || EqualIgnoringAsciiCase(name, kTeamFileName))
        return write_problem::kSeasonFile;
    if (EqualIgnoringAsciiCase(name, kSettingsFileName)) return write_problem::kSettingsFile;
    return {};
}

}  // namespace trelvane
