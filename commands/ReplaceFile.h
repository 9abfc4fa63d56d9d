#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace trelvane {

// Writes all of bytes to an open file; false when they did not all go.
using FileWriter = bool (*)(HANDLE file, std::string_view bytes);
bool WriteAllBytes(HANDLE file, std::string_view bytes);

// The full path of path; path itself when the system gives none.
std::wstring FullPath(const std::wstring& path);

struct FileWriteResult {
    std::string problem;  // why the file was not written, in plain words; empty when it was
    bool Written() const { return problem.empty(); }
};

// The new content of a file, handed to put piece by piece; false as soon as
// put is.
using PutBytes = std::function<bool(std::string_view)>;
using FileContent = std::function<bool(const PutBytes& put)>;

// Replaces the file at path (or creates it), all or nothing: the content
// goes to a new file in the same folder, is flushed, and then takes the old
// file's place, which keeps the old file's attributes. On any failure (disk
// full, read-only or held file, a folder of that name, a folder that
// refuses new files) the old file stays byte for byte and no new file is
// left. write puts the bytes into the new file; tests pass one that fails
// as a full disk does.
FileWriteResult ReplaceFileContents(const std::wstring& path, const FileContent& content,
                                    FileWriter write = WriteAllBytes);
FileWriteResult ReplaceFileContents(const std::wstring& path, std::string_view bytes, FileWriter write = WriteAllBytes);

}  // namespace trelvane
