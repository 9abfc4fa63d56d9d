#pragma once

#include <windows.h>

#include <optional>

namespace trelvane {

// A form's answer to WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN and
// WM_CTLCOLORSTATIC (hdc = wParam, control = lParam), from the control's
// record, or the focused window's when the control has none. Sets the text
// and background colours of hdc; edit boxes paint opaque (a disabled one in
// the button face colour), everything else transparent. Returns the brush
// (borrowed: the record or Windows owns it), or nothing when the message is
// for default processing: no record, or colours off.
std::optional<HBRUSH> ControlColours(HDC hdc, HWND control);

// EnumChildWindows callback for WM_SYSCOLORCHANGE and WM_THEMECHANGED: a
// record with colours on and a system background colour takes the current
// system brush of that colour (deleting a brush of its own). Always TRUE.
BOOL CALLBACK RefreshSysColors(HWND hwnd, LPARAM lParam);

}  // namespace trelvane
