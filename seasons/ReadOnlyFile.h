#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "FileProblems.h"
#include "UniqueAny.h"

namespace trelvane {

namespace release {
void CloseFile(std::intptr_t file);
}

// A file opened for reading only, sharing read access with other readers,
// and only if it already exists: the game's folders are never written, a
// read-only season file is still read, and the same file may be open twice.
class ReadOnlyFile {
public:
    // Opens path (in UTF-8 on Windows); on failure the file stays closed and Problem() says why,
    // in plain words (see FileProblems.h) where the cause is a common one.
    static ReadOnlyFile Open(const std::string& path);

    bool IsOpen() const { return static_cast<bool>(file_); }
    // The path opened: the one given, with the file's own name in its own
    // letter case (kovplyr.dat where KOVPLYR.DAT was asked for).
    const std::string& OpenedPath() const { return openedPath_; }
    // Why the open failed or the last read stopped early; empty otherwise.
    const trelvane::Problem& Problem() const { return problem_; }

    // Reads up to buffer.size() bytes starting at offset and returns how many
    // came. Fewer than asked means the end of the file, or a read error (then
    // Problem() is set).
    std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer);

    void Close() { file_.reset(); }

private:
    // A file descriptor, or a Windows HANDLE; -1 when closed on both.
    UniqueAny<std::intptr_t, release::CloseFile, -1> file_;
    trelvane::Problem problem_;
    std::string openedPath_;
};

// Which file a path leads to, however it is spelt: the device and inode,
// or on Windows the volume serial number and the file system's 128-bit
// file id. Where a Windows file system has no id for it (zero, or not
// supported), the file's final path (links resolved, its names as stored)
// stands in for the id.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::array<std::uint8_t, 16> file = {};
    std::string finalPath = {};
    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file or folder at path (UTF-8 on Windows), links
// followed; nothing when there is none. A name that is not there is looked
// for whatever its letter case, as Open does, so that on Linux a folder
// copied from Windows answers as it would there.
std::optional<FileIdentity> FileIdentityOf(const std::string& path);

// Whether the two folder texts lead to one folder, however spelt.
inline bool SameFolder(const std::string& prior, const std::string& current) {
    if (prior.empty() || current.empty()) return false;
    const auto priorIdentity = FileIdentityOf(prior);
    return priorIdentity && priorIdentity == FileIdentityOf(current);
}

#ifdef _WIN32
// The volume serial number and file id of an open file (a HANDLE), as
// GetFileInformationByHandleEx gives them; nothing where the file system
// does not. Tests pass one that answers as such a file system does.
struct FileIdAnswer {
    std::uint64_t volume = 0;
    std::array<std::uint8_t, 16> id = {};
};
using FileIdQuery = std::optional<FileIdAnswer> (*)(std::intptr_t file);
std::optional<FileIdAnswer> QueryFileId(std::intptr_t file);
std::optional<FileIdentity> FileIdentityOf(const std::string& path, FileIdQuery query);
#endif

// The path as the system's file functions take it. Season file paths are
// written the Windows way, folder + "\" + file name; elsewhere the backslash
// becomes a slash.
std::string NativePath(const std::string& path);

}  // namespace trelvane
