#pragma once

#include <string>

namespace trelvane {

// The words of FileProblems.h for a Windows error code met opening path;
// the system's own words for any other.
std::string FileProblemOfError(unsigned long error, const std::wstring& path);

// Whether a folder is at path.
bool IsFolder(const std::wstring& path);

}  // namespace trelvane
