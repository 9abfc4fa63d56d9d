#pragma once

#include <windows.h>

#include <cstdint>

#include "CommandArgs.h"

namespace trelvane {

// Fills the three folder boxes from the settings file in the current
// directory. No file (or a folder of that name): the boxes stay as they
// are. A file that cannot be opened or has fewer fields: the missing
// fields set their boxes empty. Returns 0.
std::int32_t LoadSettings(HWND form);

// Writes the three folder boxes to the settings file, replacing the old
// one whole or not at all. Returns whether the file was written.
bool SaveSettings(HWND form);

// "Exit": saves the settings and ends the process at once with exit code 0,
// whether or not the save succeeded; no further window message is handled.
[[noreturn]] std::int32_t SaveSettingsAndEnd(const CommandArgs& args);

}  // namespace trelvane
