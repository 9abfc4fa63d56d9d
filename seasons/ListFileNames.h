#pragma once

#include <string_view>

#include "FileProblems.h"

namespace trelvane {

// The file the window keeps its three folders in, in the folder it starts in.
inline constexpr char kSettingsFileName[] = "Trelvane.txt";

// Why a list may not be saved under the file name of path, whatever its
// folder and letter case: the game's season files (which the game may still
// create), the window's settings file, and on Windows a device name; kNone
// when the name is free.
FileProblem RefusedExportName(std::string_view path);

// Whether Windows opens a device for the file name (UTF-8), in any folder:
// CON, PRN, AUX, NUL, COM0-9 and LPT0-9 (also with a superscript 1, 2 or 3),
// in any letter case, with or without an extension, trailing dots or
// blanks; CONIN$ and CONOUT$. Writing a list there prints it or drops it.
bool IsWindowsDeviceName(std::string_view name);

}  // namespace trelvane
