#include "SettingsFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trelvane {

void PrintTo(const FolderSettings& f, std::ostream* os) {
    *os << "{\"" << f.mainFolder << "\", \"" << f.priorFolder << "\", \"" << f.currentFolder << "\"}";
}

namespace {

TEST(SettingsFile, WritesThreeQuotedFieldsOnOneCrLfLineWithoutEscaping) {
    EXPECT_EQ(SettingsText({"C:\\KOV11", "", "D:\\Seasons\\2025, spring"}),
              "\"C:\\KOV11\",\"\",\"D:\\Seasons\\2025, spring\"\r\n");
    EXPECT_EQ(SettingsText({}), "\"\",\"\",\"\"\r\n");
    EXPECT_EQ(SettingsText({}).size(), 10u);
    EXPECT_EQ(SettingsText({"a\"b", "", ""}), "\"a\"b\",\"\",\"\"\r\n");
}

TEST(SettingsFile, WrittenFoldersReadBackTheSame) {
    const FolderSettings folders{"C:\\KOV11", "", "D:\\Seasons\\2025, spring"};
    EXPECT_EQ(ParseSettings(SettingsText(folders)), folders);
    const FolderSettings spaced{"C:\\My Games\\KOV ", "\tx", "y\n"};
    EXPECT_EQ(ParseSettings(SettingsText(spaced)), spaced);
}

TEST(SettingsFile, ValueWithAQuoteDoesNotReadBackTheSame) {
    EXPECT_EQ(ParseSettings(SettingsText({"a\"b", "c", "d"})), (FolderSettings{"a", "b\"", "c"}));
}

TEST(SettingsFile, ReadsUnquotedValuesOnLinesOrBetweenCommas) {
    EXPECT_EQ(ParseSettings("C:\\KOV11\r\nC:\\KOV11\\2024\r\nC:\\KOV11\\2025\r\n"),
              (FolderSettings{"C:\\KOV11", "C:\\KOV11\\2024", "C:\\KOV11\\2025"}));
    EXPECT_EQ(ParseSettings("a,b,c"), (FolderSettings{"a", "b", "c"}));
    EXPECT_EQ(ParseSettings("  a , b,\"c\"\r\n"), (FolderSettings{"a ", "b", "c"}));
    // Lines ended by LF alone: the LF is dropped from the value and does not
    // end the field.
    EXPECT_EQ(ParseSettings("a\nb\nc\n"), (FolderSettings{"abc", "", ""}));
    EXPECT_EQ(ParseSettings("a\r\n\r\nc"), (FolderSettings{"a", "", "c"}));
    EXPECT_EQ(ParseSettings("a\rb\rc"), (FolderSettings{"a", "b", "c"}));
    EXPECT_EQ(ParseSettings("a\tb,c,d,e"), (FolderSettings{"ab", "c", "d"}));
}

TEST(SettingsFile, MissingFieldsAreEmpty) {
    EXPECT_EQ(ParseSettings(""), FolderSettings{});
    EXPECT_EQ(ParseSettings("C:\\KOV11\r\n"), (FolderSettings{"C:\\KOV11", "", ""}));
    EXPECT_EQ(ParseSettings("\"\"\"\"\"\""), FolderSettings{});
    EXPECT_EQ(ParseSettings("\"unterminated, with \r\n line end"),
              (FolderSettings{"unterminated, with \r\n line end", "", ""}));
}

TEST(SettingsFile, EndOfFileMarkEndsReading) {
    EXPECT_EQ(ParseSettings("a,\x1A,b,c"), (FolderSettings{"a", "", ""}));
    EXPECT_EQ(ParseSettings("ab\x1A" "cd,e"), (FolderSettings{"ab", "", ""}));
    EXPECT_EQ(ParseSettings("\"a\x1A\",b"), (FolderSettings{"a\x1A", "b", ""}));
}

TEST(SettingsFile, QuotedFieldFollowedByOtherBytesLeavesThemForTheNextField) {
    EXPECT_EQ(ParseSettings("\"a\"b,c"), (FolderSettings{"a", "b", "c"}));
}


// Files edited by hand or damaged: every byte sequence reads as three
// fields, by the same rule.
TEST(SettingsFileHostile, EndOfFileMarkAtEveryPositionOfAWrittenLine) {
    // "a","b","c" CR LF with byte i replaced by 0x1A. Inside quotes it is
    // text; where a field would start, that field and the rest are empty; in
    // place of a closing quote the field runs on to the next quote.
    const std::string line = "\"a\",\"b\",\"c\"\r\n";
    const std::vector<FolderSettings> expected = {
        {"", "", ""},
        {"\x1A", "b", "c"},
        {"a\x1A,", "b\"", "c"},
        {"a", "", ""},
        {"a", "", ""},
        {"a", "\x1A", "c"},
        {"a", "b\x1A,", "c\""},
        {"a", "b", ""},
        {"a", "b", ""},
        {"a", "b", "\x1A"},
        {"a", "b", "c\x1A\r\n"},
        {"a", "b", "c"},
        {"a", "b", "c"},
    };
    ASSERT_EQ(expected.size(), line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        std::string marked = line;
        marked[i] = 0x1A;
        EXPECT_EQ(ParseSettings(marked), expected[i]) << "0x1A at " << i;
    }
}

TEST(SettingsFileHostile, EndOfFileMarkOutsideQuotesReadsAsTheEndOfTheFile) {
    const std::string lines = "C:\\KOV11\r\nC:\\KOV11\\2024,C:\\KOV11\\2025\r\n";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string marked = lines;
        marked[i] = 0x1A;
        EXPECT_EQ(ParseSettings(marked), ParseSettings(lines.substr(0, i))) << "0x1A at " << i;
    }
}

TEST(SettingsFileHostile, QuotesAloneUnterminatedQuotesZeroBytesAndLoneCarriageReturns) {
    EXPECT_EQ(ParseSettings("\""), FolderSettings{});
    EXPECT_EQ(ParseSettings("\"\""), FolderSettings{});
    EXPECT_EQ(ParseSettings("\"\"\""), FolderSettings{});
    EXPECT_EQ(ParseSettings("\",\""), (FolderSettings{",", "", ""}));
    EXPECT_EQ(ParseSettings("a,\"b,c\r\nd"), (FolderSettings{"a", "b,c\r\nd", ""}));
    // Zero bytes are text like any other.
    EXPECT_EQ(ParseSettings(std::string("\"a\0b\",c\0,\0", 10)),
              (FolderSettings{std::string("a\0b", 3), std::string("c\0", 2), std::string("\0", 1)}));
    EXPECT_EQ(ParseSettings("\"a\"\r\"b\"\r\"c\""), (FolderSettings{"a", "b", "c"}));
    EXPECT_EQ(ParseSettings("\"a\rb\",c\r\rd"), (FolderSettings{"a\rb", "c", ""}));
}

TEST(SettingsFileHostile, TenMegabyteFieldsAreReadWhole) {
    const std::string huge(10 << 20, 'k');
    EXPECT_EQ(ParseSettings(huge + "\r\nb").mainFolder.size(), huge.size());
    const FolderSettings folders{"a", huge, "c"};
    EXPECT_TRUE(ParseSettings(SettingsText(folders)) == folders);
}

}  // namespace
}  // namespace trelvane
