#pragma once

#include <string>
#include <string_view>

namespace trelvane::cli {

// The system's own text (the command line, paths, its error messages) in
// UTF-8. Windows gives it in the ANSI code page. Elsewhere it is taken as
// UTF-8 when it is that, and otherwise as Windows-1252, the code page of
// season folders copied from Windows.
std::string Utf8FromSystemText(std::string_view text);

// The text report's names: in UTF-8 for a Linux terminal, in the ANSI code
// page on Windows, where a console is written in Unicode (ConsoleOutput).
#ifdef _WIN32
inline constexpr bool kTextReportInUtf8 = false;
#else
inline constexpr bool kTextReportInUtf8 = true;
#endif

}  // namespace trelvane::cli
