#pragma once

#include <windows.h>

namespace trelvane {

// Moves a dialog, without resizing it, so that its top-left corner is offset
// pixels right of and below the form's outer top-left corner, and brings it
// to the front: the dialogs open over the form rather than wherever the
// system puts them.
inline void PlaceByForm(HWND dialog, HWND form, int offset) {
    RECT rect;
    if (GetWindowRect(form, &rect)) {
        SetWindowPos(dialog, nullptr, rect.left + offset, rect.top + offset, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    SetForegroundWindow(dialog);
}

}  // namespace trelvane
