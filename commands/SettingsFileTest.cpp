#include "SettingsFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trelvane {

void PrintTo(const FolderSettings& f, std::ostream* os) {
    *os << "{\"" << f.mainFolder << "\", \"" << f.priorFolder << "\", \"" << f.currentFolder << "\"}";
}

namespace {

TEST(SettingsFile, WritesThreeQuotedFieldsOnOneCrLfLineWithoutEscapingAndReadsThemBack) {
    EXPECT_EQ(SettingsText({}), "\"\",\"\",\"\"\r\n");
    const FolderSettings folders{"C:\\KOV11", "", "D:\\Seasons\\2025, spring"};
    EXPECT_EQ(SettingsText(folders), "\"C:\\KOV11\",\"\",\"D:\\Seasons\\2025, spring\"\r\n");
    EXPECT_EQ(ParseSettings(SettingsText(folders)), folders);
    const FolderSettings spaced{"C:\\My Games\\KOV ", "\tx", "y\n"};
    EXPECT_EQ(ParseSettings(SettingsText(spaced)), spaced);
    // A value holding a quote is written as it is and does not read back.
    EXPECT_EQ(SettingsText({"a\"b", "c", "d"}), "\"a\"b\",\"c\",\"d\"\r\n");
    EXPECT_EQ(ParseSettings(SettingsText({"a\"b", "c", "d"})), (FolderSettings{"a", "b\"", "c"}));
}

TEST(SettingsFile, ReadsEveryByteSequenceAsThreeFields) {
    const std::vector<std::pair<std::string, FolderSettings>> cases = {
        {"", {}},
        {"\"", {}},
        {"\"\"\"", {}},
        {"\",\"", {",", "", ""}},
        {"C:\\KOV11\r\n", {"C:\\KOV11", "", ""}},
        {"C:\\KOV11\r\nC:\\KOV11\\2024\r\nC:\\KOV11\\2025\r\n", {"C:\\KOV11", "C:\\KOV11\\2024", "C:\\KOV11\\2025"}},
        {"a,b,c", {"a", "b", "c"}},
        {"  a , b,\"c\"\r\n", {"a ", "b", "c"}},
        {"\"a\"b,c", {"a", "b", "c"}},
        // LF and TAB are dropped from a value; LF alone does not end a field.
        {"a\nb\nc\n", {"abc", "", ""}},
        {"a\tb,c,d,e", {"ab", "c", "d"}},
        {"a\r\n\r\nc", {"a", "", "c"}},
        // A lone CR ends a field as CR LF does, except inside quotes.
        {"a\rb\rc", {"a", "b", "c"}},
        {"\"a\"\r\"b\"\r\"c\"", {"a", "b", "c"}},
        {"\"a\"\r\n\"b\"\r\n\"c\"\r\n", {"a", "b", "c"}},
        {"\"a\rb\",c\r\rd", {"a\rb", "c", ""}},
        // An unterminated quote runs to the end of the file.
        {"\"unterminated, with \r\n line end", {"unterminated, with \r\n line end", "", ""}},
        {"a,\"b,c\r\nd", {"a", "b,c\r\nd", ""}},
        // Zero bytes are text like any other.
        {std::string("\"a\0b\",c\0,\0", 10), {std::string("a\0b", 3), std::string("c\0", 2), std::string("\0", 1)}},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(ParseSettings(bytes), expected) << testing::PrintToString(bytes);
}

TEST(SettingsFile, EndOfFileMarkEndsReadingOutsideQuotesAndIsTextInside) {
    // "a","b","c" CR LF with byte i replaced by 0x1A: where a field would
    // start, that field and the rest are empty; in place of a closing quote
    // the field runs on to the next quote.
    const std::string line = "\"a\",\"b\",\"c\"\r\n";
    const std::vector<FolderSettings> expected = {
        {"", "", ""},    {"\x1A", "b", "c"}, {"a\x1A,", "b\"", "c"},  {"a", "", ""},
        {"a", "", ""},   {"a", "\x1A", "c"}, {"a", "b\x1A,", "c\""},  {"a", "b", ""},
        {"a", "b", ""},  {"a", "b", "\x1A"}, {"a", "b", "c\x1A\r\n"}, {"a", "b", "c"},
        {"a", "b", "c"},
    };
    ASSERT_EQ(expected.size(), line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        std::string marked = line;
        marked[i] = 0x1A;
        EXPECT_EQ(ParseSettings(marked), expected[i]) << "0x1A at " << i;
    }
    const std::string lines = "C:\\KOV11\r\nC:\\KOV11\\2024,C:\\KOV11\\2025\r\n";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string marked = lines;
        marked[i] = 0x1A;
        EXPECT_EQ(ParseSettings(marked), ParseSettings(lines.substr(0, i))) << "0x1A at " << i;
    }
}

// Notepad saves UTF-8, with or without the mark; a file in an ANSI code
// page with accents is not well-formed UTF-8 and stays ANSI.
TEST(SettingsFile, IsReadAsUtf8WithItsMarkOrWhenWellFormedBeyondAscii) {
    const std::pair<std::string_view, bool> cases[] = {
        {"\xEF\xBB\xBF\"C:\\a\"", true}, {"\"C:\\\xC3\xA9t\xC3\xA9\"", true}, {"\"C:\\\xE9t\xE9\"", false},
        {"\"C:\\plain\"", false},        {"\"C:\\\xC3\xA9t\xE9\"", false},    {"\xEF\xBB\xBF", true},
    };
    for (const auto& [bytes, utf8] : cases) EXPECT_EQ(SettingsAreUtf8(bytes), utf8) << bytes;
}

}  // namespace
}  // namespace trelvane
