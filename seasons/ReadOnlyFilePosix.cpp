#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "AsciiCase.h"
#include "ErrnoProblems.h"
#include "FileProblems.h"
#include "PathParts.h"
#include "ReadOnlyFile.h"

namespace trelvane {

void release::CloseFile(std::intptr_t file) { close(static_cast<int>(file)); }

namespace {

constexpr std::string_view kSeparator = "/";

// Season folders are often copied from Windows, where "kovplyr.dat" and
// "KOVPLYR.DAT" are the same file: find the entry of the folder whose whole
// name matches apart from letter case.
std::string FindIgnoringCase(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = path.substr(folder.size());
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.empty() ? "." : folder.c_str()), closedir);
    if (!dir) return {};
    while (const dirent* entry = readdir(dir.get())) {
        if (EqualIgnoringAsciiCase(entry->d_name, name)) return folder + entry->d_name;
    }
    return {};
}

// A file that is not there: "not found" in a folder that is.
Problem ProblemOf(int error, const std::string& path) {
    if (error != ENOENT) return ProblemOfErrno(error);
    struct stat info {};
    const bool folderThere = stat(FolderOf(path, kSeparator).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    return folderThere ? FileProblem::kNotFound : FileProblem::kFolderMissing;
}

// O_NONBLOCK keeps a FIFO posing as a season file from blocking the open;
// anything but a regular file is refused after it.
int OpenRegularFile(const std::string& path, Problem& problem, int& error) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = errno;
        problem = ProblemOf(error, path);
        return -1;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        problem = FileProblem::kNotAFile;
        close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

std::string NativePath(const std::string& path) {
    std::string native = path;
    for (char& c : native) {
        if (c == '\\') c = '/';
    }
    return native;
}

std::optional<FileIdentity> FileIdentityOf(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        const std::string match = errno == ENOENT ? FindIgnoringCase(path) : std::string();
        if (match.empty() || stat(match.c_str(), &info) != 0) return std::nullopt;
    }
    FileIdentity identity{.volume = static_cast<std::uint64_t>(info.st_dev)};
    const auto inode = static_cast<std::uint64_t>(info.st_ino);
    for (std::size_t i = 0; i < sizeof inode; ++i) identity.file[i] = static_cast<std::uint8_t>(inode >> (8 * i));
    return identity;
}

ReadOnlyFile ReadOnlyFile::Open(const std::string& path) {
    const std::string native = NativePath(path);
    ReadOnlyFile file;
    int error = 0;
    file.openedPath_ = path;
    int fd = OpenRegularFile(native, file.problem_, error);
    if (fd < 0 && error == ENOENT) {
        if (const std::string match = FindIgnoringCase(native); !match.empty()) {
            file.problem_ = {};
            fd = OpenRegularFile(match, file.problem_, error);
            // The name as the folder spells it, after the folder as given.
            // (The native path differs from the given one only in its
            // separators; npos + 1 is 0.)
            file.openedPath_.resize(native.rfind('/') + 1);
            file.openedPath_ += match.substr(match.rfind('/') + 1);
        }
    }
    if (fd >= 0) {
        file.file_.reset(fd);
    } else {
        file.openedPath_.clear();
    }
    return file;
}

std::size_t ReadOnlyFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) {
    std::size_t done = 0;
    while (IsOpen() && done < buffer.size()) {
        const ssize_t got = pread(static_cast<int>(file_.get()), buffer.data() + done, buffer.size() - done,
                                  static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) problem_ = ProblemOfErrno(errno);
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

}  // namespace trelvane
