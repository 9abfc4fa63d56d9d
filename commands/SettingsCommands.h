#pragma once

#include <windows.h>

#include <cstdint>

#include "CommandArgs.h"
#include "ReplaceFile.h"

namespace trelvane {

// Fills the three folder boxes from the settings file in the current
// directory. No file (or a folder of that name): the boxes stay as they
// are. A file that cannot be read sets all three boxes empty; one with
// fewer fields sets the missing ones empty. Returns 0.
std::int32_t LoadSettings(HWND form);

// Writes the three folder boxes to the settings file, replacing the old
// one whole or not at all. When the file could not be read at the last
// load and all three boxes are still empty, it is left as it was: those
// empty boxes are not the user's choice.
FileWriteResult SaveSettings(HWND form);

// "Exit": saves the settings and ends the process at once with exit code 0;
// a failed save is told in a message box first. No further window message
// is handled.
[[noreturn]] std::int32_t SaveSettingsAndEnd(const CommandArgs& args);

}  // namespace trelvane
