#include "RecordFile.h"

#include <algorithm>

namespace trelvane {

RecordFile::RecordFile(std::size_t blockRecords) : blockRecords_(std::max<std::size_t>(blockRecords, 1)) {}

void RecordFile::Reset(std::size_t recordLength, std::size_t examinedLength) {
    Close();
    recordLength_ = recordLength;
    examinedLength_ = std::min(examinedLength, recordLength);
    nextOffset_ = 0;
    atEnd_ = false;
    problem_ = {};
    partial_.assign(examinedLength_, 0);
}

bool RecordFile::Open(const std::string& path, std::size_t recordLength, std::size_t examinedLength) {
    Reset(recordLength, examinedLength);
    file_ = ReadOnlyFile::Open(path);
    if (!file_.IsOpen()) {
        problem_ = file_.Problem();
        return false;
    }
    buffer_.resize(blockRecords_ * recordLength_);
    return true;
}

void RecordFile::OpenBytes(std::span<const std::uint8_t> bytes, std::size_t recordLength, std::size_t examinedLength) {
    Reset(recordLength, examinedLength);
    inMemory_ = true;
    block_ = bytes;
}

std::span<const std::uint8_t> RecordFile::ReadNext() {
    const std::uint64_t offset = nextOffset_;
    nextOffset_ += recordLength_;
    if (!IsOpen()) {
        std::fill(partial_.begin(), partial_.end(), 0);
        atEnd_ = true;
        return partial_;
    }
    if (!inMemory_ && (offset < blockOffset_ || offset + examinedLength_ > blockOffset_ + block_.size())) {
        FillBlock(offset);
    }

    const std::size_t start = static_cast<std::size_t>(std::min<std::uint64_t>(offset - blockOffset_, block_.size()));
    const std::size_t available = block_.size() - start;
    atEnd_ = available < examinedLength_;
    if (!atEnd_) return block_.subspan(start, examinedLength_);

    std::fill(std::copy_n(block_.begin() + static_cast<std::ptrdiff_t>(start), available, partial_.begin()),
              partial_.end(), 0);
    return partial_;
}

// The block comes back short only at the end of the file or on a read error;
// either way the record that needed it is the last one read.
void RecordFile::FillBlock(std::uint64_t offset) {
    blockOffset_ = offset;
    block_ = std::span(buffer_).first(file_.ReadAt(offset, buffer_));
    if (block_.size() < buffer_.size() && !file_.Problem().empty()) problem_ = file_.Problem();
}

void RecordFile::Close() {
    file_.Close();
    inMemory_ = false;
    buffer_ = {};
    block_ = {};
    blockOffset_ = 0;
}

}  // namespace trelvane
