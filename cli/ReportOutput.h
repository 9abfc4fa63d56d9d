#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "Limits.h"
#include "SystemText.h"

namespace trelvane::cli {

// Report text gathered into writes of about kWritePieceBytes: reports run to
// tens of thousands of lines. After a failed write the rest is dropped, and
// Error() keeps the errno of the failure (EPIPE: the reader went away).
class ReportOutput {
public:
    explicit ReportOutput(std::ostream& out) : out_(out) { text_.reserve(kWritePieceBytes + 4096); }

    // Append to it, then call EndLine() at the end of each line.
    std::string& Text() { return text_; }
    void EndLine() {
        if (text_.size() >= kWritePieceBytes) Write();
    }
    // Writes what is left; true when everything got out.
    bool Finish() {
        Write();
        if (ok_ && !out_.flush()) Fail();
        return ok_;
    }
    int Error() const { return error_; }

private:
    void Write() {
        if (ok_ && !out_.write(text_.data(), static_cast<std::streamsize>(text_.size()))) Fail();
        text_.clear();
    }
    void Fail() {
        error_ = ErrnoOfFailedWrite();
        ok_ = false;
    }

    std::ostream& out_;
    std::string text_;
    bool ok_ = true;
    int error_ = 0;
};

}  // namespace trelvane::cli
