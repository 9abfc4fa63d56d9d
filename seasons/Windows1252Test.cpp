#include "Windows1252.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

// Every byte of the code page is checked against Python's codec by
// cli/ReportsParseTest.py.
TEST(Utf8, EncodesEachLengthUpToItsBounds) {
    const std::pair<char32_t, std::string_view> cases[] = {
        {0x7FF, "\xDF\xBF"},           {0x800, "\xE0\xA0\x80"},       {0xFFFF, "\xEF\xBF\xBF"},
        {0x10000, "\xF0\x90\x80\x80"}, {0x1F3D2, "\xF0\x9F\x8F\x92"}, {0x10FFFF, "\xF4\x8F\xBF\xBF"},
    };
    for (const auto& [c, utf8] : cases) {
        std::string out;
        AppendUtf8(out, c);
        EXPECT_EQ(out, utf8) << std::hex << static_cast<std::uint32_t>(c);
    }
}

TEST(Utf8, WellFormedOnly) {
    const std::pair<std::string_view, bool> cases[] = {
        {"plain /tmp/x", true},      {"K\xC3\xA9rr", true},   {"\xE2\x82\xAC", true},
        {"\xF0\x9F\x8F\x92", true},  {"K\xE9rr", false},      {"\xC3", false},
        {"\xC0\xAF", false},         {"\xE0\x80\xAF", false}, {"\xED\xA0\x80", false},
        {"\xF4\x90\x80\x80", false}, {"\x80", false},
    };
    for (const auto& [text, valid] : cases) EXPECT_EQ(IsUtf8(text), valid) << text;
}

// The list boxes' text back to the season file's bytes: every byte returns
// as itself, and a character the code page lacks becomes "?".
TEST(Windows1252, EveryByteComesBackFromTheListsTextAndOthersBecomeAQuestionMark) {
    std::string everyByte;
    for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
    EXPECT_EQ(Windows1252FromWide(WideFromWindows1252(everyByte)), everyByte);
    EXPECT_EQ(Windows1252FromWide(L"\x20AC\x00FF\x0100\x3042\x0178-"), "\x80\xFF??\x9F-");
}

}  // namespace
}  // namespace trelvane
