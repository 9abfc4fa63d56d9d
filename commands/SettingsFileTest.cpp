#include "SettingsFile.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace trelvane
