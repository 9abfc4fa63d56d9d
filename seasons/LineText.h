#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "Limits.h"

namespace trelvane {

// Hands count lines, each followed by lineEnd, to write(std::string_view)
// in pieces of about kWritePieceBytes, so that a list of any length goes
// out in a few large writes without a copy of it all. lineAt(index, scratch)
// gives line index, in scratch or elsewhere. write returns false to stop;
// WriteLines then returns false too.
template <class LineAt, class Write>
bool WriteLines(std::size_t count, LineAt&& lineAt, std::string_view lineEnd, Write&& write) {
    std::string piece;
    std::string scratch;
    piece.reserve(kWritePieceBytes + 512);
    for (std::size_t index = 0; index < count; ++index) {
        piece += lineAt(index, scratch);
        piece += lineEnd;
        if (piece.size() >= kWritePieceBytes) {
            if (!write(std::string_view(piece))) return false;
            piece.clear();
        }
    }
    return piece.empty() || write(std::string_view(piece));
}

// A saved list: every line ended by CR LF, no header, no byte-order mark;
// an empty list gives no bytes at all.
inline constexpr std::string_view kSavedLineEnd = "\r\n";

}  // namespace trelvane
