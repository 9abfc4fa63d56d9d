#include "Windows1252.h"

#include <gtest/gtest.h>

namespace trelvane {
namespace {

std::string Utf8(std::string_view text) {
    std::string out = "[";
    AppendUtf8FromWindows1252(out, text);
    return out + "]";
}

TEST(Windows1252, ConvertsToUtf8KeepingUndefinedBytesAsControls) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"", "[]"},
        {"Doe,Jan", "[Doe,Jan]"},
        {"K\xE9rr", "[K\xC3\xA9rr]"},
        {"Wei\xDF", "[Wei\xC3\x9F]"},
        {"\x80", "[\xE2\x82\xAC]"},
        {"\x81\x8D\x8F\x90\x9D", "[\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D]"},
        {"\x8A\x9F\xA0\xFF", "[\xC5\xA0\xC5\xB8\xC2\xA0\xC3\xBF]"},
        {"\x99x\x7F", "[\xE2\x84\xA2x\x7F]"},
    };
    for (const auto& [ansi, utf8] : cases) EXPECT_EQ(Utf8(ansi), utf8) << ansi;
}

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

}  // namespace
}  // namespace trelvane
