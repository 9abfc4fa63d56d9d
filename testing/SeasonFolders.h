#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "DemoSeasons.h"
#include "LineBatch.h"
#include "SeasonRecords.h"
#include "SeasonWriter.h"
#include "TempFolder.h"

namespace trelvane::testing {

using Bytes = std::vector<std::uint8_t>;

// The bytes of a player or team file holding these records, in order.
inline Bytes Players(const std::vector<tools::PlayerEntry>& players, Bytes file = {}) {
    for (const auto& player : players) std::ranges::copy(tools::EncodePlayer(player), std::back_inserter(file));
    return file;
}
inline Bytes Teams(const std::vector<tools::TeamEntry>& teams) {
    Bytes file;
    for (const auto& team : teams) std::ranges::copy(tools::EncodeTeam(team), std::back_inserter(file));
    return file;
}

// A list's lines, to compare with what a list box or a file holds.
inline std::vector<std::string> AsStrings(const LineBatch& batch) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < batch.Count(); ++i) lines.emplace_back(batch[i]);
    return lines;
}

// A fresh pair of season folders, prior/ and current/, removed afterwards.
class SeasonFolders {
public:
    SeasonFolders() {
        std::filesystem::create_directories(prior);
        std::filesystem::create_directories(current);
    }

    // Writes a comparison's files; the current team file only when given.
    bool Write(const Bytes& priorPlayers, const Bytes& currentPlayers, const Bytes& priorTeams = {},
               const Bytes* currentTeams = nullptr) const {
        return tools::WriteBytes(prior / kPlayerFileName, priorPlayers) &&
               tools::WriteBytes(current / kPlayerFileName, currentPlayers) &&
               tools::WriteBytes(prior / kTeamFileName, priorTeams) &&
               (!currentTeams || tools::WriteBytes(current / kTeamFileName, *currentTeams));
    }
    bool Write(const tools::SeasonPair& seasons) const {
        return tools::WriteSeason(prior, seasons.prior) && tools::WriteSeason(current, seasons.current);
    }

    TempFolder root;
    std::filesystem::path prior = root / "prior";
    std::filesystem::path current = root / "current";
};

}  // namespace trelvane::testing
