#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// How the fuzzers cut their input into parts (each fuzzer's first comment
// gives its layout); the seeds in fuzz/corpus follow the same layouts.
namespace trelvane::fuzz {

// Reads little-endian integers from the front of the input; what the input
// does not have reads as zero.
class InputReader {
public:
    InputReader(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    std::uint32_t Uint32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4 && !rest_.empty(); ++i) {
            value |= std::uint32_t{static_cast<unsigned char>(rest_.front())} << (8 * i);
            rest_.remove_prefix(1);
        }
        return value;
    }

    // At most count bytes.
    std::string_view Bytes(std::size_t count) {
        const std::string_view part = rest_.substr(0, count);
        rest_.remove_prefix(part.size());
        return part;
    }
    std::string_view Rest() { return Bytes(rest_.size()); }

private:
    std::string_view rest_;
};

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
    InputReader in(data, size);
    const std::uint32_t priorLength = in.Uint32(), currentLength = in.Uint32();
    return {in.Bytes(priorLength), in.Bytes(currentLength), in.Rest()};  // braces read in order
}

}  // namespace trelvane::fuzz
