#include "RecordFile.h"

#include <algorithm>
#include <cstring>

namespace trelvane {

RecordFile::RecordFile(std::size_t blockRecords) : blockRecords_(std::max<std::size_t>(blockRecords, 1)) {}

bool RecordFile::Open(const std::string& path, std::size_t recordLength, std::size_t examinedLength) {
    Close();
    recordLength_ = recordLength;
    examinedLength_ = std::min(examinedLength, recordLength);
    nextOffset_ = 0;
    atEnd_ = false;
    problem_.clear();
    partial_.assign(examinedLength_, 0);
    if (path.size() > kMaxSeasonPathLength) {
        problem_ = "the path is longer than " + std::to_string(kMaxSeasonPathLength) + " characters";
        return false;
    }
    file_ = ReadOnlyFile::Open(path);
    if (!file_.IsOpen()) {
        problem_ = file_.Problem();
        return false;
    }
    block_.resize(blockRecords_ * recordLength_);
    blockOffset_ = 0;
    blockFilled_ = 0;
    return true;
}

std::span<const std::uint8_t> RecordFile::ReadNext() {
    const std::uint64_t offset = nextOffset_;
    nextOffset_ += recordLength_;
    if (!IsOpen()) {
        std::fill(partial_.begin(), partial_.end(), 0);
        atEnd_ = true;
        return partial_;
    }
    if (offset < blockOffset_ || offset + examinedLength_ > blockOffset_ + blockFilled_) FillBlock(offset);

    const std::size_t start = static_cast<std::size_t>(offset - blockOffset_);
    const std::size_t available = blockFilled_ - std::min(start, blockFilled_);
    atEnd_ = available < examinedLength_;
    if (!atEnd_) return std::span(block_).subspan(start, examinedLength_);

    std::fill(std::copy_n(block_.begin() + static_cast<std::ptrdiff_t>(std::min(start, blockFilled_)), available,
                          partial_.begin()),
              partial_.end(), 0);
    return partial_;
}

// The block comes back short only at the end of the file or on a read error;
// either way the record that needed it is the last one read.
void RecordFile::FillBlock(std::uint64_t offset) {
    blockOffset_ = offset;
    blockFilled_ = file_.ReadAt(offset, block_);
    if (blockFilled_ < block_.size() && !file_.Problem().empty()) problem_ = file_.Problem();
}

void RecordFile::Close() {
    file_.Close();
    block_ = {};
    blockFilled_ = 0;
}

}  // namespace trelvane
