#pragma once

#include <windows.h>

#include "UniqueAny.h"

namespace trelvane {

// A file handle from CreateFileW. Hold only successful results:
// CreateFileW reports failure as INVALID_HANDLE_VALUE, not as null.
using UniqueFile = UniqueAny<HANDLE, &CloseHandle>;

inline UniqueFile OpenedFile(HANDLE handle) { return UniqueFile(handle == INVALID_HANDLE_VALUE ? nullptr : handle); }

// A directory search from FindFirstFileW, which also fails with
// INVALID_HANDLE_VALUE.
using UniqueSearch = UniqueAny<HANDLE, &FindClose>;

inline UniqueSearch StartedSearch(HANDLE handle) {
    return UniqueSearch(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

}  // namespace trelvane
