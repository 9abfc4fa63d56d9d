#pragma once

#include <cstdint>

namespace trelvane::tools {

// This process's memory in bytes: what it holds now and the most it has
// held since it started. Both are 0 where the system cannot say.
struct MemoryUse {
    std::uint64_t resident = 0;
    std::uint64_t peak = 0;
};
MemoryUse CurrentMemoryUse();

}  // namespace trelvane::tools
