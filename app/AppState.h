#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

#include "ControlIds.h"

namespace trelvane {

// The process-wide values of the one user-interface thread.
struct AppState {
    HINSTANCE module = nullptr;
    std::string richEditClass;    // "RichEdit50W", "RichEdit20A", "RichEdit" or empty
    HWND mainForm = nullptr;      // from the form's WM_CREATE to its WM_DESTROY
    HWND activeForm = nullptr;    // the form last activated; null while none is active
    std::int32_t formResult = 0;  // what the message loop returns: the exit code
    // Window handle of each control, indexed by identifier - 1000.
    std::array<HWND, control_id::kLast - control_id::kFirst + 1> controls{};
};

extern AppState gApp;

}  // namespace trelvane
