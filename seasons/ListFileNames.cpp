#include "ListFileNames.h"

#include "AsciiCase.h"
#include "FileProblems.h"
#include "PathParts.h"
#include "SeasonRecords.h"

namespace trelvane {
namespace {

std::string_view WithoutTrailing(std::string_view name, std::string_view characters) {
    while (!name.empty() && characters.find(name.back()) != std::string_view::npos) name.remove_suffix(1);
    return name;
}

}  // namespace

bool IsWindowsDeviceName(std::string_view name) {
    name = WithoutTrailing(name, ". ");
    if (EqualIgnoringAsciiCase(name, "CONIN$") || EqualIgnoringAsciiCase(name, "CONOUT$")) return true;
    // "nul.txt" and "nul .tar.gz" are NUL as well.
    const std::string_view base = WithoutTrailing(name.substr(0, name.find('.')), " ");
    for (const std::string_view device : {"CON", "PRN", "AUX", "NUL"}) {
        if (EqualIgnoringAsciiCase(base, device)) return true;
    }
    if (base.size() < 4 ||
        !(EqualIgnoringAsciiCase(base.substr(0, 3), "COM") || EqualIgnoringAsciiCase(base.substr(0, 3), "LPT"))) {
        return false;
    }
    const std::string_view number = base.substr(3);
    return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') || number == "\xC2\xB9" ||
           number == "\xC2\xB2" || number == "\xC2\xB3";
}

FileProblem RefusedExportName(std::string_view path) {
    std::string_view name = FileNameOf(path, std::string_view("\\/"));
    // "KOVPLYR.DAT::$DATA" is the file itself, and "KOVPLYR.DAT:x" a stream
    // of it; a drive-relative "C:KOVPLYR.DAT" names it too.
    if (name.size() == path.size() && name.size() >= 2 && name[1] == ':') name.remove_prefix(2);
    name = name.substr(0, name.find(':'));
    // Windows drops trailing dots and blanks: "KOVPLYR.DAT." opens KOVPLYR.DAT.
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.remove_suffix(1);
    if (EqualIgnoringAsciiCase(name, kPlayerFileName) || EqualIgnoringAsciiCase(name, kTeamFileName))
        return FileProblem::kSeasonFile;
    if (EqualIgnoringAsciiCase(name, kSettingsFileName)) return FileProblem::kSettingsFile;
#ifdef _WIN32
    if (IsWindowsDeviceName(name)) return FileProblem::kDeviceName;
#endif
    return FileProblem::kNone;
}

}  // namespace trelvane
