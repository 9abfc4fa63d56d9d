#pragma once

#include <windows.h>

#include <string>

#include "WinHandles.h"

namespace trelvane {

// Loads the newest rich-edit library there is and names its window class.
// False when none could be loaded: the library stays empty and the class
// name untouched.
bool LoadRichEdit(UniqueLibrary& library, std::string& className);

}  // namespace trelvane
