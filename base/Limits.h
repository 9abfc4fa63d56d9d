#pragma once

#include <cstddef>

namespace trelvane {

// The longest path the program opens or writes on Windows, in characters
// (UTF-16 units, as Windows counts them). Longer paths are refused whole
// rather than cut to some other path.
inline constexpr std::size_t kMaxPathLength = 255;

// Text goes to files and streams in pieces of about this size: large enough
// that a list of tens of thousands of lines takes a few dozen writes, small
// enough that no copy of the whole list is needed.
inline constexpr std::size_t kWritePieceBytes = 64 * 1024;

}  // namespace trelvane
