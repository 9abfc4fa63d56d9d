#pragma once

#include <string>
#include <string_view>

namespace trelvane {

// Conversions between the system's ANSI code page, in which the program
// keeps its texts, and the UTF-16 of the Windows "W" functions. Characters
// the code page lacks take the system's best-fit replacement.
std::wstring WideFromAnsi(std::string_view text);
std::string AnsiFromWide(std::wstring_view text);

}  // namespace trelvane
