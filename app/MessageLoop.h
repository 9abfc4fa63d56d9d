#pragma once

#include <windows.h>

#include <cstdint>

namespace trelvane {

// Shows a form and, for a modal run, pumps its messages until it is gone:
// every message passes the dialog navigation of the active form (Tab and
// Shift+Tab among the controls) before it is dispatched. A modal run
// disables the owner until the form closes and returns the form result; a
// modeless run returns the form's handle. 0 when the form has no record.
std::intptr_t RunForm(bool modal, HWND form, HWND owner, int showCommand, bool mdi);

}  // namespace trelvane
