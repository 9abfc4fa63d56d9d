#include "ReadOnlyFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <utility>

namespace trelvane {
namespace {

bool EqualIgnoringAsciiCase(const char* a, const std::string& b) {
    std::size_t i = 0;
    for (; a[i] != '\0' && i < b.size(); ++i) {
        auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return a[i] == '\0' && i == b.size();
}

// Season folders are often copied from Windows, where "kovplyr.dat" and
// "KOVPLYR.DAT" are the same file: find the entry of the folder whose name
// matches apart from letter case.
std::string FindIgnoringCase(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir) return {};
    while (const dirent* entry = readdir(dir.get())) {
        if (EqualIgnoringAsciiCase(entry->d_name, name)) {
            return slash == std::string::npos ? std::string(entry->d_name) : folder + entry->d_name;
        }
    }
    return {};
}

// O_NONBLOCK keeps a FIFO posing as a season file from blocking the open;
// anything but a regular file is refused after it.
int OpenRegularFile(const std::string& path, std::string& problem, bool& missing) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        missing = errno == ENOENT;
        problem = std::strerror(errno);
        return -1;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        problem = S_ISDIR(info.st_mode) ? "it is a folder, not a file" : "it is not a regular file";
        close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

ReadOnlyFile::~ReadOnlyFile() { Close(); }

ReadOnlyFile::ReadOnlyFile(ReadOnlyFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), problem_(std::move(other.problem_)) {}

ReadOnlyFile& ReadOnlyFile::operator=(ReadOnlyFile&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
        problem_ = std::move(other.problem_);
    }
    return *this;
}

std::string NativePath(const std::string& path) {
    std::string native = path;
    for (char& c : native) {
        if (c == '\\') c = '/';
    }
    return native;
}

ReadOnlyFile ReadOnlyFile::Open(const std::string& path) {
    const std::string native = NativePath(path);
    ReadOnlyFile file;
    bool missing = false;
    file.fd_ = OpenRegularFile(native, file.problem_, missing);
    if (missing) {
        const std::string match = FindIgnoringCase(native);
        if (!match.empty()) {
            file.problem_.clear();
            file.fd_ = OpenRegularFile(match, file.problem_, missing);
        }
    }
    return file;
}

bool ReadOnlyFile::IsOpen() const { return fd_ >= 0; }

std::size_t ReadOnlyFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> buffer) {
    std::size_t done = 0;
    while (fd_ >= 0 && done < buffer.size()) {
        const ssize_t got = pread(fd_, buffer.data() + done, buffer.size() - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) problem_ = std::strerror(errno);
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

void ReadOnlyFile::Close() {
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
}

}  // namespace trelvane
