// The Windows season file reader against files held by others and against
// folder texts that name something other than a folder of files.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

#include "FileProblems.h"
#include "HeldFile.h"
#include "ReadOnlyFile.h"
#include "SeasonComparison.h"
#include "SeasonRecords.h"
#include "SeasonWriter.h"
#include "TempFolder.h"
#include "TestFiles.h"

namespace trelvane {
namespace {

TEST(ReadOnlyFileWin32, FileHeldWithoutSharingIsNotReadUntilItIsFreed) {
    testing::TempFolder root;
    ASSERT_TRUE(tools::WriteSeason(root / "prior", {{{12345, "Jan", "Doe"}}, {{1, "Northport", "Gulls", {12345}}}}));
    const std::filesystem::path players = root / "prior" / kPlayerFileName;
    const HANDLE holder =
        CreateFileW(players.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const SeasonComparison held = CompareSeasons((root / "prior").string(), (root / "current").string());
    CloseHandle(holder);
    EXPECT_EQ(held.priorPlayerFile.problem, FileProblem::kInUse);
    EXPECT_TRUE(held.priorTeamFile.WasRead());

    // A hold that ends within a second, as a virus scanner's does, is waited out.
    {
        testing::HeldFile brief = testing::Hold(players);
        const std::jthread letGo = testing::LetGoAfter(brief, 300);
        EXPECT_TRUE(CompareSeasons((root / "prior").string(), (root / "current").string()).priorPlayerFile.WasRead());
    }
}

// A file system without file ids: ReFS where the id is zero, or one that
// does not answer at all.
std::optional<FileIdAnswer> ZeroIds(std::intptr_t) { return FileIdAnswer{.volume = 7}; }
std::optional<FileIdAnswer> NoIds(std::intptr_t) { return std::nullopt; }

TEST(FileIdentityOf, OneFileHoweverSpeltAndNeverTwoFilesEvenWhereTheFileSystemHasNoIds) {
    namespace fs = std::filesystem;
    testing::TempFolder root;
    testing::PutFile(root / "a.txt", "a");
    testing::PutFile(root / "b.txt", "b");
    fs::create_directory(root / "sub");
    const std::string a = (root / "a.txt").string(), b = (root / "b.txt").string(), folder = root.Text();
    for (const FileIdQuery query : {QueryFileId, ZeroIds, NoIds}) {
        const auto identity = FileIdentityOf(a, query);
        ASSERT_TRUE(identity);
        EXPECT_EQ(identity, FileIdentityOf((root / "sub" / ".." / "A.TXT").string(), query));
        EXPECT_NE(identity, FileIdentityOf(b, query));
        EXPECT_EQ(FileIdentityOf(folder, query), FileIdentityOf((root / "sub" / "..").string(), query));
        EXPECT_FALSE(FileIdentityOf((root / "c.txt").string(), query));
    }
}

// A folder text such as \\.\pipe\name makes the season file a named pipe.
// Reading one would wait for its writer; it is refused at the open instead.
TEST(ReadOnlyFileWin32, NamedPipeInPlaceOfASeasonFileIsRefusedNotWaitedOn) {
    const std::string folder = "\\\\.\\pipe\\trelvane-test-" + std::to_string(GetCurrentProcessId());
    const std::wstring pipeName(folder.begin(), folder.end());
    const HANDLE server = CreateNamedPipeW((pipeName + L"\\KOVPLYR.DAT").c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1,
                                           4096, 4096, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);

    std::atomic<bool> done{false};
    SeasonComparison report;
    std::thread compare([&] {
        report = CompareSeasons(folder, folder);
        done = true;
    });
    // Ending the server side ends any wait on the pipe, so a reader that
    // waits makes the test fail instead of hang.
    for (int i = 0; i < 1000 && !done; ++i) Sleep(20);
    const bool endedOnItsOwn = done;
    DisconnectNamedPipe(server);
    CloseHandle(server);
    compare.join();

    EXPECT_TRUE(endedOnItsOwn) << "the comparison waited on the pipe";
    EXPECT_EQ(report.priorPlayerFile.problem, FileProblem::kNotAFile);
    EXPECT_FALSE(report.currentPlayerFile.WasRead());
}

}  // namespace
}  // namespace trelvane
