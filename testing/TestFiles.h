#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace trelvane::testing {

// A whole file's bytes; empty when it cannot be read.
inline std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Replaces a file's content with bytes.
inline void PutFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace trelvane::testing
