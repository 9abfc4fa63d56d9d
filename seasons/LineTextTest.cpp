#include "LineText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trelvane {
namespace {

TEST(WriteLines, EveryLineInOrderWithItsEndInPiecesThatJoinToTheWholeText) {
    std::vector<std::string> lines = {"12345  Doe,Jan               Northport Gulls",
                                      "10001  M\xFCller,J\xF6rg           "};
    for (int i = 0; i < 5000; ++i) lines.push_back(std::to_string(20001 + i) + "  Name,Of Player " + std::to_string(i));
    const auto lineAt = [&](std::size_t index, std::string&) -> std::string_view { return lines[index]; };
    std::string expected;
    for (const std::string& line : lines) expected += line + "\r\n";

    std::string joined;
    int pieces = 0;
    EXPECT_TRUE(WriteLines(lines.size(), lineAt, kSavedLineEnd, [&](std::string_view piece) {
        joined += piece;
        ++pieces;
        return true;
    }));
    EXPECT_EQ(joined, expected);
    EXPECT_GT(pieces, 1);

    // A writer that refuses stops the run at once.
    pieces = 0;
    EXPECT_FALSE(WriteLines(lines.size(), lineAt, "\n", [&](std::string_view) { return ++pieces > 1000; }));
    EXPECT_EQ(pieces, 1);
    // No lines, no write at all.
    EXPECT_TRUE(WriteLines(0, lineAt, kSavedLineEnd, [&](std::string_view) { return false; }));
}

}  // namespace
}  // namespace trelvane
