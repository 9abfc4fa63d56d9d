#pragma once

#include <windows.h>

#include <filesystem>

#include "UniqueAny.h"

namespace trelvane::testing {

// A file held open with no sharing, as another program may hold it.
using HeldFile = UniqueAny<HANDLE, &CloseHandle>;

inline HeldFile Hold(const std::filesystem::path& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    return HeldFile(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

}  // namespace trelvane::testing
