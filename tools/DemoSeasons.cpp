#include "DemoSeasons.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace trelvane::tools {
namespace {

constexpr std::array<std::string_view, 24> kFirstNames = {
    "Jan",   "Tomas", "Aleks", "Mikko",  "Rafael", "Oskar",  "Dario", "Emil", "Jonas", "Luka", "Marek",  "Nils",
    "Pavel", "Quinn", "Rory",  "Stefan", "Teo",    "Viktor", "Wes",   "Yuri", "Bram",  "Cas",  "Anders", "Maximilian"};
constexpr std::array<std::string_view, 24> kLastNames = {
    "Doe",      "Novak", "Lindqvist", "Moreau", "Kowalski", "Brennan",   "Okafor", "Halvorsen",
    "Ferreira", "Vidal", "Keller",    "Tanaka", "Marsh",    "Duval",     "Petrov", "Sousa",
    "Ibarra",   "Holt",  "Kerr",      "Lund",   "Strand",   "Whitfield", "Costa",  "Baines"};
// Long enough that "last,first" overruns the 22-character name column.
constexpr std::array<std::string_view, 6> kLongLastNames = {"Vanderhoeven-Castellano", "Szczepanski-Oyelaran",
                                                            "Montgomery-Fairweather",  "Abernathy-Kristiansen",
                                                            "Papadopoulos-Lindgren",   "Oyelowo-Hargreaves"};
// Names in the game's Windows-1252: an accented letter, a sharp s, the euro
// sign (0x80) and a byte the code page leaves undefined (0x81).
constexpr std::array<std::string_view, 4> kWindows1252LastNames = {"K\xE9rr", "Strau\xDF", "\x80uro-Berg", "Od\x81n"};
constexpr std::array<std::string_view, 24> kPlaces = {
    "Northport", "Ashford",   "Kingsbridge", "Westmere",  "Harrow Vale", "Dunmore",    "Eastwick",    "Carrow",
    "Millbrook", "Redcliff",  "Stonehaven",  "Lakeview",  "Fairhaven",   "Oakridge",   "Brightwater", "Glenrock",
    "Marlow",    "Thornbury", "Pinecrest",   "Silverton", "Highgate",    "Rivermouth", "Coldwater",   "Elmstead"};
constexpr std::array<std::string_view, 24> kNicknames = {
    "Gulls",   "Foxes",  "Rangers", "Mariners", "Comets",    "Bears",  "Hornets", "Wolves",
    "Falcons", "Pilots", "Storm",   "Knights",  "Otters",    "Miners", "Stags",   "Ravens",
    "Lancers", "Tide",   "Owls",    "Badgers",  "Sentinels", "Herons", "Bison",   "Rockets"};

// splitmix64: the same sequence from the same seed on every compiler, which
// the standard library's distributions do not promise.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::size_t Below(std::size_t bound) { return static_cast<std::size_t>(Next() % bound); }
    bool Percent(int percent) { return Below(100) < static_cast<std::size_t>(percent); }
    template <class T> void Shuffle(std::vector<T>& items) {
        for (std::size_t i = items.size(); i > 1; --i) std::swap(items[i - 1], items[Below(i)]);
    }

private:
    std::uint64_t state_;
};

constexpr std::int32_t kFirstId = 10001;
constexpr std::int32_t kIdCount = 40000;

PlayerEntry NewPlayer(Random& random, std::int32_t id) {
    PlayerEntry player;
    player.id = id;
    player.firstName = kFirstNames[random.Below(kFirstNames.size())];
    player.lastName = random.Percent(5) ? kLongLastNames[random.Below(kLongLastNames.size())]
                                        : kLastNames[random.Below(kLastNames.size())];
    return player;
}

// One flag per identifier 10001-50000.
class IdSet {
public:
    void Add(std::int32_t id) { flags_[Index(id)] = true; }
    bool Has(std::int32_t id) const { return flags_[Index(id)]; }

private:
    static std::size_t Index(std::int32_t id) { return static_cast<std::size_t>(id - kFirstId); }
    std::vector<bool> flags_ = std::vector<bool>(kIdCount, false);
};

// Signs a player with a team that has room, if any.
void Sign(Random& random, std::vector<TeamEntry>& teams, std::int32_t id) {
    if (teams.empty()) return;
    for (std::size_t tries = 0; tries < teams.size(); ++tries) {
        TeamEntry& team = teams[random.Below(teams.size())];
        if (team.roster.size() < 80) {
            team.roster.push_back(id);
            return;
        }
    }
}

// The current season's teams: last season's rosters without the departed
// players, after an off-season of trades, releases and signings; the
// arrivals join teams too, mostly. The last team moves to another town under
// a new name and keeps its number. One player stands on two rosters.
std::vector<TeamEntry> NextSeasonTeams(Random& random, const std::vector<TeamEntry>& priorTeams,
                                       const SeasonData& prior, const std::vector<PlayerEntry>& currentPlayers) {
    IdSet stays, wasPrior, onPriorRoster;
    for (const PlayerEntry& player : currentPlayers) stays.Add(player.id);
    for (const PlayerEntry& player : prior.players) wasPrior.Add(player.id);
    for (const TeamEntry& team : priorTeams) {
        for (const std::int32_t id : team.roster) onPriorRoster.Add(id);
    }
    auto staying = [&](std::int32_t id) { return stays.Has(id); };

    std::vector<TeamEntry> teams = priorTeams;
    for (TeamEntry& team : teams) std::erase_if(team.roster, [&](std::int32_t id) { return !staying(id); });
    if (!teams.empty()) {
        teams.back().place = "Harbour City";
        teams.back().nickname = "Comets";
    }
    for (std::size_t t = 0; t < teams.size() && teams.size() > 1; ++t) {
        for (std::int32_t& id : teams[t].roster) {
            if (random.Percent(4)) {  // traded for a player of another team
                TeamEntry& other = teams[(t + 1 + random.Below(teams.size() - 1)) % teams.size()];
                if (!other.roster.empty()) std::swap(id, other.roster[random.Below(other.roster.size())]);
            }
        }
    }
    for (TeamEntry& team : teams) std::erase_if(team.roster, [&](std::int32_t) { return random.Percent(2); });
    for (const PlayerEntry& player : prior.players) {
        if (player.status == 0 && staying(player.id) && !onPriorRoster.Has(player.id) && random.Percent(50)) {
            Sign(random, teams, player.id);
        }
    }
    for (const PlayerEntry& player : currentPlayers) {
        if (!wasPrior.Has(player.id) && !random.Percent(10)) {
            Sign(random, teams, player.id);
        }
    }
    // The later roster wins, so this player counts as on the second team.
    if (teams.size() > 1 && !teams[0].roster.empty() && teams[1].roster.size() < 80) {
        teams[1].roster.push_back(teams[0].roster.front());
    }
    return teams;
}

// Puts players on rosters, leaving about one in twenty-five a free agent.
std::vector<TeamEntry> MakeTeams(Random& random, int teamCount, const std::vector<PlayerEntry>& players) {
    std::vector<TeamEntry> teams(static_cast<std::size_t>(teamCount));
    for (std::size_t t = 0; t < teams.size(); ++t) {
        teams[t].number = static_cast<std::int16_t>(t + 1);
        teams[t].place = kPlaces[t % kPlaces.size()];
        teams[t].nickname = kNicknames[(t * 7 + t / kPlaces.size()) % kNicknames.size()];
    }
    std::vector<std::int32_t> ids;
    for (const PlayerEntry& player : players) {
        if (player.status == 0 && !random.Percent(4)) ids.push_back(player.id);
    }
    random.Shuffle(ids);
    for (std::size_t i = 0; i < ids.size() && !teams.empty(); ++i) {
        TeamEntry& team = teams[i % teams.size()];
        if (team.roster.size() < 80) team.roster.push_back(ids[i]);
    }
    return teams;
}

}  // namespace

SeasonPair MakeDemoSeasons(const DemoOptions& options) {
    Random random(options.seed);
    std::vector<bool> used(kIdCount + 1, false);
    auto freshId = [&] {
        std::int32_t id;
        do id = kFirstId + static_cast<std::int32_t>(random.Below(kIdCount));
        while (used[static_cast<std::size_t>(id - kFirstId)]);
        used[static_cast<std::size_t>(id - kFirstId)] = true;
        return id;
    };
    const int players = std::clamp(options.players, 0, kIdCount / 2);

    SeasonPair pair;
    for (int i = 0; i < players; ++i) {
        PlayerEntry player = NewPlayer(random, freshId());
        if (static_cast<std::size_t>(i) < kWindows1252LastNames.size() || random.Percent(2)) {
            const std::size_t pick = static_cast<std::size_t>(i) < kWindows1252LastNames.size()
                                         ? static_cast<std::size_t>(i)
                                         : random.Below(kWindows1252LastNames.size());
            player.lastName = kWindows1252LastNames[pick];
        }
        pair.prior.players.push_back(player);
    }
    // Retired records: in the file, but never listed.
    for (int i = 0; i < players / 100; ++i) {
        PlayerEntry retired = NewPlayer(random, freshId());
        retired.status = 1;
        pair.prior.players.push_back(retired);
    }
    for (const PlayerEntry& player : pair.prior.players) {
        if (player.status == 0 && !random.Percent(options.departedPercent)) pair.current.players.push_back(player);
    }
    const int arrivals = players * std::clamp(options.arrivalsPercent, 0, 100) / 100;
    for (int i = 0; i < arrivals; ++i) pair.current.players.push_back(NewPlayer(random, freshId()));

    pair.prior.teams = MakeTeams(random, options.teams, pair.prior.players);
    // A player on two prior rosters: the later team is his.
    if (pair.prior.teams.size() > 2 && !pair.prior.teams[2].roster.empty() && pair.prior.teams[1].roster.size() < 80) {
        pair.prior.teams[1].roster.push_back(pair.prior.teams[2].roster.back());
    }
    pair.current.teams = NextSeasonTeams(random, pair.prior.teams, pair.prior, pair.current.players);
    return pair;
}

SeasonPair MakeRangeSeasons(const RangeOptions& options) {
    Random random(options.priorFirst * 31 + options.currentLast);
    auto season = [&](std::int32_t first, std::int32_t last) {
        SeasonData data;
        for (std::int32_t id = first; id <= last; ++id) data.players.push_back(NewPlayer(random, id));
        data.teams.resize(static_cast<std::size_t>(std::max(options.teams, 0)));
        for (std::size_t t = 0; t < data.teams.size(); ++t) {
            data.teams[t].number = static_cast<std::int16_t>(t + 1);
            data.teams[t].place = kPlaces[t % kPlaces.size()];
            data.teams[t].nickname = kNicknames[t / kPlaces.size() % kNicknames.size()];
        }
        for (std::size_t i = 0; i < data.players.size() && !data.teams.empty(); ++i) {
            TeamEntry& team = data.teams[i % data.teams.size()];
            if (team.roster.size() < 80) team.roster.push_back(data.players[i].id);
        }
        return data;
    };
    return {season(options.priorFirst, options.priorLast), season(options.currentFirst, options.currentLast)};
}

}  // namespace trelvane::tools
