#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ChunkedOutput.h"

namespace trelvane {

// Hands count lines, each followed by lineEnd, to write in pieces (see
// ChunkedOutput), so that a list of any length goes out in a few large
// writes without a copy of it all. lineAt(index, scratch) gives line
// index, in scratch or elsewhere. False when a write failed.
template <class LineAt>
bool WriteLines(std::size_t count, LineAt&& lineAt, std::string_view lineEnd, ChunkedOutput::Write write) {
    ChunkedOutput output(std::move(write));
    std::string scratch;
    for (std::size_t index = 0; index < count; ++index) {
        output.Text() += lineAt(index, scratch);
        output.Text() += lineEnd;
        output.EndLine();
    }
    return output.Finish();
}

// A saved list: every line ended by CR LF, no header, no byte-order mark;
// an empty list gives no bytes at all.
inline constexpr std::string_view kSavedLineEnd = "\r\n";

}  // namespace trelvane
