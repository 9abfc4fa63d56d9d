#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

namespace trelvane::testing {

// A fresh folder under the system's temporary folder, removed with all it
// holds when the object goes.
class TempFolder {
public:
    TempFolder() {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() /
                ("trelvane-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // The path as narrow text, as the tests type it into the program's
    // folder boxes: the temporary folder's name is ASCII, the same in UTF-8
    // and in any ANSI code page.
    std::string Text() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

}  // namespace trelvane::testing
