// The Windows season file reader against files held by others and against
// folder texts that name something other than a folder of files.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

#include "MemoryForm.h"
#include "ReadOnlyFile.h"
#include "SeasonComparison.h"
#include "SeasonRecords.h"
#include "SeasonWriter.h"
#include "TempFolder.h"

namespace trelvane {
namespace {

namespace fs = std::filesystem;
using namespace control_id;
using tools::TempFolder;

std::string DepartedText(MemoryForm& form) {
    std::string text;
    const LineBatch& lines = form.Lines(kDepartedList);
    for (std::size_t i = 0; i < lines.Count(); ++i) text += std::string(lines[i]) + "\n";
    return text;
}

TEST(ReadOnlyFileWin32, FileHeldWithoutSharingIsNotReadUntilItIsFreed) {
    TempFolder root;
    tools::SeasonData prior;
    prior.players = {{12345, "Jan", "Doe"}};
    prior.teams = {{1, "Northport", "Gulls", {12345}}};
    ASSERT_TRUE(tools::WriteSeason(root / "prior", prior));
    ASSERT_TRUE(tools::WriteSeason(root / "current", {}));
    const fs::path players = root / "prior" / kPlayerFileName;

    MemoryForm form;
    form.SetBoxText(kPriorFolderBox, (root / "prior").string());
    form.SetBoxText(kCurrentFolderBox, (root / "current").string());
    // Another program holding the file open with no sharing: a second handle
    // does the same to every later open.
    const HANDLE holder = CreateFileW(players.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const ComparisonReport held = CompareSeasons(form);
    CloseHandle(holder);
    EXPECT_EQ(DepartedText(form), "");
    EXPECT_FALSE(held.priorPlayers.Read());
    EXPECT_TRUE(held.priorTeams.Read());

    const ComparisonReport freed = CompareSeasons(form);
    EXPECT_TRUE(freed.priorPlayers.Read());
    EXPECT_EQ(DepartedText(form), "12345  Doe,Jan               Northport Gulls\n");
    EXPECT_EQ(fs::file_size(players), kPlayerRecordLength);
}

// A folder text such as \\.\pipe\name makes the season file a named pipe.
// Reading one would wait for its writer; it is refused at the open instead.
TEST(ReadOnlyFileWin32, NamedPipeInPlaceOfASeasonFileIsRefusedNotWaitedOn) {
    const std::string folder = "\\\\.\\pipe\\trelvane-test-" + std::to_string(GetCurrentProcessId());
    const std::wstring pipeName(folder.begin(), folder.end());
    const HANDLE server = CreateNamedPipeW((pipeName + L"\\" + L"KOVPLYR.DAT").c_str(), PIPE_ACCESS_DUPLEX,
                                           PIPE_TYPE_BYTE, 1, 4096, 4096, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);

    std::atomic<bool> done{false};
    ComparisonReport report;
    std::thread compare([&] {
        MemoryForm form;
        form.SetBoxText(kPriorFolderBox, folder);
        form.SetBoxText(kCurrentFolderBox, folder);
        report = CompareSeasons(form);
        done = true;
    });
    // Should the reader wait on the pipe after all, ending the pipe's server
    // side ends its wait, so the test fails instead of hanging.
    for (int i = 0; i < 1000 && !done; ++i) Sleep(20);
    const bool endedOnItsOwn = done;
    DisconnectNamedPipe(server);
    CloseHandle(server);
    compare.join();

    EXPECT_TRUE(endedOnItsOwn) << "the comparison waited on the pipe";
    EXPECT_EQ(report.priorPlayers.problem, "it is not a regular file");
    EXPECT_FALSE(report.currentPlayers.Read());
}

}  // namespace
}  // namespace trelvane
