#include "SavedList.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <windows.h>

#include "WindowsText.h"
#endif

#include "FileProblems.h"
#ifdef _WIN32
#include "WindowsFileProblems.h"
#endif
#include "Limits.h"
#include "LineText.h"
#include "SystemText.h"

namespace trelvane::cli {
namespace {

namespace fs = std::filesystem;

// A file that exists with no write permission for anyone (on Windows: the
// read-only attribute). A process run as root, or Wine run as root, may
// write it all the same; the list leaves it alone, as the Windows program
// does.
bool IsReadOnlyFile(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return !error && fs::is_regular_file(status) && (status.permissions() & kAnyWrite) == fs::perms::none;
}

// Why path could not be opened for writing (an errno), in the user's words.
// A refusal for a file that is not there comes from its folder.
std::string OpenProblemOf(int error, const fs::path& path) {
    std::error_code ignored;
    switch (error) {
        case ENOENT:
            return file_problem::kFolderMissing;
        case ENOTDIR:
            return file_problem::kFolderIsAFile;
        case EISDIR:
            return file_problem::kNotAFile;
        case EACCES:
        case EPERM:
            return fs::exists(path, ignored) ? file_problem::kAccessDenied : write_problem::kFolderRefusesFiles;
        case EROFS:
            return fs::exists(path, ignored) ? write_problem::kReadOnly : write_problem::kFolderRefusesFiles;
        default:
            return WriteProblemOf(error);
    }
}

#ifdef _WIN32
std::FILE* OpenFile(const fs::path& path, bool create) { return _wfopen(path.c_str(), create ? L"wb" : L"r+b"); }

// The C library turns the system's error into a coarser errno: a file
// another program holds is EACCES, as a folder without write access is.
std::string OpenProblem(const fs::path& path) {
    const DWORD error = _doserrno;
    switch (error) {
        case ERROR_ACCESS_DENIED: {
            std::error_code ignored;
            if (!fs::exists(path, ignored)) return write_problem::kFolderRefusesFiles;
            return FileProblemOfError(error, path.wstring());
        }
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return write_problem::kDiskFull;
        default:
            return error ? FileProblemOfError(error, path.wstring()) : OpenProblemOf(errno, path);
    }
}
#else
std::FILE* OpenFile(const fs::path& path, bool create) { return std::fopen(path.c_str(), create ? "wb" : "r+b"); }
std::string OpenProblem(const fs::path& path) { return OpenProblemOf(errno, path); }
#endif

}  // namespace

std::string WriteProblemOf(int error) {
    switch (error) {
        case 0:
            return "the write failed";
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return write_problem::kDiskFull;
        case EBUSY:
        case ETXTBSY:
            return file_problem::kInUse;
        default:
            return std::strerror(error);
    }
}

SavedList::SavedList(const std::string& path) : path_(FileSystemPath(path)) {
    if (IsReadOnlyFile(path_)) {
        problem_ = write_problem::kReadOnly;
        return;
    }
    errno = 0;
#ifdef _WIN32
    _doserrno = 0;
#endif
    file_.reset(OpenFile(path_, false));
    if (!file_ && errno == ENOENT) file_.reset(OpenFile(path_, true));
    if (!file_) problem_ = OpenProblem(path_);
}

bool SavedList::Write(std::string_view piece) {
    if (!problem_ && std::fwrite(piece.data(), 1, piece.size(), file_.get()) != piece.size()) {
        problem_ = WriteProblemOf(errno);
    }
    size_ += piece.size();
    return !problem_;
}

void SavedList::Add(std::string_view line) {
    if (problem_) return;
    output_.Text() += line;
    output_.Text() += kSavedLineEnd;
    output_.EndLine();
}

std::optional<std::string> SavedList::Finish() {
    output_.Finish();
    if (file_ && std::fclose(file_.release()) != 0 && !problem_) problem_ = WriteProblemOf(errno);
    if (problem_) return problem_;
    std::error_code error;
    if (fs::is_regular_file(path_, error) && fs::file_size(path_, error) > size_) {
        fs::resize_file(path_, size_, error);
        if (error) problem_ = error.message();
    }
    return problem_;
}

}  // namespace trelvane::cli
