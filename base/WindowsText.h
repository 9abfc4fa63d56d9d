#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trelvane {

// Text between the UTF-16 of the Windows "W" functions and the two narrow
// forms the program keeps. UTF-8 carries every name the user gives (folder
// and file paths, messages): it holds any character, so a name reaches the
// file system exactly as given. The ANSI code page is kept only where a
// file format fixes it: the settings file. (The list lines are the season
// files' Windows-1252 bytes, whatever the code page: Windows1252.h.)
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

std::wstring WideFromAnsi(std::string_view text);
// The ANSI bytes of text, or nothing when the code page cannot hold every
// character: no best-fit stand-in ("A" for a full-width "Ａ") is ever made.
std::optional<std::string> ExactAnsiFromWide(std::wstring_view text);

// A wmain's arguments after the program's name, in UTF-8: as the user typed
// them, where the ANSI ones would have been best-fitted ("Ａ" to "A", a
// full-width quotation mark to one that splits the argument).
std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv);

}  // namespace trelvane
