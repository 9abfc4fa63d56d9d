#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include <string_view>
#include "FileProblems.h"

namespace trelvane {

// Writes all of bytes to an open file; false when they did not all go.
using FileWriter = bool (*)(HANDLE file, std::string_view bytes);
bool WriteAllBytes(HANDLE file, std::string_view bytes);

// The full path of path; path itself when the system gives none.
std::wstring FullPath(const std::wstring& path);

// Puts replacement in replaced's place, moving replaced to backup: the
// system's ReplaceFileW. Tests pass one that fails as Windows may, part way.
using FileReplacer = bool (*)(const std::wstring& replaced, const std::wstring& replacement,
                              const std::wstring& backup);
bool ReplaceWithBackup(const std::wstring& replaced, const std::wstring& replacement, const std::wstring& backup);

struct FileWriteResult {
    Problem problem;  // why the file was not written; empty when it was
    // Where the new and the old content are kept when a replace failed part
    // way and they could not be put back (UTF-8); empty when nothing changed.
    // A file written whose old content could not be deleted afterwards
    // names where it is left in oldContentIn.
    std::string newContentIn = {};
    std::string oldContentIn = {};
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
// left. A hold by another program that lasts under a second is waited out.
// Should Windows fail part way through the swap, the complete new file
// takes the place if it can, the old one goes back if it can, and else both
// are kept and the result says where: the only copy is never deleted.
// write puts the bytes into the new file; tests pass one that fails as a
// full disk does.
// Why ReplaceFileContents would refuse path before writing a byte (a path
// too long, an old file that cannot be replaced, a folder that is missing or
// refuses new files); empty when it would go ahead. It makes and deletes an
// empty file beside path to learn it.
Problem ProblemReplacing(const std::wstring& path);
FileWriteResult ReplaceFileContents(const std::wstring& path, const FileContent& content,
                                    FileWriter write = WriteAllBytes, FileReplacer replace = ReplaceWithBackup);
FileWriteResult ReplaceFileContents(const std::wstring& path, std::string_view bytes, FileWriter write = WriteAllBytes,
                                    FileReplacer replace = ReplaceWithBackup);

}  // namespace trelvane
