// The main form made in this process, as the program makes it, but not run.
#include "MainForm.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ControlIds.h"
#include "WindowsText.h"

namespace trelvane {
namespace {

using namespace control_id;

TEST(MainForm, ButtonsListsAndCountsSayWhatTheyAreAndFolderBoxesShowACueWhileEmpty) {
    std::optional<MainFormWindow> main = MakeMainForm({});
    ASSERT_TRUE(main);
    std::map<int, std::string> tips;
    for (const UniqueWindow& tooltip : main->tooltips) {
        wchar_t text[256] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.lpszText = text;
        ASSERT_TRUE(SendMessageW(tooltip.get(), TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)));
        tips[GetDlgCtrlID(tool.hwnd)] = Utf8FromWide(text);
    }
    // Every button, both lists and both counts, each with its own.
    ASSERT_EQ(tips.size(), 11u);
    for (const int box : {kMainFolderBox, kPriorFolderBox, kCurrentFolderBox}) EXPECT_EQ(tips.count(box), 0u);
    EXPECT_EQ(tips[kDepartedList], "Players in the prior season but not in the current one, with their prior team");
    EXPECT_EQ(tips[kPriorExportButton], "Saves the departed list (left) to a text file");
    EXPECT_EQ(tips[kArrivalsCountBox], "How many players are on the arrivals list below");

    wchar_t cue[128] = {};
    const HWND prior = GetDlgItem(main->form, kPriorFolderBox);
    ASSERT_TRUE(SendMessageW(prior, EM_GETCUEBANNER, reinterpret_cast<WPARAM>(cue), 128));
    EXPECT_STREQ(cue, L"Folder of the prior season (holds KOVPLYR.DAT)");
    EXPECT_EQ(GetWindowTextLengthW(prior), 0) << "a cue is not the box's text";

    DestroyWindow(main->form);
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // the form's own, for no loop here
}

}  // namespace
}  // namespace trelvane
