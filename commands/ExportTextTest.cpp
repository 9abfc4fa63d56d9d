#include "ExportText.h"

#include <gtest/gtest.h>

#include "MemoryForm.h"

namespace trelvane {
namespace {

TEST(ExportText, WritesEveryLineOfTheListInOrderEndedByCrLfByteForByte) {
    MemoryForm form;
    EXPECT_EQ(ExportText(form, 1013), "");
    form.AddLine(1013, "12345  Doe,Jan               Northport Gulls");
    form.AddLine(1013, "10001  M\xFCller,J\xF6rg           ");
    form.AddLine(1012, "34567  Other,List             ");
    EXPECT_EQ(ExportText(form, 1013),
              "12345  Doe,Jan               Northport Gulls\r\n10001  M\xFCller,J\xF6rg           \r\n");
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
        return ++pieces > 0;
    }));
    EXPECT_EQ(joined, expected);
    EXPECT_GT(pieces, 1);
    EXPECT_FALSE(WriteExport(form, 1013, [](std::string_view) { return false; }));
}

}  // namespace
}  // namespace trelvane
