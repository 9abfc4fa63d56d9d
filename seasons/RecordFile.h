#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ReadOnlyFile.h"

namespace trelvane {

// Longest season file path the system opens; longer ones are refused whole
// rather than cut to some other path.
inline constexpr std::size_t kMaxSeasonPathLength = 255;

// One open season file read record by record. Records have no header and no
// count: record n starts at (n - 1) * record length, and the file's length
// alone decides how many there are. Each read fills a buffer of the caller's
// examined length; a read that comes back short zero-fills the rest and marks
// the end, so the usual loop
//     while (!file.AtEnd()) { file.ReadNext(buffer); ... }
// examines one buffer past the last complete record.
class RecordFile {
public:
    // Reading a block of records at a time instead of one per system call
    // changes nothing that a caller can see.
    static constexpr std::size_t kDefaultBlockRecords = 64;

    explicit RecordFile(std::size_t blockRecords = kDefaultBlockRecords);
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens path for record access. A path longer than kMaxSeasonPathLength,
    // a missing file or one that cannot be read leaves the reader not open.
    bool Open(const std::string& path, std::size_t recordLength);
    bool IsOpen() const { return file_.IsOpen(); }

    // Reads the next record's first buffer.size() bytes (the first call reads
    // record 1). Returns false, zero-filling what did not come, when the read
    // came back short; that also sets the end flag.
    bool ReadNext(std::span<std::uint8_t> buffer);

    // True when not open, or when the last read came back short.
    bool AtEnd() const { return !IsOpen() || atEnd_; }

    void Close();

    // Why the open failed or reading stopped before the end of the file;
    // empty when neither happened.
    const std::string& Problem() const { return problem_; }

private:
    std::size_t Fetch(std::uint64_t offset, std::span<std::uint8_t> out);

    std::size_t blockRecords_;
    std::size_t recordLength_ = 0;
    ReadOnlyFile file_;
    std::uint64_t nextRecord_ = 0;  // 0-based index of the record ReadNext reads
    bool atEnd_ = false;
    std::string problem_;

    std::vector<std::uint8_t> block_;
    std::uint64_t blockOffset_ = 0;
    std::size_t blockFilled_ = 0;
};

}  // namespace trelvane
