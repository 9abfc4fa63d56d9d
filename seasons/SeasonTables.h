#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "SeasonRecords.h"

namespace trelvane {

// The comparison lists identifiers 10001 to 50000; its tables also hold 10000.
inline constexpr std::int32_t kFirstTableId = 10000;
inline constexpr std::int32_t kLastPlayerId = 50000;

inline bool InTables(std::int32_t id) { return id >= kFirstTableId && id <= kLastPlayerId; }

// One entry per identifier from 10000 to 50000, indexed directly.
template <class Entry> class IdTable {
public:
    IdTable() : entries_(kLastPlayerId - kFirstTableId + 1) {}
    Entry& operator[](std::int32_t id) { return entries_[static_cast<std::size_t>(id - kFirstTableId)]; }
    const Entry& operator[](std::int32_t id) const { return entries_[static_cast<std::size_t>(id - kFirstTableId)]; }
    auto begin() { return entries_.begin(); }
    auto end() { return entries_.end(); }

private:
    std::vector<Entry> entries_;
};

// The players of one season by identifier. A later record of the same
// identifier replaces an earlier one.
class PlayerTable {
public:
    void Take(const PlayerRecord& player);
    // Display names are never empty (they hold the comma), so an empty one
    // means the player is absent.
    bool Has(std::int32_t id) const { return !entries_[id].displayName.empty(); }
    // "name_part_b,name_part_a"
    std::string_view DisplayName(std::int32_t id) const { return entries_[id].displayName; }
    std::string_view LastName(std::int32_t id) const;   // name_part_b
    std::string_view FirstName(std::int32_t id) const;  // name_part_a
    // How many identifiers the season holds.
    std::size_t Count() const { return count_; }

private:
    struct Entry {
        std::string displayName;
        std::size_t lastNameLength = 0;
    };
    IdTable<Entry> entries_;
    std::size_t count_ = 0;
};

struct Team {
    std::int16_t number = 0;  // the same number is the same team, whatever its name
    std::string name;         // "team_part_a team_part_b"
};

// The team on whose roster each player stands. A later slot or a later
// team naming the same identifier replaces the earlier one.
class RosterTable {
public:
    // Visits the roster of a team record in use; records not in use, or with
    // a team number of 0 or less, are skipped.
    void Take(const TeamRecord& team);
    // Null for a player on no roster.
    const Team* TeamOf(std::int32_t id) const;
    std::string_view TeamNameOf(std::int32_t id) const;
    // The team number, or 0 for a player on no roster (a free agent).
    std::int16_t TeamNumberOf(std::int32_t id) const;
    // How many different team numbers the records in use carry, whether or
    // not their rosters name anyone.
    std::size_t TeamCount() const { return teamCount_; }

private:
    void SetTeam(std::int32_t id, std::size_t team) { teamOf_[id] = static_cast<std::uint32_t>(team + 1); }
    std::size_t AddTeam(const TeamRecord& record);
    void DropUnusedTeams();

    IdTable<std::uint32_t> teamOf_;  // position in teams_ + 1; 0: on no roster
    std::vector<Team> teams_;
    std::bitset<32768> numbersSeen_;
    std::size_t teamCount_ = 0;
};

}  // namespace trelvane
