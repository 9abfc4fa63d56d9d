#include "CompareCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "ReadOnlyFile.h"
#include "SeasonRecords.h"
#include "SeasonWriter.h"
#include "TempFolder.h"

namespace trelvane::cli {
namespace {

namespace fs = std::filesystem;
using tools::SeasonData;
using tools::TempFolder;

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

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
    EXPECT_EQ(Run({"--departed", departed.string(), prior.string(), current.string(),
                   "--arrivals=" + arrivals.string()}),
              0);
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

TEST_F(CompareCommandTest, UnreadablePlayerFileIsAnErrorNamingItAndWritesNothing) {
    fs::remove(current / kPlayerFileName);
    const fs::path departed = root / "departed.txt";
    EXPECT_EQ(Run({prior.string(), current.string(), "--departed", departed.string()}), 1);
    const std::string path = NativePath(SeasonFilePath(current.string(), kPlayerFileName));
    EXPECT_EQ(err.rfind("trelvane-compare: cannot read the player file " + path + ": ", 0), 0u) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    EXPECT_EQ(out, "");
    EXPECT_FALSE(fs::exists(departed));
    EXPECT_FALSE(fs::exists(current / kPlayerFileName));
}

TEST_F(CompareCommandTest, MissingTeamFileIsAWarningAndDepartedLinesHaveNoTeam) {
    fs::remove(prior / kTeamFileName);
    EXPECT_EQ(Run({prior.string(), current.string()}), 0);
    EXPECT_NE(err.find("warning: cannot read the team file"), std::string::npos);
    EXPECT_NE(out.find("12345  Doe,Jan               \n"), std::string::npos);
}

TEST_F(CompareCommandTest, ExportThatCannotBeWrittenIsAnErrorNamingTheFile) {
    const std::string target = (root / "no-such-folder" / "out.txt").string();
    EXPECT_EQ(Run({prior.string(), current.string(), "--departed", target}), 1);
    EXPECT_EQ(err.rfind("trelvane-compare: cannot write " + target + ": ", 0), 0u) << err;
}

TEST_F(CompareCommandTest, WrongArgumentsPrintTheUsageAndExitTwo) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, {prior.string()}, {"a", "b", "c"}, {"a", "b", "--departed"},
          {"a", "b", "--departed="}, {"a", "b", "--colour"}}) {
        EXPECT_EQ(Run(args), 2);
        EXPECT_NE(err.find("usage: trelvane-compare PRIOR_FOLDER CURRENT_FOLDER"), std::string::npos);
        EXPECT_EQ(out, "");
    }
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_EQ(out.rfind("usage: trelvane-compare", 0), 0u);
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
