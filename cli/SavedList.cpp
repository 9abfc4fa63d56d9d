#include "SavedList.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "Limits.h"
#include "LineText.h"

namespace trelvane::cli {
namespace {

namespace fs = std::filesystem;

std::string Reason(int error) { return error ? std::strerror(error) : "the write failed"; }

// A file that exists with no write permission for anyone (on Windows: the
// read-only attribute). A process run as root, or Wine run as root, may
// write it all the same; the list leaves it alone, as the Windows program
// does.
bool IsReadOnlyFile(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return !error && fs::is_regular_file(status) && (status.permissions() & kAnyWrite) == fs::perms::none;
}

}  // namespace

SavedList::SavedList(const std::string& path) : path_(path) {
    if (IsReadOnlyFile(path)) {
        problem_ = "the file is read-only";
        return;
    }
    errno = 0;
    file_.reset(std::fopen(path.c_str(), "r+b"));
    if (!file_ && errno == ENOENT) file_.reset(std::fopen(path.c_str(), "wb"));
    if (!file_) problem_ = Reason(errno);
    piece_.reserve(kWritePieceBytes + 512);
}

void SavedList::Add(std::string_view line) {
    if (problem_) return;
    piece_ += line;
    piece_ += kSavedLineEnd;
    if (piece_.size() >= kWritePieceBytes) Write();
}

void SavedList::Write() {
    if (!problem_ && std::fwrite(piece_.data(), 1, piece_.size(), file_.get()) != piece_.size()) {
        problem_ = Reason(errno);
    }
    size_ += piece_.size();
    piece_.clear();
}

std::optional<std::string> SavedList::Finish() {
    Write();
    if (file_ && std::fclose(file_.release()) != 0 && !problem_) problem_ = Reason(errno);
    if (problem_) return problem_;
    std::error_code error;
    if (fs::is_regular_file(path_, error) && fs::file_size(path_, error) > size_) {
        fs::resize_file(path_, size_, error);
        if (error) problem_ = error.message();
    }
    return problem_;
}

}  // namespace trelvane::cli
