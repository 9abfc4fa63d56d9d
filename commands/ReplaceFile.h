#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace trelvane {

// Writes all of bytes to an open file; false when they did not all go.
using FileWriter = bool (*)(HANDLE file, std::string_view bytes);
bool WriteAllBytes(HANDLE file, std::string_view bytes);

// Replaces the file at path with bytes, all or nothing: the bytes go to a
// new file in the same folder, which then takes the old file's place. On
// any failure (disk full, read-only or locked file, a folder of that name)
// the old file stays byte for byte and the new one is removed. write puts
// the bytes into the new file; tests pass one that fails as a full disk does.
bool ReplaceFileContents(const std::wstring& path, std::string_view bytes, FileWriter write = WriteAllBytes);

// Whether path names an existing file marked read-only. Windows refuses to
// write such a file, but not every system that runs Windows programs does
// (Wine run as root writes it), so writers ask first.
bool IsReadOnlyFile(const std::wstring& path);

}  // namespace trelvane
