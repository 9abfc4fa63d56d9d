#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

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
    std::span<const std::uint8_t> priorPlayers, currentPlayers, priorTeams;
};
inline SeasonInput CutSeasonInput(const std::uint8_t* data, std::size_t size) {
    std::span<const std::uint8_t> rest(data, size);
    const auto take = [&rest](std::size_t count) {
        const std::span<const std::uint8_t> part = rest.first(std::min(count, rest.size()));
        rest = rest.subspan(part.size());
        return part;
    };
    // Little-endian; bytes the input does not have read as zero.
    const auto length = [&take] {
        std::uint32_t value = 0;
        int shift = 0;
        for (const std::uint8_t byte : take(4)) {
            value |= std::uint32_t{byte} << shift;
            shift += 8;
        }
        return value;
    };
    const std::uint32_t priorLength = length(), currentLength = length();
    return {take(priorLength), take(currentLength), rest};  // braces read in order
}

}  // namespace trelvane::fuzz
