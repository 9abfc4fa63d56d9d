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
