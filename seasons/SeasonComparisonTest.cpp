#include "SeasonComparison.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "FileProblems.h"
#include "ProcessMemory.h"
#include "SeasonFolders.h"
#include "SeasonRecords.h"
#include "TestFiles.h"

namespace trelvane {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::Players;
using testing::Teams;
using tools::PlayerEntry;
using tools::TeamEntry;
using tools::WriteBytes;
using Lines = std::vector<std::string>;

constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();
const std::string kDoe = "12345  Doe,Jan               ";
const std::string kHolt = "11111  Holt,Rory             ";

Bytes Cut(const Bytes& bytes, std::size_t size) {
    return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)};
}

class SeasonComparisonTest : public ::testing::Test, public testing::SeasonFolders {
protected:
    SeasonComparison result;

    const SeasonComparison& Compare(const std::string& priorFolder, const std::string& currentFolder) {
        result = CompareSeasons(priorFolder, currentFolder);
        return result;
    }
    const SeasonComparison& Compare() { return Compare(prior.string(), current.string()); }

    Lines Departed() { return testing::AsStrings(DepartedLines(result)); }
    Lines Arrivals() { return testing::AsStrings(ArrivalLines(result)); }
};

TEST_F(SeasonComparisonTest, OnlyRecordsInUseCountAndLaterOnesReplaceEarlierOnesForNamesAndTeams) {
    // Values whose low bytes alone would be 10001 or 12345 catch reading
    // fewer than four bytes or a narrower type. Roster value 10000 is stored
    // but never listed.
    const std::vector<std::int32_t> ids = {
        kLowest, kLowest + 1, kLowest + 10001, -10001,        -1,           0,       1, 9999, 10000,
        10001,   50000,       50001,           65536 + 12345, kHighest - 1, kHighest};
    std::vector<PlayerEntry> players = {{12000, "Old", "Name"},
                                        {12000, "New", "Name"},
                                        {13000, "Only", "Ghost"},
                                        {20000, "Deleted", "Rec", 1},
                                        {20001, "Minus", "Status", -1}};
    for (const std::int32_t id : ids) players.push_back({id, "Id", std::to_string(id)});
    const Bytes arriving =
        Players({{kLowest, "Low", "Now"}, {45000, "Oskar", "Keller"}, {11111, "Rory", "Holt"}, {kHighest, "H", "N"}});
    ASSERT_TRUE(Write(Players(players), arriving,
                      Teams({{1, "Both", "Ends", ids},
                             {1, "First", "Team", {12000, 13000}},
                             {2, "Second", "Team", {-1, -7, 9999, 50001, 12000}},
                             {0, "Number", "Zero", {13000}},
                             {-3, "Negative", "Number", {13000}},
                             {4, "Deleted", "Team", {12000, 13000, 50000}, 1}})));
    Compare();
    EXPECT_EQ(Departed(), (Lines{"10001  10001,Id              Both Ends", "12000  Name,New              Second Team",
                                 "13000  Ghost,Only            First Team", "50000  50000,Id              Both Ends"}));
    EXPECT_EQ(Arrivals(), (Lines{kHolt, "45000  Keller,Oskar          "}));
}

// Every kind of move, and the players who did not move although a team
// changed its name or two rosters named them.
TEST_F(SeasonComparisonTest, MovedListsPlayersWhoseTeamNumberChangedBetweenTheSeasons) {
    const std::vector<PlayerEntry> both = {{11002, "Rory", "Holt"},  {11003, "Emil", "Lund"}, {11004, "Nils", "Kerr"},
                                           {11005, "Yuri", "Marsh"}, {11006, "Teo", "Vidal"}, {11007, "Cas", "Costa"},
                                           {11008, "Wes", "Duval"}};
    auto season = [&](std::vector<PlayerEntry> players) {
        players.insert(players.end(), both.begin(), both.end());
        return Players(players);
    };
    const Bytes priorPlayers = season({{11001, "Jan", "Doe"}, {11009, "Gone", "Away"}});
    const Bytes currentPlayers = season({{11001, "Jan", "Doe-Smith"}, {11010, "New", "Comer"}});
    const Bytes priorTeams = Teams({{1, "Northport", "Gulls", {11001, 11005, 11006}},
                                    {2, "Ashford", "Foxes", {11003, 11006, 11007, 11009}},
                                    {3, "Carrow", "Wolves", {11004}}});
    const Bytes currentTeams = Teams({{2, "Ashford", "Foxes", {11001, 11006, 11007}},
                                      {1, "Northport", "Gulls", {11002, 11005, 11007, 11010}},
                                      {3, "Dunmore", "Bears", {11004}},
                                      {0, "Number", "Zero", {11008}},
                                      {4, "Deleted", "Team", {11005}, 1}});
    ASSERT_TRUE(Write(priorPlayers, currentPlayers, priorTeams, &currentTeams));
    result = CompareSeasons(prior.string(), current.string(), {.readCurrentTeams = true});
    EXPECT_EQ(testing::AsStrings(MovedLines(result)),
              (Lines{"11001  Doe-Smith,Jan         Northport Gulls -> Ashford Foxes",
                     "11002  Holt,Rory             (free agent) -> Northport Gulls",
                     "11003  Lund,Emil             Ashford Foxes -> (free agent)",
                     "11007  Costa,Cas             Ashford Foxes -> Northport Gulls"}));
    EXPECT_EQ(result.departed, std::vector<std::int32_t>{11009});
    EXPECT_EQ(result.arrived, std::vector<std::int32_t>{11010});

    // An empty current team file makes everyone on a prior roster a free
    // agent; without either file the moved list is empty (CompareCommandTest).
    const Bytes noTeams;
    ASSERT_TRUE(Write(priorPlayers, currentPlayers, priorTeams, &noTeams));
    result = CompareSeasons(prior.string(), current.string(), {.readCurrentTeams = true});
    EXPECT_EQ(result.moved, (std::vector<std::int32_t>{11001, 11003, 11004, 11005, 11006, 11007}));
}

// A file that cannot be read contributes no records, says why in plain
// words, and nothing is created or changed.
TEST_F(SeasonComparisonTest, FilesNotReadSayWhyAndContributeNothing) {
    ASSERT_TRUE(Write(Players({{12345, "Jan", "Doe"}}), {}));
    fs::remove(prior / kTeamFileName);
    fs::remove(current / kPlayerFileName);
    // Names that only start like a season file are not one.
    testing::PutFile(current / "KOVPLYR.DAT.bak", std::string(kPlayerRecordLength, '\0'));
    testing::PutFile(current / "KOVTEAM", "");
    fs::create_directories(root / "nested" / kPlayerFileName);
    const std::string file = (prior / kPlayerFileName).string();
    struct Case {
        std::string folder;
        FileProblem players;
        FileProblem teams;
        Lines departed;
    };
    const std::vector<Case> cases = {
        {prior.string(), FileProblem::kNone, FileProblem::kNotFound, {kDoe}},
        {current.string(), FileProblem::kNotFound, FileProblem::kNotFound, {}},
        {(root / "missing").string(), FileProblem::kFolderMissing, FileProblem::kFolderMissing, {}},
        {file, FileProblem::kFolderIsAFile, FileProblem::kFolderIsAFile, {}},
        {(root / "nested").string(), FileProblem::kNotAFile, FileProblem::kNotFound, {}},
        {"", FileProblem::kNoFolderGiven, FileProblem::kNoFolderGiven, {}},
    };
    for (const Case& c : cases) {
        Compare(c.folder, (root / "missing").string());
        EXPECT_EQ(result.priorPlayerFile.problem, c.players) << c.folder;
        EXPECT_EQ(result.priorTeamFile.problem, c.teams) << c.folder;
        EXPECT_EQ(result.priorPlayerFile.path, c.folder + "\\KOVPLYR.DAT") << c.folder;
        EXPECT_EQ(Departed(), c.departed) << c.folder;
        EXPECT_TRUE(Arrivals().empty());
    }
    EXPECT_EQ(fs::file_size(file), kPlayerRecordLength);
    EXPECT_EQ(std::distance(fs::directory_iterator(root.Path()), fs::directory_iterator()), 3);
    EXPECT_EQ(std::distance(fs::directory_iterator(prior), fs::directory_iterator()), 1);
}

// A file that names the same players over and over: the names replaced are
// dropped from memory now and then, and the names kept stay right.
TEST_F(SeasonComparisonTest, NamesAndTeamsStayRightInFilesThatRenameThemThousandsOfTimes) {
    std::vector<PlayerEntry> players = {{10003, "Early", "Name"}};
    const std::string longName(600, 'x');
    for (int i = 0; i < 2000; ++i) players.push_back({10001 + i % 2, "y", longName});
    players.push_back({10001, "One", "Last"});
    ASSERT_TRUE(Write(Players(players), {}));
    Compare();
    EXPECT_EQ(Departed(), (Lines{"10001  Last,One              ", "10002  " + longName.substr(0, 22),
                                 "10003  Name,Early            "}));

    // More team records than the comparison keeps names for at once: the
    // teams still in use survive the cut of the others, an early one
    // included.
    std::vector<TeamEntry> teams = {{1, "Gone", "Team", {10003}}, {7, "Early", "Team", {10001}}};
    for (int i = 0; i < 80010; ++i) teams.push_back({1, "T", std::to_string(i), {10002 + i % 2}});
    teams[7].roster = {10004};  // a player with no record: his team is never shown
    ASSERT_TRUE(Write(Players({{10001, "A", "One"}, {10002, "B", "Two"}, {10003, "C", "Three"}}), {}, Teams(teams)));
    Compare();
    EXPECT_EQ(Departed(), (Lines{"10001  One,A                 Early Team", "10002  Two,B                 T 80008",
                                 "10003  Three,C               T 80009"}));
}

TEST_F(SeasonComparisonTest, SeasonFilesCutAnywhereOrWithoutZeroBytesGiveWhatTheirBytesHold) {
    const Bytes two = Players({{12345, "Jan", "Doe"}, {23456, "Emil", "Lund"}});
    // A record cut after its identifier is a player with empty names (the
    // identifier's high byte is zero anyway at 11 bytes). Where a record
    // counts as whole is RecordFileTest's.
    const std::vector<std::pair<std::size_t, Lines>> cases = {
        {0, {}},
        {11, {"12345  ,                     "}},
        {663, {kDoe}},
        {676, {kDoe, "23456  ,                     "}},
        {2 * 664, {kDoe, "23456  Lund,Emil             "}},
    };
    for (const auto& [size, expected] : cases) {
        ASSERT_TRUE(Write(Cut(two, size), {}));
        const SeasonComparison& report = Compare();
        EXPECT_EQ(Departed(), expected) << size << " bytes";
        EXPECT_TRUE(report.priorPlayerFile.WasRead()) << size << " bytes";
        EXPECT_EQ(fs::file_size(prior / kPlayerFileName), size);
    }

    // The team is shown only once its first roster slot is there.
    const Bytes team = Teams({{1, "Northport", "Gulls", {12345}}});
    // Slot 0 holds 12345 in bytes 264-267 (39 30 00 00): the first two are
    // enough, the rest read as zero.
    for (const std::size_t size : {0, 1, 265, 266, 927, 928, 929}) {
        ASSERT_TRUE(Write(Players({{12345, "Jan", "Doe"}}), {}, Cut(team, size)));
        Compare();
        EXPECT_EQ(Departed(), Lines{kDoe + (size >= 266 ? "Northport Gulls" : "")}) << size << " bytes";
    }

    // Team names without a zero byte run on to the end of the examined
    // part: in a team record of 't' with zero bytes only in its status and
    // in the identifier in its last roster slot, both names run on through
    // the roster to that identifier, and the never-read last byte stays out.
    Bytes unended(kTeamRecordLength, 't');
    unended[0] = unended[1] = 0;
    const std::size_t slot79 = 264 + 4 * 79;
    unended[slot79] = 0x39, unended[slot79 + 1] = 0x30, unended[slot79 + 2] = 0, unended[slot79 + 3] = 0;
    unended[kTeamRecordLength - 1] = 'Z';
    const std::string teamName = std::string(slot79 - 17, 't') + "90 " + std::string(slot79 - 33, 't') + "90";
    ASSERT_TRUE(Write(Players({{12345, "Jan", "Doe"}}), {}, unended));
    Compare();
    EXPECT_EQ(Departed(), Lines{kDoe + teamName});
}

TEST_F(SeasonComparisonTest, TwoGigabytePlayerFileIsReadToItsEndInBoundedMemory) {
    // The last record starts past 2^31, where a 32-bit offset would wrap.
    constexpr std::uint64_t kLastOffset = 3'234'163 * kPlayerRecordLength;
    static_assert(kLastOffset > (std::uint64_t{1} << 31));
    const fs::path file = prior / kPlayerFileName;
    {
        // Written at both ends only: the rest is a hole that reads as zeros.
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        const Bytes first = Players({{10001, "Record", "First"}});
        const Bytes last = Players({{50000, "Record", "Last"}});
        out.write(reinterpret_cast<const char*>(first.data()), static_cast<std::streamsize>(first.size()));
        out.seekp(static_cast<std::streamoff>(kLastOffset));
        out.write(reinterpret_cast<const char*>(last.data()), static_cast<std::streamsize>(last.size()));
        ASSERT_TRUE(out.good());
    }
    ASSERT_EQ(fs::file_size(file), kLastOffset + kPlayerRecordLength);
    ASSERT_TRUE(WriteBytes(current / kPlayerFileName, {}));

    const tools::MemoryUse before = tools::CurrentMemoryUse();
    const SeasonComparison& report = Compare();
    const tools::MemoryUse after = tools::CurrentMemoryUse();

    EXPECT_TRUE(report.priorPlayerFile.WasRead()) << report.priorPlayerFile.problem;
    EXPECT_EQ(Departed(), (Lines{"10001  First,Record          ", "50000  Last,Record           "}));
    // Memory may not grow with the 2 GB file: at most 64 MB more than before.
    constexpr std::uint64_t kSlack = 64 << 20;
    EXPECT_LE(after.peak, std::max(before.peak, before.resident + kSlack));
}

#ifdef _WIN32
// Windows paths are limited to 255 characters; elsewhere only the system
// limits a path.
TEST_F(SeasonComparisonTest, SeasonFilePathsOfMoreThan255CharactersAreRefusedWhole) {
    // A folder of 243 characters makes file paths of exactly 255, the
    // longest that are opened; one more is refused as it stands, not cut
    // back, though the folder exists and holds both season files.
    const std::string base = root.Text() + "\\";
    for (const std::size_t length : {243, 244}) {
        const std::string folder = base + std::string(length - base.size(), 'f');
        ASSERT_TRUE(tools::WriteSeason(folder, {{{12345, "Jan", "Doe"}}, {{1, "Northport", "Gulls", {12345}}}}));
        const SeasonComparison& report = Compare(folder, current.string());
        const Problem problem = length == 243 ? Problem() : FileProblem::kPathTooLong;
        EXPECT_EQ(report.priorPlayerFile.problem, problem) << length;
        EXPECT_EQ(report.priorTeamFile.problem, problem) << length;
        EXPECT_EQ(Departed(), length == 243 ? Lines{kDoe + "Northport Gulls"} : Lines{}) << length;
    }
}
#endif

#ifdef __linux__
TEST_F(SeasonComparisonTest, ReadErrorEndsReadingAndIsReported) {
    ASSERT_TRUE(WriteBytes(current / kPlayerFileName, Players({{11111, "Rory", "Holt"}})));
    // Offset 0 of a process's own memory is never mapped: reading it fails.
    fs::create_symlink("/proc/self/mem", prior / kPlayerFileName);
    const SeasonComparison& report = Compare();
    EXPECT_EQ(Departed(), Lines{});
    EXPECT_EQ(Arrivals(), Lines{kHolt});
    EXPECT_FALSE(report.priorPlayerFile.WasRead());
    EXPECT_NE(report.priorPlayerFile.problem.Words(), "");
}
#endif

}  // namespace
}  // namespace trelvane
