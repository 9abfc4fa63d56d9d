#include "SavedList.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include "ReplaceFile.h"
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "FileProblems.h"
#include "LineText.h"
#include "SystemText.h"

namespace trelvane::cli {
namespace {

namespace fs = std::filesystem;

#ifndef _WIN32
// A file that exists with no write permission for anyone. A process run as
// root may write it all the same; the list leaves it alone, as the Windows
// program leaves a read-only file.
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

std::FILE* OpenFile(const fs::path& path, bool create) { return std::fopen(path.c_str(), create ? "wb" : "r+b"); }
std::string OpenProblem(const fs::path& path) { return OpenProblemOf(errno, path); }

// Whether the open file is a regular one, which can be cut to a length (a
// device or a pipe cannot).
bool IsRegularFile(std::FILE* file) {
    struct stat status {};
    return fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode);
}
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

#ifdef _WIN32
// Whatever would refuse the replace is found now, before the report is
// printed.
SavedList::SavedList(const std::string& path) : path_(FileSystemPath(path)) {
    if (std::string problem = ProblemReplacing(path_.wstring()); !problem.empty()) problem_ = std::move(problem);
}

void SavedList::Add(std::string_view line) {
    if (problem_) return;
    content_ += line;
    content_ += kSavedLineEnd;
}

std::optional<std::string> SavedList::Finish() {
    if (problem_) return problem_;
    const FileWriteResult written = ReplaceFileContents(path_.wstring(), content_);
    content_ = {};
    if (written.Written()) {
        oldListLeftIn_ = written.oldContentIn;
        return std::nullopt;
    }
    std::string problem = written.problem;
    if (!written.newContentIn.empty()) problem += "; the new list is kept as " + written.newContentIn;
    if (!written.oldContentIn.empty()) problem += "; the old list is kept as " + written.oldContentIn;
    return problem;
}
#else
SavedList::SavedList(const std::string& path) : path_(FileSystemPath(path)) {
    if (IsReadOnlyFile(path_)) {
        problem_ = write_problem::kReadOnly;
        return;
    }
    errno = 0;
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

// The file is cut on the handle it was written with: opened again by name,
// it could be another file by then.
std::optional<std::string> SavedList::Finish() {
    output_.Finish();
    if (file_ && !problem_ && std::fflush(file_.get()) != 0) problem_ = WriteProblemOf(errno);
    if (file_ && !problem_ && IsRegularFile(file_.get()) &&
        ftruncate(fileno(file_.get()), static_cast<off_t>(size_)) != 0) {
        problem_ = WriteProblemOf(errno);
    }
    if (file_ && std::fclose(file_.release()) != 0 && !problem_) problem_ = WriteProblemOf(errno);
    return problem_;
}
#endif

}  // namespace trelvane::cli
