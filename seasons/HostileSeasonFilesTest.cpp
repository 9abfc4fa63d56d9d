// Season files as they arrive from other leagues, downloads and old backups:
// cut short, one byte over and over, texts without an end, identifiers at
// the ends of their range, huge, or not files at all. Whatever they hold, the
// comparison ends with lists that follow from the records, and changes
// nothing on disk.
#include "SeasonComparison.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "MemoryForm.h"
#include "ProcessMemory.h"
#include "SeasonRecords.h"
#include "SeasonWriter.h"
#include "TempFolder.h"

namespace trelvane {
namespace {

namespace fs = std::filesystem;
using namespace control_id;
using tools::PlayerEntry;
using tools::TeamEntry;
using tools::TempFolder;
using tools::WriteBytes;
using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();

Bytes Players(const std::vector<PlayerEntry>& players) {
    Bytes file;
    for (const PlayerEntry& player : players) {
        const Bytes record = tools::EncodePlayer(player);
        file.insert(file.end(), record.begin(), record.end());
    }
    return file;
}

Bytes Teams(const std::vector<TeamEntry>& teams) {
    Bytes file;
    for (const TeamEntry& team : teams) {
        const Bytes record = tools::EncodeTeam(team);
        file.insert(file.end(), record.begin(), record.end());
    }
    return file;
}

Bytes Joined(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

Bytes CutTo(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

std::string FileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class HostileSeasonFiles : public ::testing::Test {
protected:
    TempFolder root;
    fs::path prior = root / "prior";
    fs::path current = root / "current";
    MemoryForm form;

    void SetUp() override {
        fs::create_directories(prior);
        fs::create_directories(current);
    }

    ComparisonReport Compare(const std::string& priorFolder, const std::string& currentFolder) {
        form.SetBoxText(kPriorFolderBox, priorFolder);
        form.SetBoxText(kCurrentFolderBox, currentFolder);
        return CompareSeasons(form);
    }
    ComparisonReport Compare() { return Compare(prior.string(), current.string()); }

    // Writes the three files of a comparison; a missing team file is empty.
    void Write(const Bytes& priorPlayers, const Bytes& currentPlayers, const Bytes& priorTeams = {}) {
        ASSERT_TRUE(WriteBytes(prior / kPlayerFileName, priorPlayers));
        ASSERT_TRUE(WriteBytes(current / kPlayerFileName, currentPlayers));
        ASSERT_TRUE(WriteBytes(prior / kTeamFileName, priorTeams));
    }

    Lines AsLines(int list) {
        Lines lines;
        const LineBatch& batch = form.Lines(list);
        for (std::size_t i = 0; i < batch.Count(); ++i) lines.emplace_back(batch[i]);
        return lines;
    }
    Lines Departed() { return AsLines(kDepartedList); }
    Lines Arrivals() { return AsLines(kArrivalsList); }
};

TEST_F(HostileSeasonFiles, PlayerFileCutAnywhereGivesWhatItsBytesHold) {
    const Bytes two = Players({{12345, "Jan", "Doe"}, {23456, "Emil", "Lund"}});
    // A cut record is examined with its missing bytes as zero: a record cut
    // after its identifier is a player with empty names.
    const std::vector<std::pair<std::size_t, Lines>> cases = {
        {0, {}},
        {1, {}},
        {11, {"12345  ,                     "}},  // the identifier's high byte is zero anyway
        {36, {"12345  ,Jan                  "}},
        {kPlayerExaminedLength - 1, {"12345  Doe,Jan               "}},
        {663, {"12345  Doe,Jan               "}},
        {664, {"12345  Doe,Jan               "}},
        {665, {"12345  Doe,Jan               "}},
        {664 + 9, {"12345  Doe,Jan               "}},  // one byte of the second identifier: 0xA0
        {664 + 12, {"12345  Doe,Jan               ", "23456  ,                     "}},
        {2 * 664, {"12345  Doe,Jan               ", "23456  Lund,Emil             "}},
    };
    for (const auto& [size, expected] : cases) {
        Write(CutTo(two, size), {});
        const ComparisonReport report = Compare();
        EXPECT_EQ(Departed(), expected) << size << " bytes";
        EXPECT_TRUE(report.priorPlayers.Read()) << size << " bytes";
        EXPECT_EQ(fs::file_size(prior / kPlayerFileName), size);
    }
}

TEST_F(HostileSeasonFiles, TeamFileCutAnywhereGivesTheTeamOnlyOnceItsRosterSlotIsThere) {
    const Bytes team = Teams({{1, "Northport", "Gulls", {12345}}});
    // Slot 0 holds 12345 in bytes 264-267 (39 30 00 00): the first two are
    // enough, the rest read as zero.
    const std::vector<std::pair<std::size_t, std::string>> cases = {
        {0, ""}, {1, ""}, {265, ""}, {266, "Northport Gulls"}, {927, "Northport Gulls"},
        {928, "Northport Gulls"}, {929, "Northport Gulls"},
    };
    for (const auto& [size, expected] : cases) {
        Write(Players({{12345, "Jan", "Doe"}}), {}, CutTo(team, size));
        Compare();
        EXPECT_EQ(Departed(), Lines{"12345  Doe,Jan               " + expected}) << size << " bytes";
    }
}

TEST_F(HostileSeasonFiles, RecordsOfOneRepeatedByteHoldNoPlayerAndNoTeamWhateverTheByte) {
    // Every byte but 0 makes a status other than 0; 0 gives identifier and
    // team number 0. The good records around them still count.
    const Bytes departing = Players({{12345, "Jan", "Doe"}});
    const Bytes arriving = Players({{11111, "Rory", "Holt"}});
    for (int value = 0; value <= 255; ++value) {
        const Bytes players(3 * kPlayerRecordLength, static_cast<std::uint8_t>(value));
        const Bytes teams(3 * kTeamRecordLength, static_cast<std::uint8_t>(value));
        Write(Joined(departing, players), Joined(players, arriving), teams);
        const ComparisonReport report = Compare();
        EXPECT_EQ(Departed(), Lines{"12345  Doe,Jan               "}) << "byte " << value;
        EXPECT_EQ(Arrivals(), Lines{"11111  Holt,Rory             "}) << "byte " << value;
        EXPECT_TRUE(report.priorPlayers.Read() && report.currentPlayers.Read() && report.priorTeams.Read());
    }
}

TEST_F(HostileSeasonFiles, TextsWithoutAZeroByteRunOnToTheEndOfTheExaminedPart) {
    // A player record whose names never end: the name column shows bytes 36
    // to 57, the start of name_part_b.
    Bytes player(kPlayerRecordLength);
    for (std::size_t i = 0; i < player.size(); ++i) player[i] = static_cast<std::uint8_t>('A' + i % 26);
    player[0] = player[1] = 0;
    player[8] = 0x39, player[9] = 0x30, player[10] = 0, player[11] = 0;  // 12345
    std::string column;
    for (std::size_t i = 36; i < 58; ++i) column += static_cast<char>('A' + i % 26);

    // A team record of 't' with only its status and the identifier in its
    // last roster slot holding zero bytes: both names run on through the
    // roster to that identifier, and the never-read last byte stays out.
    Bytes team(kTeamRecordLength, 't');
    team[0] = team[1] = 0;
    const std::size_t slot79 = 264 + 4 * 79;
    team[slot79] = 0x39, team[slot79 + 1] = 0x30, team[slot79 + 2] = 0, team[slot79 + 3] = 0;
    team[kTeamRecordLength - 1] = 'Z';
    const std::string teamName = std::string(slot79 - 17, 't') + "90 " + std::string(slot79 - 33, 't') + "90";

    Write(player, {}, team);
    Compare();
    EXPECT_EQ(Departed(), Lines{"12345  " + column + teamName});
}

TEST_F(HostileSeasonFiles, IdentifiersAtBothEndsOfTheInt32RangeAreIgnoredOutside10001To50000) {
    // Values whose low bytes alone would be 10001 or 12345 catch reading
    // fewer than four bytes or a narrower type.
    const std::vector<std::int32_t> ids = {kLowest,     kLowest + 1, kLowest + 10001, -10001, -1,
                                           0,           1,           9999,            10000,  10001,
                                           50000,       50001,       65536 + 12345,   kHighest - 1,
                                           kHighest};
    std::vector<PlayerEntry> players;
    for (const std::int32_t id : ids) players.push_back({id, "Id", std::to_string(id)});
    const Bytes rosters = Teams({{1, "Both", "Ends", ids}});

    Write(Players(players), Players({{kLowest, "Lowest", "Now"}, {kHighest, "Highest", "Now"}}), rosters);
    Compare();
    EXPECT_EQ(Departed(), (Lines{"10001  10001,Id              Both Ends", "50000  50000,Id              Both Ends"}));
    EXPECT_TRUE(Arrivals().empty());
    EXPECT_EQ(form.EditText(kDepartedCountBox), " 2");
    EXPECT_EQ(form.EditText(kArrivalsCountBox), " 0");
}

TEST_F(HostileSeasonFiles, RostersNamingEveryIdentifierGiveEveryDepartedPlayerHisTeam) {
    std::vector<PlayerEntry> players;
    for (std::int32_t id = 10001; id <= kLastPlayerId; ++id) players.push_back({id, "Jan", "Doe"});
    // Team k holds 10000 + 80k to 10000 + 80k + 79: 500 full rosters and a
    // last one of 50000 alone. Then a late team takes both ends over.
    std::vector<TeamEntry> teams;
    for (std::int32_t first = kFirstTableId; first <= kLastPlayerId; first += 80) {
        TeamEntry team{1, "T", std::to_string((first - kFirstTableId) / 80), {}};
        for (std::int32_t id = first; id < first + 80 && id <= kLastPlayerId; ++id) team.roster.push_back(id);
        teams.push_back(team);
    }
    teams.push_back({2, "Late", "Team", {10001, 50000}});
    Write(Players(players), {}, Teams(teams));

    Compare();
    const Lines departed = Departed();
    ASSERT_EQ(departed.size(), 40000u);
    EXPECT_EQ(form.EditText(kDepartedCountBox), " 40000");
    for (std::int32_t id = 10001; id <= kLastPlayerId; ++id) {
        const std::string team =
            id == 10001 || id == kLastPlayerId ? "Late Team" : "T " + std::to_string((id - kFirstTableId) / 80);
        ASSERT_EQ(departed[static_cast<std::size_t>(id - 10001)],
                  std::to_string(id) + "  Doe,Jan               " + team);
    }
}

// Records are read a block at a time, so a file of any size takes the same
// small memory. The figures are printed, not judged.
TEST_F(HostileSeasonFiles, TwoGigabytePlayerFileIsReadToItsEndInBoundedMemory) {
    // The last record starts past 2^31, where a 32-bit offset would wrap.
    constexpr std::uint64_t kLastRecord = 3'234'163;
    constexpr std::uint64_t kLastOffset = kLastRecord * kPlayerRecordLength;
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
    const auto start = std::chrono::steady_clock::now();
    const ComparisonReport report = Compare();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const tools::MemoryUse after = tools::CurrentMemoryUse();

    EXPECT_TRUE(report.priorPlayers.Read()) << report.priorPlayers.problem;
    EXPECT_EQ(Departed(), (Lines{"10001  First,Record          ", "50000  Last,Record           "}));
    // Memory may not grow with the file: nothing beyond what the process had
    // already held or 64 MB more than it held before (the file is 2 GB).
    constexpr std::uint64_t kSlack = 64 << 20;
    EXPECT_LE(after.peak, std::max(before.peak, before.resident + kSlack));
    std::printf("[ figures  ] 2 GB player file compared in %.2f s; peak memory %.1f MB (was %.1f MB)\n",
                took.count(), after.peak / 1048576.0, before.peak / 1048576.0);
}

TEST_F(HostileSeasonFiles, FolderTextNamingAFileReadsNothingAndChangesNothing) {
    Write(Players({{12345, "Jan", "Doe"}}), Players({{11111, "Rory", "Holt"}}));
    const fs::path notAFolder = root / "season.txt";
    std::ofstream(notAFolder, std::ios::binary) << "not a season folder";

    ComparisonReport report = Compare(notAFolder.string(), current.string());
    EXPECT_TRUE(Departed().empty());
    EXPECT_EQ(Arrivals(), Lines{"11111  Holt,Rory             "});
    EXPECT_FALSE(report.priorPlayers.problem.empty());
    EXPECT_FALSE(report.priorTeams.problem.empty());

    report = Compare(prior.string(), notAFolder.string());
    EXPECT_EQ(Departed(), Lines{"12345  Doe,Jan               "});
    EXPECT_TRUE(Arrivals().empty());
    EXPECT_FALSE(report.currentPlayers.problem.empty());

    EXPECT_EQ(FileText(notAFolder), "not a season folder");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(root.Path())) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"current", "prior", "season.txt"}));
}

TEST_F(HostileSeasonFiles, FolderTextsOf255And256CharactersAreRefusedWhole) {
    // A folder of 243 characters makes a file path of exactly 255, the
    // longest that is opened. Longer folders are refused as they stand,
    // even where the folder exists and holds season files.
    const std::string base = root.Text();
    auto folderOf = [&](std::size_t length) { return base + "/" + std::string(length - base.size() - 1, 'f'); };
    const Bytes players = Players({{12345, "Jan", "Doe"}});
    for (const std::size_t length : {std::size_t{243}, std::size_t{255}, std::size_t{256}}) {
        const std::string folder = folderOf(length);
        ASSERT_EQ(folder.size(), length);
        std::error_code ignored;
        fs::create_directories(folder, ignored);
        if (fs::is_directory(folder)) {
            ASSERT_TRUE(WriteBytes(fs::path(folder) / kPlayerFileName, players));
        }

        const ComparisonReport report = Compare(folder, current.string());
        if (length == 243) {
            EXPECT_TRUE(report.priorPlayers.Read()) << report.priorPlayers.problem;
            EXPECT_EQ(Departed(), Lines{"12345  Doe,Jan               "});
        } else {
            EXPECT_TRUE(Departed().empty()) << length;
            EXPECT_NE(report.priorPlayers.problem.find("longer than 255"), std::string::npos) << length;
            EXPECT_NE(report.priorTeams.problem.find("longer than 255"), std::string::npos) << length;
        }
    }
}

#ifdef __linux__
// A file whose every read fails: reading stops, the failure is reported and
// the file gives no players.
TEST_F(HostileSeasonFiles, ReadErrorEndsReadingAndIsReported) {
    Write({}, Players({{11111, "Rory", "Holt"}}));
    fs::remove(prior / kPlayerFileName);
    // Offset 0 of a process's own memory is never mapped: reading it fails
    // with an I/O error.
    fs::create_symlink("/proc/self/mem", prior / kPlayerFileName);
    const ComparisonReport report = Compare();
    EXPECT_TRUE(Departed().empty());
    EXPECT_EQ(Arrivals(), Lines{"11111  Holt,Rory             "});
    EXPECT_FALSE(report.priorPlayers.Read());
    EXPECT_NE(report.priorPlayers.problem, "");
}
#endif

}  // namespace
}  // namespace trelvane
