#pragma once

#include <string>
#include <string_view>

namespace trelvane {

// Replaces the file at path with bytes, all or nothing: the bytes go to a
// new file in the same folder, which then takes the old file's place. On
// any failure (disk full, read-only or locked file, a folder of that name)
// the old file stays byte for byte and the new one is removed.
bool ReplaceFileContents(const std::wstring& path, std::string_view bytes);

// Whether path names an existing file marked read-only. Windows refuses to
// write such a file, but not every system that runs Windows programs does
// (Wine run as root writes it), so writers ask first.
bool IsReadOnlyFile(const std::wstring& path);

}  // namespace trelvane
