#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "Limits.h"

namespace trelvane {

// Text gathered into writes of about kWritePieceBytes: reports and lists
// run to tens of thousands of lines, and each line a write of its own would
// be a system call each. After a failed write the rest is dropped.
class ChunkedOutput {
public:
    // Takes a piece of the text; false when it did not get out.
    using Write = std::function<bool(std::string_view)>;
    explicit ChunkedOutput(Write write) : write_(std::move(write)) { text_.reserve(kWritePieceBytes + 4096); }

    // Append to it, then call EndLine() at the end of each line.
    std::string& Text() { return text_; }
    void EndLine() {
        if (text_.size() >= kWritePieceBytes) Put();
    }
    // Writes what is left; true when everything got out.
    bool Finish() {
        Put();
        return ok_;
    }

private:
    void Put() {
        if (ok_ && !text_.empty() && !write_(text_)) ok_ = false;
        text_.clear();
    }

    Write write_;
    std::string text_;
    bool ok_ = true;
};

}  // namespace trelvane
