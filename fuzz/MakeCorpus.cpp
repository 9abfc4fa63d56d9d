// trelvane-fuzz-corpus FOLDER: writes the fuzzers' seed corpus, one folder
// per fuzzer, in the layouts of FuzzInput.h. The corpus in the repository
// was made with it; run it again after changing a layout.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "DemoSeasons.h"
#include "FuzzInput.h"
#include "SeasonRecords.h"
#include "SeasonWriter.h"

namespace {

namespace fs = std::filesystem;
using namespace trelvane;
using namespace trelvane::tools;

bool Put(const fs::path& folder, const std::string& name, const std::string& bytes) {
    fs::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string AsText(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

std::string Players(const std::vector<PlayerEntry>& players) {
    std::string file;
    for (const PlayerEntry& player : players) file += AsText(EncodePlayer(player));
    return file;
}

std::string Teams(const std::vector<TeamEntry>& teams) {
    std::string file;
    for (const TeamEntry& team : teams) file += AsText(EncodeTeam(team));
    return file;
}

std::string Season(const std::string& prior, const std::string& current, const std::string& teams) {
    return fuzz::JoinSeasonInput({prior, current, teams});
}

bool WriteSeasonSeeds(const fs::path& folder) {
    bool ok = true;
    const SeasonPair demo = MakeDemoSeasons({.seed = 7, .players = 8, .teams = 2});
    ok &= Put(folder, "demo",
              Season(Players(demo.prior.players), Players(demo.current.players), Teams(demo.prior.teams)));

    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    const std::string edges = Players({{10000, "Ten", "Thousand"},
                                       {10001, "First", "Taken"},
                                       {50000, "Last", "One"},
                                       {50001, "Too", "High"},
                                       {kMin, "Lowest", "Id"},
                                       {kMax, "Highest", "Id"},
                                       {20000, "Deleted", "Rec", 1},
                                       {12000, "Maximilianusz", "X"}});
    const std::string rosters = Teams({{1, "Northport", "Gulls", {10000, 10001, 50000, 50001, -1, kMin, kMax, 12000}},
                                       {0, "Number", "Zero", {20000}},
                                       {-3, "Negative", "Team", {10001}}});
    ok &= Put(folder, "identifier-edges", Season(edges, Players({{12000, "Other", "Name"}}), rosters));

    // Files that end inside a record, one byte short of the examined part and
    // one byte past a record.
    const std::string one = Players({{12345, "Jan", "Doe"}});
    ok &= Put(folder, "short-records",
              Season(one + one.substr(0, 100), one.substr(0, kPlayerExaminedLength - 1),
                     Teams({{1, "A", "B", {12345}}}).substr(0, 500)));
    ok &= Put(folder, "one-byte-over", Season(one + "\x01", one.substr(0, 663), Teams({{2, "C", "D", {12345}}}) + "x"));

    // Texts with no terminating zero anywhere in the examined part.
    std::string nameless(kPlayerRecordLength, 'n');
    nameless[0] = nameless[1] = 0;
    nameless[8] = 0x39, nameless[9] = 0x30, nameless[10] = 0, nameless[11] = 0;  // 12345
    std::string teamless(kTeamRecordLength, 't');
    teamless[0] = teamless[1] = 0;
    teamless[8] = 1, teamless[9] = 0;
    ok &= Put(folder, "unterminated-texts", Season(nameless, "", teamless));
    ok &= Put(folder, "empty", Season("", "", ""));
    return ok;
}

bool WriteSettingsSeeds(const fs::path& folder) {
    const std::vector<std::pair<std::string, std::string>> seeds = {
        {"written", "\"C:\\KOV11\",\"\",\"D:\\Seasons\\2025, spring\"\r\n"},
        {"crlf-lines", "C:\\KOV11\r\nC:\\KOV11\\2024\r\nC:\\KOV11\\2025\r\n"},
        {"lf-lines", "a\nb\nc\n"},
        {"cr-lines", "a\rb\rc"},
        {"commas", "a,b,c"},
        {"spaces-tabs", "  a , b,\"c\"\r\n\tx\ty"},
        {"end-mark", "a,\x1A,b,c"},
        {"end-mark-quoted", "\"a\x1A\",b"},
        {"unterminated", "\"unterminated, with \r\n line end"},
        {"quotes-only", "\"\"\"\"\"\""},
        {"after-quote", "\"a\"b,c"},
        {"zero-bytes", std::string("\"a\0b\",c\0,d", 11)},
        {"empty", ""},
    };
    bool ok = true;
    for (const auto& [name, bytes] : seeds) ok &= Put(folder, name, bytes);
    return ok;
}

std::string FontSeed(std::int32_t logPixelsY, std::uint32_t major, std::uint32_t minor, const std::string& spec) {
    std::string seed;
    fuzz::PutUint32(seed, static_cast<std::uint32_t>(logPixelsY));
    fuzz::PutUint32(seed, static_cast<std::uint32_t>(logPixelsY));
    fuzz::PutUint32(seed, major);
    fuzz::PutUint32(seed, minor);
    return seed + spec;
}

bool WriteFontSeeds(const fs::path& folder) {
    const std::vector<std::pair<std::string, std::string>> seeds = {
        {"short", FontSeed(96, 10, 0, "Tahoma,10,1")},
        {"regular", FontSeed(120, 6, 1, "Courier New,8,0")},
        {"all-bits", FontSeed(144, 5, 1, "Tahoma,10,15")},
        {"half", FontSeed(96, 6, 0, "Tahoma,9.5,1")},
        {"quoted-face", FontSeed(96, 10, 0, "\"Odd, Face\",12,2")},
        {"long-form", FontSeed(96, 10, 0, "Tahoma,-16,0,0,0,700,0,0,0,0,0")},
        {"long-form-italic", FontSeed(120, 10, 0, "Arial,-13,0,0,0,400,255,1,1,0,0,0")},
        {"face-only", FontSeed(96, 5, 0, "Tahoma")},
        {"exponent", FontSeed(96, 10, 0, "Tahoma,1e3,-2.5e-1")},
        {"no-screen", FontSeed(0, 10, 0, "Tahoma,-16,0,0,0,700,0,0,0,0,0")},
        {"empty", FontSeed(96, 10, 0, "")},
    };
    bool ok = true;
    for (const auto& [name, bytes] : seeds) ok &= Put(folder, name, bytes);
    return ok;
}

std::string AnchorSeed(const std::vector<std::int32_t>& rects, const std::string& spec) {
    std::string seed;
    for (const std::int32_t value : rects) fuzz::PutUint32(seed, static_cast<std::uint32_t>(value));
    return seed + spec;
}

bool WriteAnchorSeeds(const fs::path& folder) {
    const std::vector<std::int32_t> grown = {0, 0, 600, 400, 0, 0, 900, 600, 60, 40, 160, 70};
    const std::vector<std::int32_t> shrunk = {0, 0, 10, 400, 0, 0, 10, 200, 0, 13, 10, 20};
    const std::vector<std::int32_t> empty = {0, 0, 0, 0, 0, 0, 900, 600, 60, 40, 160, 70};
    const std::vector<std::pair<std::string, std::string>> seeds = {
        {"scale", AnchorSeed(grown, "S,S,S,S")},
        {"fixed", AnchorSeed(grown, "FL,FT,FR,FB")},
        {"right", AnchorSeed(grown, " fr , ft ,fr,ft")},
        {"centred", AnchorSeed(grown, "F50,FT,F50,FT")},
        {"percent", AnchorSeed(grown, "F25,F0,F25,F100")},
        {"unknown", AnchorSeed(grown, "S,S,S,X")},
        {"short", AnchorSeed(grown, "S,S,S")},
        {"long", AnchorSeed(grown, "F50 , F50 , F50 , F50 , extra text")},
        {"quoted", AnchorSeed(grown, "\"S,S\",FT,F1e3,FB")},
        {"halves", AnchorSeed(shrunk, "S,S,S,S")},
        {"empty-parent", AnchorSeed(empty, "S,S,S,S")},
        {"empty-parent-fixed", AnchorSeed(empty, "FR,FB,FR,FB")},
    };
    bool ok = true;
    for (const auto& [name, bytes] : seeds) ok &= Put(folder, name, bytes);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: trelvane-fuzz-corpus FOLDER\n", stderr);
        return 2;
    }
    const fs::path root = argv[1];
    const bool ok = WriteSeasonSeeds(root / "season_comparison") && WriteSettingsSeeds(root / "settings_fields") &&
                    WriteFontSeeds(root / "font_spec") && WriteAnchorSeeds(root / "anchor_spec");
    if (!ok) std::fprintf(stderr, "trelvane-fuzz-corpus: cannot write the corpus under %s\n", root.string().c_str());
    return ok ? 0 : 1;
}
