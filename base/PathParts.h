#pragma once

#include <string>
#include <string_view>
#include <type_traits>

namespace trelvane {

// The parts of a path split at its last separator, any of separators: a
// Windows path takes "\\/", a Linux one "/". (The path is any text of the
// separators' kind.)
template <typename Char>
std::basic_string_view<Char> FileNameOf(std::type_identity_t<std::basic_string_view<Char>> path,
                                        std::basic_string_view<Char> separators) {
    const std::size_t separator = path.find_last_of(separators);
    return separator == path.npos ? path : path.substr(separator + 1);
}

// The folder with its separator, "." when the path has no folder part.
template <typename Char>
std::basic_string<Char> FolderOf(std::type_identity_t<std::basic_string_view<Char>> path,
                                 std::basic_string_view<Char> separators) {
    const std::size_t separator = path.find_last_of(separators);
    return separator == path.npos ? std::basic_string<Char>(1, Char('.'))
                                  : std::basic_string<Char>(path.substr(0, separator + 1));
}

}  // namespace trelvane
