#pragma once

#include <cstddef>
#include <string>

#include "ControlIds.h"
#include "FormControls.h"

namespace trelvane {

// The comparison uses identifiers 10001 to 50000; its tables also hold 10000.
inline constexpr int kFirstTableId = 10000;
inline constexpr int kLastPlayerId = 50000;

// What became of one season file: the form shows nothing of it, the
// command-line tool reports it.
struct SeasonFileReport {
    std::string path;
    std::string problem;  // why it was not read, or not to its end; empty when it was
    bool Read() const { return problem.empty(); }
};

struct ComparisonReport {
    SeasonFileReport priorPlayers;
    SeasonFileReport currentPlayers;
    SeasonFileReport priorTeams;
    std::size_t departed = 0;
    std::size_t arrivals = 0;
};

// Compares the seasons named by the prior and current folder boxes: fills
// the departed list with every prior-season player missing from the current
// season (with his prior-season team) and the arrivals list with every
// current-season player missing from the prior season, then both count
// boxes. A file that cannot be read simply contributes no records.
ComparisonReport CompareSeasons(FormControls& form);

}  // namespace trelvane
