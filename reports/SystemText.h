#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace trelvane {

// The system's own text (paths, its error messages) in UTF-8. On Windows
// the program holds it in UTF-8 already: the wide command line and the
// system's words are converted as they come. Elsewhere it is taken as
// UTF-8 when it is that, and otherwise as Windows-1252, the code page of
// season folders copied from Windows.
std::string Utf8FromSystemText(std::string_view text);

// A path the user gave (UTF-8 on Windows) as the file system functions take
// it: on Windows through its UTF-16 form, never the ANSI code page.
std::filesystem::path FileSystemPath(const std::string& name);

// The errno of the standard library write that has just failed, with a
// reader that went away (| more quit early) as EPIPE on every system:
// Windows' C library reports a pipe closed at its far end as EINVAL.
int ErrnoOfFailedWrite();

// The text report is UTF-8, and its lines end as the system's text files
// do. On Windows it begins with a byte-order mark, as CSV does: Notepad
// reads a file without one in the ANSI code page, which turns the league's
// accented names into other letters on most of the world's systems; a
// console shows it without the mark (ConsoleOutput).
#ifdef _WIN32
inline constexpr bool kTextReportHasMark = true;
inline constexpr std::string_view kTextReportLineEnd = "\r\n";
#else
inline constexpr bool kTextReportHasMark = false;
inline constexpr std::string_view kTextReportLineEnd = "\n";
#endif

}  // namespace trelvane
