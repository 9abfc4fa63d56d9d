#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "SeasonRecords.h"

namespace trelvane {

// The comparison lists identifiers 10001 to 50000; its tables also hold 10000.
inline constexpr std::int32_t kFirstTableId = 10000;
inline constexpr std::int32_t kLastPlayerId = 50000;

inline bool InTables(std::int32_t id) { return id >= kFirstTableId && id <= kLastPlayerId; }

inline constexpr std::size_t kTableSize = kLastPlayerId - kFirstTableId + 1;

// One entry per identifier from 10000 to 50000, indexed directly, all zero
// at first. The zeros come from the system as untouched pages: a comparison
// of small seasons touches little of its tables.
template <class Entry> class IdTable {
    static_assert(std::is_trivially_copyable_v<Entry>, "zero bytes must be an empty entry");

public:
    IdTable() : entries_(static_cast<Entry*>(std::calloc(kTableSize, sizeof(Entry)))) {
        if (!entries_) throw std::bad_alloc();
    }
    Entry& operator[](std::int32_t id) { return entries_[static_cast<std::size_t>(id - kFirstTableId)]; }
    const Entry& operator[](std::int32_t id) const { return entries_[static_cast<std::size_t>(id - kFirstTableId)]; }
    Entry* begin() { return entries_.get(); }
    Entry* end() { return entries_.get() + kTableSize; }

private:
    struct Free {
        void operator()(Entry* entries) const { std::free(entries); }
    };
    std::unique_ptr<Entry[], Free> entries_;
};

// Which identifiers of the tables are present, 64 to a word, so that a scan
// of all 40,001 in ascending order takes 626 steps.
class IdSet {
public:
    static constexpr std::size_t kWords = (kTableSize + 63) / 64;

    void Add(std::int32_t id) {
        const auto bit = static_cast<std::size_t>(id - kFirstTableId);
        words_[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
    std::uint64_t Word(std::size_t index) const { return words_[index]; }

private:
    std::array<std::uint64_t, kWords> words_{};
};

// Calls visit(id) for each bit of a word of an IdSet, in ascending order.
template <class Visit> void ForEachId(std::uint64_t bits, std::size_t word, Visit&& visit) {
    for (; bits != 0; bits &= bits - 1) {
        visit(static_cast<std::int32_t>(kFirstTableId + word * 64 + static_cast<std::size_t>(std::countr_zero(bits))));
    }
}

// The players of one season by identifier. A later record of the same
// identifier replaces an earlier one. The names lie end to end in one
// buffer: a table of 40,001 strings would cost more to make and free than
// a small season costs to read.
class PlayerTable {
public:
    void Take(const PlayerRecord& player);
    // Display names are never empty (they hold the comma), so an empty one
    // means the player is absent.
    bool Has(std::int32_t id) const { return entries_[id].length != 0; }
    // "name_part_b,name_part_a"; valid until the next Take.
    std::string_view DisplayName(std::int32_t id) const {
        const Entry& entry = entries_[id];
        return std::string_view(names_).substr(entry.offset, entry.length);
    }
    std::string_view LastName(std::int32_t id) const { return DisplayName(id).substr(0, entries_[id].lastNameLength); }
    std::string_view FirstName(std::int32_t id) const;  // name_part_a
    const IdSet& Present() const { return present_; }
    // How many identifiers the season holds.
    std::size_t Count() const { return count_; }

private:
    struct Entry {
        std::uint32_t offset;
        std::uint16_t length;  // 0: absent
        std::uint16_t lastNameLength;
    };
    void DropReplacedNames();

    IdTable<Entry> entries_;
    IdSet present_;
    std::string names_;
    std::size_t liveBytes_ = 0;  // of names_, the names still in use
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
    // Every team number the records in use carry, whether or not their
    // rosters name anyone, in the order first seen, each with the name of
    // its last record.
    const std::vector<Team>& Teams() const { return numbered_; }
    std::size_t TeamCount() const { return numbered_.size(); }

private:
    void SetTeam(std::int32_t id, std::size_t team) { teamOf_[id] = static_cast<std::uint32_t>(team + 1); }
    std::size_t AddTeam(const TeamRecord& record);
    void DropUnusedTeams();

    IdTable<std::uint32_t> teamOf_;  // position in teams_ + 1; 0: on no roster
    std::vector<Team> teams_;
    std::vector<Team> numbered_;
    std::vector<std::uint16_t> numberedAt_ = std::vector<std::uint16_t>(32768);  // position in numbered_ + 1
};

}  // namespace trelvane
