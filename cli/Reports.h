#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ReportOutput.h"
#include "SavedList.h"
#include "SeasonComparison.h"

namespace trelvane::cli {

// Counts and lists for people. Names go out as their Windows-1252 bytes, or
// in UTF-8 when utf8 is set.
// Each list's lines also go to its file, where one is given.
void WriteTextReport(const SeasonComparison& comparison, const std::array<ListLines, 3>& lists,
                     const std::array<SavedList*, 3>& files, bool utf8, ReportOutput& output);

// One row per change, in UTF-8: departed, then arrived, then moved.
void WriteCsvReport(const SeasonComparison& comparison, ReportOutput& output);

// One object, in UTF-8; the folders as given on the command line.
void WriteJsonReport(const SeasonComparison& comparison, std::string_view priorFolder, std::string_view currentFolder,
                     ReportOutput& output);

// One player's change, as the CSV and JSON forms show it. Texts are the
// files' Windows-1252 bytes; an empty team is no team.
struct Change {
    std::int32_t id;
    std::string_view lastName;
    std::string_view firstName;
    std::string_view priorTeam;
    std::string_view currentTeam;
};
struct ChangeList {
    ListKind kind;
    std::string_view name;  // "departed", "arrived", "moved"
    const std::vector<std::int32_t>& ids;
};
inline std::array<ChangeList, 3> ChangeLists(const SeasonComparison& comparison) {
    return {{{ListKind::kDeparted, "departed", comparison.departed},
             {ListKind::kArrivals, "arrived", comparison.arrived},
             {ListKind::kMoved, "moved", comparison.moved}}};
}
// A departed player as the prior season has him, the others as the current
// one has them.
inline Change ChangeOf(const SeasonComparison& comparison, ListKind kind, std::int32_t id) {
    const Season &prior = comparison.prior, &current = comparison.current;
    const Season& named = kind == ListKind::kDeparted ? prior : current;
    return {id, named.players.LastName(id), named.players.FirstName(id),
            kind == ListKind::kArrivals ? std::string_view{} : prior.rosters.TeamNameOf(id),
            kind == ListKind::kDeparted ? std::string_view{} : current.rosters.TeamNameOf(id)};
}

// The decimal digits of a number, appended.
void AppendNumber(std::string& out, std::size_t number);

}  // namespace trelvane::cli
