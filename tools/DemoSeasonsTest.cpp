#include "DemoSeasons.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "MemoryForm.h"
#include "SeasonComparison.h"
#include "SeasonRecords.h"
#include "TempFolder.h"
#include "TestFiles.h"

namespace trelvane::tools {
namespace {

std::set<std::int32_t> ActiveIds(const SeasonData& season) {
    std::set<std::int32_t> ids;
    for (const PlayerEntry& player : season.players) {
        if (player.status == 0) ids.insert(player.id);
    }
    return ids;
}

TEST(DemoSeasons, SameOptionsWriteTheSameBytesAndAnotherSeedOthers) {
    TempFolder a, b, c;
    ASSERT_TRUE(WriteSeason(a.Path(), MakeDemoSeasons({}).prior));
    ASSERT_TRUE(WriteSeason(b.Path(), MakeDemoSeasons({}).prior));
    ASSERT_TRUE(WriteSeason(c.Path(), MakeDemoSeasons({.seed = 7}).prior));
    EXPECT_EQ(FileBytes(a / kPlayerFileName), FileBytes(b / kPlayerFileName));
    EXPECT_EQ(FileBytes(a / kTeamFileName), FileBytes(b / kTeamFileName));
    EXPECT_NE(FileBytes(a / kPlayerFileName), FileBytes(c / kPlayerFileName));
}

TEST(DemoSeasons, ComparisonFindsExactlyThePlayersTheGeneratorMovedAndSomeNamesOverrunTheColumn) {
    const SeasonPair pair = MakeDemoSeasons({.seed = 11, .players = 800, .teams = 30});
    TempFolder prior, current;
    ASSERT_TRUE(WriteSeason(prior.Path(), pair.prior));
    ASSERT_TRUE(WriteSeason(current.Path(), pair.current));

    const auto before = ActiveIds(pair.prior), after = ActiveIds(pair.current);
    std::size_t departed = 0, arrivals = 0;
    for (const auto id : before) departed += !after.contains(id);
    for (const auto id : after) arrivals += !before.contains(id);
    ASSERT_GT(departed, 50u);
    ASSERT_EQ(arrivals, 96u);

    MemoryForm form;
    form.SetBoxText(control_id::kPriorFolderBox, prior.Text());
    form.SetBoxText(control_id::kCurrentFolderBox, current.Text());
    const ComparisonReport report = CompareSeasons(form);
    EXPECT_EQ(report.departed, departed);
    EXPECT_EQ(report.arrivals, arrivals);

    std::size_t withTeam = 0, overrun = 0;
    for (const PlayerEntry& player : pair.prior.players)
        overrun += player.lastName.size() + 1 + player.firstName.size() > 22;
    const LineBatch& lines = form.Lines(control_id::kDepartedList);
    for (std::size_t i = 0; i < lines.Count(); ++i) withTeam += lines[i].size() > 29;
    EXPECT_GT(overrun, 0u);
    EXPECT_GT(withTeam, 0u);
    EXPECT_LT(withTeam, departed);  // free agents leave with no team
}

TEST(RangeSeasons, HoldEveryIdentifierOfTheirRangesAndAnEmptyRangeGivesAnEmptyFile) {
    const SeasonPair pair =
        MakeRangeSeasons({.priorFirst = 10001, .priorLast = 10100, .currentFirst = 1, .currentLast = 0, .teams = 10});
    EXPECT_EQ(ActiveIds(pair.prior).size(), 100u);
    EXPECT_EQ(*ActiveIds(pair.prior).begin(), 10001);
    EXPECT_TRUE(pair.current.players.empty());
    EXPECT_EQ(pair.prior.teams.size(), 10u);
    EXPECT_EQ(pair.prior.teams[3].roster.size(), 10u);
}

}  // namespace
}  // namespace trelvane::tools
