#pragma once

#include <algorithm>
#include <string_view>

namespace trelvane {

// Letter case of ASCII letters only, whatever the locale: the game's file
// names and the tokens of the form's specs are ASCII, and a byte of a
// Windows-1252 or UTF-8 name must never change.
template <typename Char> constexpr Char AsciiLower(Char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<Char>(c - 'A' + 'a') : c;
}
constexpr char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

constexpr bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace trelvane
