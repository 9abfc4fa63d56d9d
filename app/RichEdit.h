#pragma once

#include <windows.h>

#include <string>

#include "WinHandles.h"

namespace trelvane {

// Loads the newest rich-edit library there is and names its window class.
// Returns 1 when one was loaded, 0 when none could be (library empty, class
// name untouched), E_INVALIDARG without trying when a place is missing.
HRESULT LoadRichEdit(UniqueLibrary* library, std::string* className);

}  // namespace trelvane
