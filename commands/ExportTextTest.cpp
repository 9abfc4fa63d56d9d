#include "ExportText.h"

#include <gtest/gtest.h>

#include "MemoryForm.h"

namespace trelvane {
namespace {

TEST(ExportText, WritesEveryLineInOrderEachEndedByCrLfKeepingTrailingBlanks) {
    MemoryForm form;
    form.AddLine(1013, "12345  Doe,Jan               Northport Gulls");
    form.AddLine(1013, "23456  Novak,Tomas            ");
    form.AddLine(1012, "34567  Other,List             ");
    EXPECT_EQ(ExportText(form, 1013),
              "12345  Doe,Jan               Northport Gulls\r\n"
              "23456  Novak,Tomas            \r\n");
}

TEST(ExportText, LongListComesInPiecesThatJoinToTheWholeText) {
    MemoryForm form;
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        const std::string line = std::to_string(10001 + i) + "  Name,Of Player " + std::to_string(i);
        form.AddLine(1013, line);
        expected += line + "\r\n";
    }
    std::string joined;
    int pieces = 0;
    EXPECT_TRUE(WriteExport(form, 1013, [&](std::string_view piece) {
        joined += piece;
        ++pieces;
        return true;
    }));
    EXPECT_EQ(joined, expected);
    EXPECT_GT(pieces, 1);
    EXPECT_FALSE(WriteExport(form, 1013, [](std::string_view) { return false; }));
}

TEST(ExportText, EmptyListGivesNoBytes) {
    MemoryForm form;
    EXPECT_EQ(ExportText(form, 1012), "");
}

TEST(ExportText, BytesOutsideAsciiPassThroughUnchanged) {
    MemoryForm form;
    form.AddLine(1012, "10001  M\xFCller,J\xF6rg          ");
    EXPECT_EQ(ExportText(form, 1012), "10001  M\xFCller,J\xF6rg          \r\n");
}

}  // namespace
}  // namespace trelvane
