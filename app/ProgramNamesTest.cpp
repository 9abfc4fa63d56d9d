// trelvane.exe with what lies outside its window, driven from outside under
// Windows or Wine: folder names the ANSI code page cannot hold and a library
// planted beside the program. At 96 DPI only: nothing here depends on the
// screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "ControlIds.h"
#include "DemoSeasons.h"
#include "ListLine.h"
#include "ProgramDriver.h"
#include "SeasonComparison.h"
#include "SeasonFolders.h"
#include "TestFiles.h"
#include "WindowsText.h"

namespace trelvane {
namespace {

namespace fs = std::filesystem;
using namespace control_id;
using testing::AsStrings;
using testing::FileBytes;
using testing::ProgramDriver;

class ProgramNamesTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (testing::ScreenDpi() != 96) GTEST_SKIP() << "run at 96 DPI only";
    }

    testing::TempFolder root;
};

// Best fit turns the full-width letter into a plain "A": the decoy beside
// it holds other seasons, so reading it instead shows other lines.
TEST_F(ProgramNamesTest, AFolderNameOutsideTheCodePageIsReadAndKeptExactlyNotItsBestFitDecoy) {
    const fs::path real = root.Path() / L"Saison \uFF21", decoy = root.Path() / L"Saison A", current = root / "now";
    const tools::SeasonPair seasons = tools::MakeDemoSeasons({.seed = 7, .players = 60, .teams = 4});
    ASSERT_TRUE(tools::WriteSeason(real, seasons.prior) && tools::WriteSeason(current, seasons.current) &&
                tools::WriteSeason(decoy, tools::MakeDemoSeasons({.seed = 8, .players = 90, .teams = 4}).prior));
    const std::string realText = Utf8FromWide(real.wstring()), currentText = Utf8FromWide(current.wstring());
    const SeasonComparison expected = CompareSeasons(realText, currentText);
    ASSERT_NE(AsStrings(DepartedLines(expected)),
              AsStrings(DepartedLines(CompareSeasons(Utf8FromWide(decoy.wstring()), currentText))));
    {
        ProgramDriver program(root.Path());
        program.SetText(kMainFolderBox, "C:\\KOV11");
        program.SetText(kPriorFolderBox, realText);
        program.SetText(kCurrentFolderBox, currentText);
        EXPECT_EQ(program.Text(kPriorFolderBox), realText);
        ASSERT_TRUE(program.Click(kProcessButton, 20000)) << "a message box after a full read";
        EXPECT_EQ(program.Lines(kDepartedList), AsStrings(DepartedLines(expected)));
        EXPECT_EQ(program.Lines(kArrivalsList), AsStrings(ArrivalLines(expected)));
        program.Click(kExitButton);
        EXPECT_EQ(program.WaitForExit(), 0u);
    }
    // Kept in UTF-8 behind its byte-order mark, and read back as it was.
    EXPECT_EQ(FileBytes(root / "Trelvane.txt"),
              "\xEF\xBB\xBF\"C:\\KOV11\",\"" + realText + "\",\"" + currentText + "\"\r\n");
    ProgramDriver again(root.Path());
    EXPECT_EQ(again.Text(kPriorFolderBox), realText);
    EXPECT_EQ(again.Text(kMainFolderBox), "C:\\KOV11");
}

TEST_F(ProgramNamesTest, ALibraryPlantedBesideTheProgramsNeverRuns) {
    const fs::path downloads = root / "downloads", marker = downloads / "MSFTEDIT.DLL.ran";
    fs::create_directory(downloads);
    for (const wchar_t* name : {L"trelvane.exe", L"trelvane-compare.exe", L"planted\\MSFTEDIT.DLL"}) {
        fs::copy_file(testing::ProgramFolder() / name, downloads / fs::path(name).filename());
    }
    {
        ProgramDriver program(downloads, downloads / "trelvane.exe");
        PostMessageW(program.Form(), WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_EQ(program.WaitForExit(), 0u);
    }
    EXPECT_EQ(testing::RunProgram(downloads / "trelvane-compare.exe", L"--version", downloads).code, 0u);
    EXPECT_FALSE(fs::exists(marker));

    // The stand-in does leave its mark where it is loaded.
    FreeLibrary(LoadLibraryW((downloads / "MSFTEDIT.DLL").c_str()));
    EXPECT_TRUE(fs::exists(marker));
}

// Season names are Windows-1252 on every Windows: on a Japanese (932) or a
// Russian (1251) one too they show as their Windows-1252 characters, and
// the window's export writes the files' own bytes, as trelvane-compare
// does. Run again under Wine with those code pages (program_tests_cp932,
// program_tests_cp1251).
TEST_F(ProgramNamesTest, SeasonNamesShowAsWindows1252AndExportTheirOwnBytesOnAnyCodePage) {
    tools::SeasonData prior;
    tools::TeamEntry team{.number = 1, .place = "Gr\xFC\xDF", .nickname = "\x80\x9F\xA0\xFF", .roster = {}};
    for (int first = 0x80, id = 20001; first <= 0xFF; first += 10, ++id) {
        std::string last;
        for (int byte = first; byte < first + 10 && byte <= 0xFF; ++byte) last += static_cast<char>(byte);
        prior.players.push_back({.id = id, .firstName = "\xE9", .lastName = last, .status = 0});
        team.roster.push_back(id);
    }
    prior.teams.push_back(team);
    const fs::path priorFolder = root / "prior", currentFolder = root / "current";
    ASSERT_TRUE(tools::WriteSeason(priorFolder, prior) && tools::WriteSeason(currentFolder, {}));
    const std::vector<std::string> expected =
        AsStrings(DepartedLines(CompareSeasons(priorFolder.string(), currentFolder.string())));
    ASSERT_EQ(expected.size(), 13u);
    std::string bytes;
    for (const std::string& line : expected) bytes += line + "\r\n";

    ProgramDriver program(root.Path());
    program.SetText(kPriorFolderBox, priorFolder.string());
    program.SetText(kCurrentFolderBox, currentFolder.string());
    ASSERT_TRUE(program.Click(kProcessButton, 20000));
    EXPECT_EQ(program.Lines(kDepartedList), expected);
    wchar_t shown[256] = {};
    SendMessageW(program.Control(kDepartedList), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(shown));
    EXPECT_EQ(std::wstring(shown),
              L"20001  \u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030,\u00E9"
              L"          Gr\u00FC\u00DF \u20AC\u0178\u00A0\u00FF");
    program.Press(kPriorExportButton);
    ASSERT_TRUE(program.SaveAs(L"FILE FOR PRIOR PLAYERS", root / "window.txt"));
    EXPECT_EQ(FileBytes(root / "window.txt"), bytes);
    EXPECT_EQ(testing::RunProgram(testing::ProgramFolder() / L"trelvane-compare.exe",
                                  L"prior current --format csv --departed command.txt", root.Path())
                  .code,
              0u);
    EXPECT_EQ(FileBytes(root / "command.txt"), bytes);
}

}  // namespace
}  // namespace trelvane
