#pragma once

// Windows only: retrying a file operation that another program holds up
// for a moment.
#include <windows.h>

namespace trelvane {

// Virus scanners, the search indexer, cloud sync and backup tools open a
// file for a few milliseconds after it is written or closed. An operation
// that meets such a hold fails with a sharing or lock violation, or with
// access denied (a file being deleted or scanned), though nothing is wrong.
inline bool IsBriefHoldError(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
}

// Runs attempt until it succeeds (its result tests true), fails for another
// reason, or about a second has passed; the last error is attempt's own.
template <class Attempt> auto RetryBriefHolds(Attempt attempt) {
    constexpr int kTries = 20;
    constexpr DWORD kPauseMs = 50;
    for (int tries = 1;; ++tries) {
        auto result = attempt();
        if (result || tries == kTries) return result;
        const DWORD error = GetLastError();
        if (!IsBriefHoldError(error)) return result;
        Sleep(kPauseMs);
        SetLastError(error);
    }
}

}  // namespace trelvane
