#include "RecordFile.h"

#include <algorithm>
#include <cstring>

namespace trelvane {

RecordFile::RecordFile(std::size_t blockRecords) : blockRecords_(std::max<std::size_t>(blockRecords, 1)) {}

bool RecordFile::Open(const std::string& path, std::size_t recordLength) {
    Close();
    recordLength_ = recordLength;
    nextRecord_ = 0;
    atEnd_ = false;
    problem_.clear();
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

bool RecordFile::ReadNext(std::span<std::uint8_t> buffer) {
    std::size_t got = 0;
    if (IsOpen()) {
        got = Fetch(nextRecord_ * recordLength_, buffer);
        ++nextRecord_;
    }
    std::memset(buffer.data() + got, 0, buffer.size() - got);
    atEnd_ = got < buffer.size();
    return !atEnd_;
}

// Copies the bytes at offset from the current block, reading the block that
// starts at offset when they are not all there. The block is cut short only
// at the end of the file or by a read error, and then the copy is short too.
std::size_t RecordFile::Fetch(std::uint64_t offset, std::span<std::uint8_t> out) {
    const bool inBlock = offset >= blockOffset_ && offset + out.size() <= blockOffset_ + blockFilled_;
    if (!inBlock) {
        blockOffset_ = offset;
        blockFilled_ = file_.ReadAt(offset, block_);
        if (blockFilled_ < block_.size() && !file_.Problem().empty()) problem_ = file_.Problem();
    }
    const std::size_t start = static_cast<std::size_t>(offset - blockOffset_);
    const std::size_t count = std::min(out.size(), blockFilled_ - std::min(start, blockFilled_));
    std::memcpy(out.data(), block_.data() + start, count);
    return count;
}

void RecordFile::Close() {
    file_.Close();
    block_.clear();
    block_.shrink_to_fit();
    blockFilled_ = 0;
}

}  // namespace trelvane
