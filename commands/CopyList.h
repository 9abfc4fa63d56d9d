#pragma once

#include <windows.h>

#include <string>

namespace trelvane {

// Every line of a list box as it shows it, each ended by CR LF.
std::wstring ListText(HWND list);

// Puts every line of the list on the clipboard as Unicode text, each ended
// by CR LF, for the form. False when the clipboard could not be had.
bool CopyListLines(HWND form, HWND list);

}  // namespace trelvane
