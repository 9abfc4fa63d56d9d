#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ReadOnlyFile.h"

namespace trelvane {

// One season file read record by record. Records have no header and no
// count: record n starts at (n - 1) * record length, and the file's length
// alone decides how many there are. Of each record only the first examined
// length bytes are read. A read that comes back short is zero-filled and
// marks the end, so the usual loop
//     while (!file.AtEnd()) { auto record = file.ReadNext(); ... }
// examines one buffer past the last complete record (all zeros when the file
// ends on a record boundary).
//
// The records come from a file on disk, or from bytes in memory that stand
// for one (tests and fuzzing compare seasons without touching the disk).
class RecordFile {
public:
    // Records are read a block at a time rather than one per system call,
    // which changes nothing that a caller can see.
    static constexpr std::size_t kDefaultBlockRecords = 128;

    explicit RecordFile(std::size_t blockRecords = kDefaultBlockRecords);
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens path for record access. A missing file, or one that cannot be
    // read, leaves the reader not open, and Problem() says why.
    bool Open(const std::string& path, std::size_t recordLength, std::size_t examinedLength);
    // Reads the records of bytes, which must outlive the reader's use.
    void OpenBytes(std::span<const std::uint8_t> bytes, std::size_t recordLength, std::size_t examinedLength);
    bool IsOpen() const { return file_.IsOpen() || inMemory_; }
    // The path of the file opened, as the file system spells it.
    const std::string& OpenedPath() const { return file_.OpenedPath(); }

    // The next record's examined bytes (the first call gives record 1), valid
    // until the next call. Bytes the file does not have read as zero, and
    // then the end flag is set. A reader that is not open gives zeros.
    std::span<const std::uint8_t> ReadNext();

    // True when not open, or when the last read came back short.
    bool AtEnd() const { return !IsOpen() || atEnd_; }

    void Close();

    // Why the open failed or reading stopped before the end of the file;
    // empty when neither happened.
    const trelvane::Problem& Problem() const { return problem_; }

private:
    void Reset(std::size_t recordLength, std::size_t examinedLength);
    void FillBlock(std::uint64_t offset);

    std::size_t blockRecords_;
    std::size_t recordLength_ = 0;
    std::size_t examinedLength_ = 0;
    ReadOnlyFile file_;
    bool inMemory_ = false;
    std::uint64_t nextOffset_ = 0;
    bool atEnd_ = false;
    trelvane::Problem problem_;

    std::vector<std::uint8_t> buffer_;     // a file's block of whole records
    std::span<const std::uint8_t> block_;  // bytes of the file from blockOffset_
    std::uint64_t blockOffset_ = 0;
    std::vector<std::uint8_t> partial_;  // the zero-filled copy of a short record
};

}  // namespace trelvane
