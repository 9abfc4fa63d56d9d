#pragma once

#include <cstdint>

#include "SeasonWriter.h"

namespace trelvane::tools {

struct SeasonPair {
    SeasonData prior;
    SeasonData current;
};

// A league as a player would have it: named teams with rosters, a few free
// agents on no roster, a few retired records, some names too long for the
// list's name column. The same options always give the same seasons.
struct DemoOptions {
    std::uint64_t seed = 2026;
    int players = 600;         // prior-season players, at most 40,000
    int teams = 24;            // at most 80 players fit on a roster
    int departedPercent = 12;  // of the prior players, gone in the current season
    int arrivalsPercent = 12;  // new current-season players, as a share of the prior players
};
SeasonPair MakeDemoSeasons(const DemoOptions& options);

// Seasons at the format's limits: every identifier of a range, spread over
// the given number of team records. An empty range (first > last) gives an
// empty player file.
struct RangeOptions {
    std::int32_t priorFirst = 10001, priorLast = 45000;
    std::int32_t currentFirst = 15001, currentLast = 50000;
    int teams = 1000;
};
SeasonPair MakeRangeSeasons(const RangeOptions& options);

}  // namespace trelvane::tools
