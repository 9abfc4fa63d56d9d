#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trelvane {

// The comma-separated fields of a font or anchor specification. Spaces (not
// tabs) before and after a field are dropped; a field whose first character
// after the spaces is a double quote runs to the next double quote, may hold
// commas and does not include the quotes (text between the closing quote and
// the next comma is ignored). An empty text is one empty field.
std::vector<std::string> SplitSpecFields(std::string_view text);

// The numeric value of a field: leading blanks (space, tab, CR, LF) skipped,
// then the longest prefix that reads as a decimal number (sign, digits,
// fraction, exponent). A field that does not begin with a number reads as 0.
double NumericValue(std::string_view field);

// ASCII upper case; other bytes of the ANSI code page are left as they are.
std::string UpperCase(std::string_view text);

}  // namespace trelvane
