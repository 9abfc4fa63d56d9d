#pragma once

#include <windows.h>

#include <string>

namespace trelvane {

// Every line of a list box as it shows it, each ended by CR LF.
std::wstring ListText(HWND list);

// Puts data on the open clipboard, as SetClipboardData does; tests pass one
// that fails as it may.
using ClipboardSetter = HANDLE(WINAPI*)(UINT format, HANDLE data);

// Puts every line of the list on the clipboard as Unicode text, each ended
// by CR LF, for the form. A clipboard that another program holds open is
// waited for about a second. False when the clipboard could not be had;
// then the text the user had on it is still there.
bool CopyListLines(HWND form, HWND list, ClipboardSetter set = SetClipboardData);

}  // namespace trelvane
