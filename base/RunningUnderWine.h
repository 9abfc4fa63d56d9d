#pragma once

// Windows only: whether the program runs under Wine rather than Windows.
#include <windows.h>

namespace trelvane {

// Wine's ntdll exports its version; Windows' does not. A workaround for a
// quirk of Wine runs only where this is true.
inline bool RunningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace trelvane
