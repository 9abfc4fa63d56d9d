#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ChunkedOutput.h"
#include "Reports.h"

namespace trelvane::cli {

// A list saved as its lines come, each ended by CR LF.
//
// On Windows it is gathered and then saved by the window's all-or-nothing
// replace: a scanner that grabs the file, or Ctrl+C, never leaves a
// damaged list there.
//
// Elsewhere it is written in pieces of about kWritePieceBytes. An existing
// file is written over in place and then cut, on the handle it was written
// with, to the new length rather than emptied first: on ext4, a file
// emptied and written again makes its close wait for the data to reach the
// disk, 2 ms for a full season's list, more than the whole comparison
// takes.
class SavedList final : public LineSink {
public:
    // path is UTF-8 on Windows.
    explicit SavedList(const std::string& path);
    // Its output writes through this object.
    SavedList(const SavedList&) = delete;
    SavedList& operator=(const SavedList&) = delete;
    void Add(std::string_view line) override;
    // Why the file cannot be saved, when that is known before anything is
    // written: it could not be opened, or (Windows) the replace would be
    // refused.
    const std::optional<std::string>& Problem() const { return problem_; }
    // Saves the list and closes the file. Why the list could not be saved,
    // if it could not.
    std::optional<std::string> Finish();
    // Where the old list was left when it could not be deleted after the
    // new one took its place (Windows); empty otherwise.
    const std::string& OldListLeftIn() const { return oldListLeftIn_; }

private:
    bool Write(std::string_view piece);

    std::filesystem::path path_;
    std::optional<std::string> problem_;
    std::string oldListLeftIn_;
#ifdef _WIN32
    std::string content_;
#else
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_{nullptr, std::fclose};
    std::uintmax_t size_ = 0;
    ChunkedOutput output_{[this](std::string_view piece) { return Write(piece); }};
#endif
};

}  // namespace trelvane::cli
