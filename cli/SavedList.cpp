#include "SavedList.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include "ReplaceFile.h"
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "ErrnoProblems.h"
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

// Why path could not be opened for writing (an errno). The file is made
// when it is not there: then a missing file means a missing folder, and a
// refusal comes from its folder.
Problem OpenProblemOf(int error, const fs::path& path) {
    std::error_code ignored;
    const Problem problem = ProblemOfErrno(error);
    switch (problem.Reason()) {
        case FileProblem::kNotFound:
            return FileProblem::kFolderMissing;
        case FileProblem::kAccessDenied:
        case FileProblem::kReadOnly:
            return fs::exists(path, ignored) ? problem : FileProblem::kFolderRefusesFiles;
        default:
            return problem;
    }
}

std::FILE* OpenFile(const fs::path& path, bool create) { return std::fopen(path.c_str(), create ? "wb" : "r+b"); }
Problem OpenProblem(const fs::path& path) { return OpenProblemOf(errno, path); }

// Whether the open file is a regular one, which can be cut to a length (a
// device or a pipe cannot).
bool IsRegularFile(std::FILE* file) {
    struct stat status {};
    return fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode);
}
#endif

}  // namespace

#ifdef _WIN32
// Whatever would refuse the replace is found now, before the report is
// printed.
SavedList::SavedList(const std::string& path) : path_(FileSystemPath(path)) {
    if (const trelvane::Problem problem = ProblemReplacing(path_.wstring()); !problem.empty())
        problem_ = problem.Words();
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
    std::string problem = written.problem.Words();
    if (!written.newContentIn.empty()) problem += "; the new list is kept as " + written.newContentIn;
    if (!written.oldContentIn.empty()) problem += "; the old list is kept as " + written.oldContentIn;
    return problem;
}
#else
SavedList::SavedList(const std::string& path) : path_(FileSystemPath(path)) {
    if (IsReadOnlyFile(path_)) {
        problem_ = WordsOf(FileProblem::kReadOnly);
        return;
    }
    errno = 0;
    file_.reset(OpenFile(path_, false));
    if (!file_ && errno == ENOENT) file_.reset(OpenFile(path_, true));
    if (!file_) problem_ = OpenProblem(path_).Words();
}

bool SavedList::Write(std::string_view piece) {
    if (!problem_ && std::fwrite(piece.data(), 1, piece.size(), file_.get()) != piece.size()) {
        problem_ = ProblemOfErrno(errno).Words();
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
    if (file_ && !problem_ && std::fflush(file_.get()) != 0) problem_ = ProblemOfErrno(errno).Words();
    if (file_ && !problem_ && IsRegularFile(file_.get()) &&
        ftruncate(fileno(file_.get()), static_cast<off_t>(size_)) != 0) {
        problem_ = ProblemOfErrno(errno).Words();
    }
    if (file_ && std::fclose(file_.release()) != 0 && !problem_) problem_ = ProblemOfErrno(errno).Words();
    return problem_;
}
#endif

}  // namespace trelvane::cli
