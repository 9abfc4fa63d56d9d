#pragma once

#include <string>

#include "FileProblems.h"

namespace trelvane {

// The reason for a Windows error code met opening, replacing or writing
// path: the one table for them; any other error keeps the system's words.
Problem FileProblemOfError(unsigned long error, const std::wstring& path);

// Whether a folder is at path.
bool IsFolder(const std::wstring& path);

}  // namespace trelvane
