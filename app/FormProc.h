#pragma once

#include <windows.h>

namespace trelvane {

// The main form's window procedure: sets the form up on WM_CREATE, keeps
// the controls anchored on WM_SIZE, colours them, runs the command of a
// clicked button and tears the form down on WM_DESTROY.
LRESULT CALLBACK FormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace trelvane
