#pragma once

#include <windows.h>

#include <filesystem>
#include <thread>

#include "UniqueAny.h"

namespace trelvane::testing {

// A file held open with no sharing, as another program may hold it.
using HeldFile = UniqueAny<HANDLE, &CloseHandle>;

inline HeldFile Hold(const std::filesystem::path& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    return HeldFile(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

// Lets the file go after ms milliseconds, on a thread of its own, as a
// virus scanner lets a file go once it has looked at it.
inline std::jthread LetGoAfter(HeldFile& held, DWORD ms) {
    return std::jthread([&held, ms] {
        Sleep(ms);
        held.reset();
    });
}

}  // namespace trelvane::testing
