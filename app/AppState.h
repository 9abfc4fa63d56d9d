#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "ControlIds.h"

namespace trelvane {

// The process-wide values of the one user-interface thread.
struct AppState {
    HINSTANCE module = nullptr;
    std::string richEditClass;  // "RichEdit50W", "RichEdit20A", "RichEdit" or empty
    // From the form's WM_CREATE to its WM_DESTROY. Kept as the program's
    // record of its main form though nothing reads it: controls are found
    // by the form and their identifier.
    HWND mainForm = nullptr;
    HWND activeForm = nullptr;    // the form last activated; null while none is active
    std::int32_t formResult = 0;  // what the message loop returns: the exit code
};

extern AppState gApp;

}  // namespace trelvane
