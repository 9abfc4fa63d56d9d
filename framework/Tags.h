#pragma once

#include <windows.h>

#include <string_view>

namespace trelvane {

// Two free text tags per window, kept as zero-terminated copies on the
// process heap under "KEL_TAGPROPERTY" and "KEL_TAGPROPERTY2". Setting a tag
// again frees the previous copy; a handle that is not a window is left
// alone. The window owns the copies: ControlProc and DestroyFormRecord free
// them on WM_DESTROY. A window that neither runs ControlProc nor is a form
// must call ReleaseTags itself.
void SetTag(HWND hwnd, std::string_view text);
void SetTag2(HWND hwnd, std::string_view text);

// Frees both tags of hwnd and removes their properties.
void ReleaseTags(HWND hwnd);

}  // namespace trelvane
