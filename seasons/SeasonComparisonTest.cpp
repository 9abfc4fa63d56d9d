#include "SeasonComparison.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "MemoryForm.h"
#include "SeasonRecords.h"
#include "SeasonWriter.h"
#include "TempFolder.h"

namespace trelvane {
namespace {

namespace fs = std::filesystem;
using namespace control_id;
using tools::PlayerEntry;
using tools::SeasonData;
using tools::TeamEntry;
using tools::TempFolder;

// The lines of a list, for comparing with expected ones.
using Lines = std::vector<std::string>;
Lines AsLines(const LineBatch& batch) {
    Lines lines;
    for (std::size_t i = 0; i < batch.Count(); ++i) lines.emplace_back(batch[i]);
    return lines;
}

class SeasonComparisonTest : public ::testing::Test {
protected:
    TempFolder root;
    fs::path prior = root / "prior";
    fs::path current = root / "current";
    MemoryForm form;

    void SetUp() override {
        fs::create_directories(prior);
        fs::create_directories(current);
    }

    ComparisonReport Compare(const fs::path& priorFolder, const fs::path& currentFolder) {
        form.SetBoxText(kPriorFolderBox, priorFolder.string());
        form.SetBoxText(kCurrentFolderBox, currentFolder.string());
        return CompareSeasons(form);
    }
    ComparisonReport Compare() { return Compare(prior, current); }

    Lines Departed() { return AsLines(form.Lines(kDepartedList)); }
    Lines Arrivals() { return AsLines(form.Lines(kArrivalsList)); }
    std::string DepartedCount() { return form.EditText(kDepartedCountBox); }
    std::string ArrivalsCount() { return form.EditText(kArrivalsCountBox); }
};

PlayerEntry Player(std::int32_t id, std::string first, std::string last, std::int16_t status = 0) {
    return {id, std::move(first), std::move(last), status};
}

TEST_F(SeasonComparisonTest, ListsDepartedWithPriorTeamAndArrivalsInIdentifierOrder) {
    SeasonData before;
    before.players = {Player(30000, "Tomas", "Novak"), Player(12345, "Jan", "Doe"), Player(20000, "Emil", "Lund"),
                      Player(40000, "Free", "Agent")};
    before.teams = {{1, "Northport", "Gulls", {12345, 20000}}, {2, "Ashford", "Foxes", {30000}}};
    SeasonData after;
    after.players = {Player(20000, "Emil", "Lund"), Player(45000, "Oskar", "Keller"), Player(11000, "Rory", "Holt")};
    ASSERT_TRUE(tools::WriteSeason(prior, before));
    ASSERT_TRUE(tools::WriteSeason(current, after));

    const ComparisonReport report = Compare();
    EXPECT_EQ(Departed(), (Lines{"12345  Doe,Jan               Northport Gulls",
                                 "30000  Novak,Tomas           Ashford Foxes",
                                 "40000  Agent,Free            "}));
    EXPECT_EQ(Arrivals(), (Lines{"11000  Holt,Rory             ", "45000  Keller,Oskar          "}));
    EXPECT_EQ(DepartedCount(), " 3");
    EXPECT_EQ(ArrivalsCount(), " 2");
    EXPECT_TRUE(report.priorPlayers.Read() && report.currentPlayers.Read() && report.priorTeams.Read());
}

TEST_F(SeasonComparisonTest, TakesOnlyRecordsInUseWithIdentifiersAbove10000UpTo50000) {
    SeasonData before;
    before.players = {Player(10000, "Ten", "Thousand"), Player(10001, "First", "Taken"),
                      Player(50000, "Last", "Taken"),   Player(50001, "Too", "High"),
                      Player(20000, "Deleted", "Rec", 1), Player(20001, "Minus", "Status", -1),
                      Player(-5, "Negative", "Id")};
    ASSERT_TRUE(tools::WriteSeason(prior, before));
    ASSERT_TRUE(tools::WriteSeason(current, {}));

    Compare();
    EXPECT_EQ(Departed(), (Lines{"10001  Taken,First           ", "50000  Taken,Last            "}));
    EXPECT_TRUE(Arrivals().empty());
}

TEST_F(SeasonComparisonTest, LaterRecordsReplaceEarlierOnesForNamesAndTeams) {
    SeasonData before;
    before.players = {Player(12000, "Old", "Name"), Player(12000, "New", "Name"), Player(13000, "Only", "Ghost")};
    before.teams = {{1, "First", "Team", {12000, 13000}},
                    {2, "Second", "Team", {-1, -7, 9999, 50001, 12000}},
                    {0, "Number", "Zero", {13000}},
                    {-3, "Negative", "Number", {13000}},
                    {4, "Deleted", "Team", {12000, 13000}, 1}};
    ASSERT_TRUE(tools::WriteSeason(prior, before));
    ASSERT_TRUE(tools::WriteSeason(current, {}));

    Compare();
    EXPECT_EQ(Departed(), (Lines{"12000  Name,New              Second Team",
                                 "13000  Ghost,Only            First Team"}));
}

TEST_F(SeasonComparisonTest, RosterEntryOfTenThousandIsStoredButNeverListed) {
    SeasonData before;
    before.players = {Player(10000, "Edge", "Case")};
    before.teams = {{1, "A", "B", {10000}}};
    ASSERT_TRUE(tools::WriteSeason(prior, before));
    Compare();
    EXPECT_TRUE(Departed().empty());
    EXPECT_EQ(DepartedCount(), " 0");
}

TEST_F(SeasonComparisonTest, SameFolderForBothSeasonsListsNothing) {
    SeasonData season;
    season.players = {Player(12345, "Jan", "Doe"), Player(22222, "Emil", "Lund")};
    season.teams = {{1, "Northport", "Gulls", {12345}}};
    ASSERT_TRUE(tools::WriteSeason(prior, season));

    const ComparisonReport report = Compare(prior, prior);
    EXPECT_TRUE(Departed().empty());
    EXPECT_TRUE(Arrivals().empty());
    EXPECT_EQ(DepartedCount(), " 0");
    EXPECT_EQ(ArrivalsCount(), " 0");
    EXPECT_TRUE(report.currentPlayers.Read());
}

TEST_F(SeasonComparisonTest, MissingFilesContributeNothingAndAreNotCreated) {
    SeasonData after;
    after.players = {Player(11111, "New", "Comer")};
    ASSERT_TRUE(tools::WriteSeason(current, after));
    fs::remove(current / kTeamFileName);

    const ComparisonReport report = Compare();
    EXPECT_TRUE(Departed().empty());
    EXPECT_EQ(Arrivals(), (Lines{"11111  Comer,New             "}));
    EXPECT_FALSE(report.priorPlayers.Read());
    EXPECT_FALSE(report.priorTeams.Read());
    EXPECT_EQ(report.priorPlayers.path, SeasonFilePath(prior.string(), kPlayerFileName));
    EXPECT_TRUE(fs::is_empty(prior));
    EXPECT_FALSE(fs::exists(current / kTeamFileName));
}

TEST_F(SeasonComparisonTest, MissingCurrentSeasonListsEveryPriorPlayerAsDeparted) {
    SeasonData before;
    before.players = {Player(12345, "Jan", "Doe")};
    before.teams = {{1, "Northport", "Gulls", {12345}}};
    ASSERT_TRUE(tools::WriteSeason(prior, before));

    Compare(prior, root / "no-such-season");
    EXPECT_EQ(Departed(), (Lines{"12345  Doe,Jan               Northport Gulls"}));
    EXPECT_EQ(ArrivalsCount(), " 0");
    EXPECT_FALSE(fs::exists(root / "no-such-season"));
}

TEST_F(SeasonComparisonTest, MissingTeamFileLeavesDepartedLinesAtTheNameField) {
    SeasonData before;
    before.players = {Player(12345, "Jan", "Doe")};
    ASSERT_TRUE(tools::WriteSeason(prior, before));
    fs::remove(prior / kTeamFileName);
    Compare();
    EXPECT_EQ(Departed(), (Lines{"12345  Doe,Jan               "}));
}

TEST_F(SeasonComparisonTest, BothSeasonsMissingShowZeroCounts) {
    Compare(root / "a", root / "b");
    EXPECT_TRUE(Departed().empty());
    EXPECT_TRUE(Arrivals().empty());
    EXPECT_EQ(DepartedCount(), " 0");
    EXPECT_EQ(ArrivalsCount(), " 0");
}

TEST_F(SeasonComparisonTest, RunningAgainEmptiesTheListsFirstAndGivesTheSameResult) {
    SeasonData before;
    before.players = {Player(12345, "Jan", "Doe")};
    before.teams = {{1, "Northport", "Gulls", {12345}}};
    SeasonData after;
    after.players = {Player(23456, "Emil", "Lund")};
    ASSERT_TRUE(tools::WriteSeason(prior, before));
    ASSERT_TRUE(tools::WriteSeason(current, after));
    form.AddLine(kDepartedList, "stale line");

    Compare();
    const Lines departed = Departed(), arrivals = Arrivals();
    Compare();
    EXPECT_EQ(Departed(), departed);
    EXPECT_EQ(Arrivals(), arrivals);
    EXPECT_EQ(Departed(), (Lines{"12345  Doe,Jan               Northport Gulls"}));
    EXPECT_EQ(DepartedCount(), " 1");
}

TEST_F(SeasonComparisonTest, OverlongFolderIsRefusedAsAWhole) {
    SeasonData before;
    before.players = {Player(12345, "Jan", "Doe")};
    ASSERT_TRUE(tools::WriteSeason(prior, before));
    const std::string longFolder = prior.string() + std::string(300, '/');

    const ComparisonReport report = Compare(longFolder, current);
    EXPECT_TRUE(Departed().empty());
    EXPECT_NE(report.priorPlayers.problem.find("255"), std::string::npos);
}

}  // namespace
}  // namespace trelvane

namespace trelvane {
namespace {

// More team records than the comparison keeps names for at once: the names
// still in use must survive when the others are dropped.
TEST_F(SeasonComparisonTest, TeamsStayRightInAFileOfManyMoreTeamsThanPlayers) {
    SeasonData before;
    before.players = {Player(10001, "A", "One"), Player(10002, "B", "Two"), Player(10003, "C", "Three")};
    for (int i = 0; i < 80010; ++i) {
        before.teams.push_back({1, "T", std::to_string(i), {10001 + i % 3}});
    }
    before.teams[5].roster = {10004};  // a player with no record: his team is never shown
    ASSERT_TRUE(tools::WriteSeason(prior, before));

    Compare();
    EXPECT_EQ(Departed(), (Lines{"10001  One,A                 T 80007",
                                 "10002  Two,B                 T 80008",
                                 "10003  Three,C               T 80009"}));
}

}  // namespace
}  // namespace trelvane
