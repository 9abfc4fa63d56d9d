#pragma once

#include <string_view>

namespace trelvane {

// The file the window keeps its three folders in, in the folder it starts in.
inline constexpr char kSettingsFileName[] = "Trelvane.txt";

// Why a list may not be saved under the file name of path, whatever its
// folder and letter case: the game's season files (which the game may still
// create) and the window's settings file. Empty when the name is free.
std::string_view RefusedExportName(std::string_view path);

}  // namespace trelvane
