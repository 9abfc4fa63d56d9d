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

// A movable global block, as the clipboard takes it; freed unless released
// to the clipboard, which then owns it.
using UniqueGlobal = UniqueAny<HGLOBAL, &GlobalFree>;

// The clipboard, opened for this window and closed again when the owner
// goes. Neither copied nor moved: only the window that opened it closes it.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) noexcept : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    explicit operator bool() const noexcept { return open_; }

private:
    bool open_;
};

}  // namespace trelvane
