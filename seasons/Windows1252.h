#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trelvane {

// The game writes its names in Windows-1252. The five bytes that code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control
// characters of the same number, as Windows' own conversion makes them, so
// no byte is lost.
char32_t CodePointOfWindows1252(unsigned char byte);

void AppendUtf8(std::string& out, char32_t codePoint);
// Appends text, in Windows-1252, to out in UTF-8.
void AppendUtf8FromWindows1252(std::string& out, std::string_view text);

// The characters of text, in Windows-1252, for the window's list boxes; and
// back to the same bytes. A character Windows-1252 lacks becomes "?". Both
// are the same whatever the machine's ANSI code page: a season file's bytes
// are Windows-1252 on a Russian or a Japanese Windows too.
std::wstring WideFromWindows1252(std::string_view text);
std::string Windows1252FromWide(std::wstring_view text);

// True when text is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view text);

}  // namespace trelvane
