#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// How the fuzzers cut their input into parts (each fuzzer's first comment
// gives its layout); the seeds in fuzz/corpus follow the same layouts.
namespace trelvane::fuzz {

// A broken promise of the code under test: report it and stop, so that
// libFuzzer keeps the input.
inline void Check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

// Season comparison: the prior and current player files and the prior team
// file, after two lengths.
//   uint32 prior player file length, uint32 current player file length,
//   prior player file, current player file, team file (the rest)
// Lengths larger than what is left take what is left.
struct SeasonInput {
    std::string_view priorPlayers, currentPlayers, priorTeams;
};
inline SeasonInput CutSeasonInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const auto take = [&rest](std::size_t count) {
        const std::string_view part = rest.substr(0, count);
        rest.remove_prefix(part.size());
        return part;
    };
    // Little-endian; bytes the input does not have read as zero.
    const auto length = [&take] {
        std::uint32_t value = 0;
        int shift = 0;
        for (const char byte : take(4)) {
            value |= std::uint32_t{static_cast<unsigned char>(byte)} << shift;
            shift += 8;
        }
        return value;
    };
    const std::uint32_t priorLength = length(), currentLength = length();
    return {take(priorLength), take(currentLength), rest};  // braces read in order
}

}  // namespace trelvane::fuzz
