#include "ProcessMemory.h"

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <fstream>
#include <string>
#endif

namespace trelvane::tools {

#ifdef _WIN32
MemoryUse CurrentMemoryUse() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return {};
    return {counters.WorkingSetSize, counters.PeakWorkingSetSize};
}
#else
// Linux: "VmRSS:  1234 kB" and "VmHWM:  5678 kB" in /proc/self/status.
MemoryUse CurrentMemoryUse() {
    MemoryUse use;
    std::ifstream status("/proc/self/status");
    std::string key;
    std::uint64_t kilobytes = 0;
    while (status >> key) {
        if (key == "VmRSS:" && status >> kilobytes) use.resident = kilobytes * 1024;
        if (key == "VmHWM:" && status >> kilobytes) use.peak = kilobytes * 1024;
    }
    return use;
}
#endif

}  // namespace trelvane::tools
