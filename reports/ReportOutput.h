#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "Limits.h"

namespace trelvane {

// Report text gathered into writes of about kWritePieceBytes: reports run to
// tens of thousands of lines. After a failed write the rest is dropped.
class ReportOutput {
public:
    // Takes a piece of the report; false when it did not get out.
    using Write = std::function<bool(std::string_view)>;
    explicit ReportOutput(Write write) : write_(std::move(write)) { text_.reserve(kWritePieceBytes + 4096); }

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
