#include "CompareCommand.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <streambuf>

#ifdef _WIN32
#include <windows.h>
#endif

#include "FileProblems.h"
#include "ReadOnlyFile.h"
#include "SeasonRecords.h"
#include "SeasonWriter.h"
#include "TempFolder.h"
#include "TestFiles.h"

namespace trelvane::cli {
namespace {

namespace fs = std::filesystem;
using testing::FileBytes;
using testing::TempFolder;
using tools::SeasonData;

class CompareCommandTest : public ::testing::Test {
protected:
    TempFolder root;
    fs::path prior = root / "prior";
    fs::path current = root / "current";
    std::string out, err;

    void SetUp() override {
        SeasonData before;
        before.players = {{12345, "Jan", "Doe"}, {30000, "Tomas", "Novak"}, {20000, "Emil", "Lund"}};
        before.teams = {{1, "Northport", "Gulls", {12345, 20000}}};
        SeasonData after;
        after.players = {{20000, "Emil", "Lund"}, {45000, "Oskar", "Keller"}};
        ASSERT_TRUE(tools::WriteSeason(prior, before));
        ASSERT_TRUE(tools::WriteSeason(current, after));
    }

    int Run(std::vector<std::string> args) {
        std::ostringstream o, e;
        const int code = RunCompare(args, o, e);
        out = o.str();
        err = e.str();
        return code;
    }
};

TEST_F(CompareCommandTest, PrintsCountsThenBothLists) {
    EXPECT_EQ(Run({prior.string(), current.string()}), 0);
    EXPECT_EQ(out,
              "Departed: 2\n"
              "Arrivals: 1\n"
              "\n"
              "Departed (in the prior season, not in the current one):\n"
              "12345  Doe,Jan               Northport Gulls\n"
              "30000  Novak,Tomas           \n"
              "\n"
              "Arrivals (in the current season, not in the prior one):\n"
              "45000  Keller,Oskar          \n");
    EXPECT_EQ(err, "");
}

TEST_F(CompareCommandTest, ExportsAreTheListLinesEachEndedByCrLf) {
    const fs::path departed = root / "departed.txt", arrivals = root / "arrivals.txt";
    EXPECT_EQ(
        Run({"--departed", departed.string(), prior.string(), current.string(), "--arrivals=" + arrivals.string()}), 0);
    EXPECT_EQ(FileBytes(departed),
              "12345  Doe,Jan               Northport Gulls\r\n"
              "30000  Novak,Tomas           \r\n");
    EXPECT_EQ(FileBytes(arrivals), "45000  Keller,Oskar          \r\n");
}

TEST_F(CompareCommandTest, ExportOfAnEmptyListReplacesTheFileWithNothing) {
    const fs::path arrivals = root / "arrivals.txt";
    std::ofstream(arrivals) << "an older and longer content";
    EXPECT_EQ(Run({prior.string(), prior.string(), "--arrivals", arrivals.string()}), 0);
    EXPECT_EQ(fs::file_size(arrivals), 0u);
    EXPECT_NE(out.find("Departed: 0\nArrivals: 0\n"), std::string::npos);
}

TEST_F(CompareCommandTest, MissingTeamFileIsAWarningAndDepartedLinesHaveNoTeam) {
    fs::remove(prior / kTeamFileName);
    EXPECT_EQ(Run({prior.string(), current.string()}), 0);
    EXPECT_NE(err.find("warning: cannot read the team file"), std::string::npos);
    EXPECT_NE(out.find("12345  Doe,Jan               \n"), std::string::npos);
}

TEST_F(CompareCommandTest, WrongArgumentsPrintTheUsageAndExitTwo) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {prior.string()},
                                                 {"a", "b", "c"},
                                                 {"a", "b", "--departed"},
                                                 {"a", "b", "--departed="},
                                                 {"a", "b", "--colour"}}) {
        EXPECT_EQ(Run(args), 2);
        EXPECT_NE(err.find("usage: trelvane-compare PRIOR_FOLDER CURRENT_FOLDER"), std::string::npos);
        EXPECT_EQ(out, "");
    }
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_EQ(out.rfind("usage: trelvane-compare", 0), 0u);
}

// Every way a run can fail: one line on stderr naming the file and saying
// why, and exit status 1.
class CompareCommandFailures : public CompareCommandTest {
protected:
    // The reason err gives for path after "cannot <verb> ", or "" when err is
    // not exactly that one line.
    std::string ReasonFor(const std::string& verb, const std::string& path) {
        const std::string start = "trelvane-compare: cannot " + verb + path + ": ";
        if (err.rfind(start, 0) != 0 || err.back() != '\n' || std::count(err.begin(), err.end(), '\n') != 1) {
            return "";
        }
        return err.substr(start.size(), err.size() - start.size() - 1);
    }
    std::string PlayerFileReason(const std::string& folder) {
        return ReasonFor("read the player file ", NativePath(SeasonFilePath(folder, kPlayerFileName)));
    }
};

// A folder where no one may create a file, or empty when there is none.
std::string FolderWithoutWriteAccess() {
#ifdef _WIN32
    const std::string folder = "Z:\\sys";  // Wine's view of the kernel's sysfs
#else
    const std::string folder = "/sys";
#endif
    return fs::is_directory(folder) ? folder : "";
}

TEST_F(CompareCommandFailures, UnreadablePlayerFiles) {
    const fs::path file = root / "season.txt";
    std::ofstream(file) << "a file, not a folder";
    const fs::path folderForFile = root / "odd";
    fs::create_directories(folderForFile / kPlayerFileName);
    const std::string longFolder = (root / std::string(256 - root.Text().size() - 1, 'f')).string();
    ASSERT_EQ(longFolder.size(), 256u);

    const std::vector<std::pair<std::string, std::string>> cases = {
        {file.string(), file_problem::kFolderMissing},
        {folderForFile.string(), file_problem::kNotAFile},
#ifdef _WIN32
        {longFolder, file_problem::kPathTooLong},
#else
        {longFolder, file_problem::kFolderMissing},
#endif
        {(root / "missing").string(), file_problem::kFolderMissing},
        {"", file_problem::kNoFolderGiven},
    };
    const fs::path departed = root / "departed.txt";
    for (const auto& [folder, reason] : cases) {
        EXPECT_EQ(Run({folder, current.string(), "--departed", departed.string()}), 1) << folder;
        EXPECT_EQ(PlayerFileReason(folder), reason) << err;
        EXPECT_EQ(out, "");
        EXPECT_FALSE(fs::exists(departed)) << "no list is saved after a failed read";
    }
    EXPECT_FALSE(fs::exists(root / "missing"));
}

#ifdef __linux__
TEST_F(CompareCommandFailures, ReadErrorInAPlayerFile) {
    fs::remove(prior / kPlayerFileName);
    fs::create_symlink("/proc/self/mem", prior / kPlayerFileName);  // every read fails
    EXPECT_EQ(Run({prior.string(), current.string()}), 1);
    EXPECT_EQ(PlayerFileReason(prior.string()), std::strerror(EIO));
    EXPECT_EQ(out, "");
}
#endif

#ifdef _WIN32
TEST_F(CompareCommandFailures, PlayerFileHeldByAnotherProgram) {
    const fs::path players = prior / kPlayerFileName;
    const HANDLE holder = CreateFileW(players.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Run({prior.string(), current.string()}), 1);
    CloseHandle(holder);
    EXPECT_NE(PlayerFileReason(prior.string()), "") << err;
}
#endif

TEST_F(CompareCommandFailures, ExportsThatCannotBeWrittenLeaveEverythingAsItWas) {
    const fs::path readOnly = root / "read-only.txt";
    std::ofstream(readOnly) << "old export";
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const fs::path folder = root / "folder.txt";
    fs::create_directory(folder);

    std::vector<std::pair<std::string, std::string>> cases = {
        {readOnly.string(), "the file is read-only"},
        {folder.string(), ""},
        {(root / "no-such-folder" / "out.txt").string(), ""},
    };
    if (const std::string refusing = FolderWithoutWriteAccess(); !refusing.empty()) {
        cases.push_back({(fs::path(refusing) / "departed.txt").string(), ""});
    }
#ifdef __linux__
    cases.push_back({"/dev/full", std::strerror(ENOSPC)});  // a disk with no room left
#endif
    for (const auto& [target, reason] : cases) {
        EXPECT_EQ(Run({prior.string(), current.string(), "--departed", target}), 1) << target;
        const std::string given = ReasonFor("write ", target);
        EXPECT_NE(given, "") << err;
        if (!reason.empty()) {
            EXPECT_EQ(given, reason);
        }
    }
    EXPECT_EQ(FileBytes(readOnly), "old export");
    EXPECT_TRUE(fs::is_empty(folder));
    fs::permissions(readOnly, fs::perms::owner_write, fs::perm_options::add);

#ifdef _WIN32
    const fs::path held = root / "held.txt";
    std::ofstream(held) << "old export";
    const HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Run({prior.string(), current.string(), "--arrivals", held.string()}), 1);
    CloseHandle(holder);
    EXPECT_NE(ReasonFor("write ", held.string()), "") << err;
    EXPECT_EQ(FileBytes(held), "old export");
#endif
}

// Standard output that takes nothing, as a full disk does.
class RefusingOutput : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST_F(CompareCommandFailures, ListsThatCannotBeWrittenToStandardOutput) {
    RefusingOutput refusing;
    std::ostream o(&refusing);
    std::ostringstream e;
    const fs::path departed = root / "departed.txt";
    EXPECT_EQ(RunCompare({prior.string(), current.string(), "--departed", departed.string()}, o, e), 1);
    err = e.str();
    EXPECT_EQ(err.rfind("trelvane-compare: cannot write the lists to standard output: ", 0), 0u) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    // The export asked for is still written.
    EXPECT_EQ(FileBytes(departed),
              "12345  Doe,Jan               Northport Gulls\r\n"
              "30000  Novak,Tomas           \r\n");
}

#ifndef _WIN32
TEST_F(CompareCommandTest, FileNamesMatchWhateverTheirLetterCase) {
    fs::rename(prior / kPlayerFileName, prior / "kovplyr.dat");
    fs::rename(prior / kTeamFileName, prior / "KovTeam.Dat");
    EXPECT_EQ(Run({prior.string(), current.string()}), 0);
    EXPECT_NE(out.find("Departed: 2\n"), std::string::npos);
    EXPECT_NE(out.find("Northport Gulls"), std::string::npos);
}
#endif

}  // namespace
}  // namespace trelvane::cli
