#include "RecordFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "SeasonRecords.h"
#include "SeasonWriter.h"
#include "TempFolder.h"

namespace trelvane {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using tools::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

// No byte is zero and neighbours differ, so every byte read can be traced
// back to its offset.
Bytes NumberedBytes(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i % 251 + 1);
    return bytes;
}

std::vector<Bytes> ReadToEnd(RecordFile& file) {
    std::vector<Bytes> buffers;
    while (!file.AtEnd()) {
        const auto record = file.ReadNext();
        buffers.emplace_back(record.begin(), record.end());
    }
    return buffers;
}

// Every buffer the usual loop examines, in order.
std::vector<Bytes> ReadAll(const fs::path& path, std::size_t recordLength, std::size_t examined,
                           std::size_t blockRecords = 64) {
    RecordFile file(blockRecords);
    file.Open(path.string(), recordLength, examined);
    return ReadToEnd(file);
}

TEST(RecordFile, ExaminesEachRecordSteppingByFullLengthWithMissingBytesAsZero) {
    // {file size, buffers examined}. A whole examined part (660 to 663 bytes
    // of a last record count as whole) is followed by one all-zero buffer; a
    // shorter last record is zero-filled and ends reading.
    const std::vector<std::pair<std::size_t, std::size_t>> cases = {
        {0, 1}, {3 * 664, 4}, {2 * 664 + 100, 3}, {664 + 660, 3}, {664 + 663, 3}, {664 + 659, 2},
    };
    TempFolder folder;
    for (const auto& [size, count] : cases) {
        const Bytes bytes = NumberedBytes(size);
        ASSERT_TRUE(WriteBytes(folder / "p.dat", bytes));
        const auto buffers = ReadAll(folder / "p.dat", kPlayerRecordLength, kPlayerExaminedLength);
        ASSERT_EQ(buffers.size(), count) << size << " bytes";
        for (std::size_t n = 0; n < count; ++n) {
            Bytes expected(kPlayerExaminedLength, 0);
            for (std::size_t i = 0; i < expected.size() && n * 664 + i < size; ++i) expected[i] = bytes[n * 664 + i];
            EXPECT_EQ(buffers[n], expected) << size << " bytes, record " << n + 1;
        }
        RecordFile inMemory;
        inMemory.OpenBytes(bytes, kPlayerRecordLength, kPlayerExaminedLength);
        EXPECT_EQ(ReadToEnd(inMemory), buffers) << size << " bytes in memory";
    }
}

TEST(RecordFile, BlockSizeChangesNothingAReaderSees) {
    TempFolder folder;
    // Records straddle block edges in every way for these block sizes.
    ASSERT_TRUE(WriteBytes(folder / "t.dat", NumberedBytes(130 * kTeamRecordLength + 500)));
    const auto reference = ReadAll(folder / "t.dat", kTeamRecordLength, kTeamExaminedLength, 1);
    ASSERT_EQ(reference.size(), 131u);
    for (const std::size_t block : {2u, 3u, 64u, 129u, 130u, 1000u}) {
        EXPECT_EQ(ReadAll(folder / "t.dat", kTeamRecordLength, kTeamExaminedLength, block), reference) << block;
    }
}

TEST(RecordFile, ReadOnlyFileIsReadTwiceAtOnceAndLeftUnchanged) {
    TempFolder folder;
    const fs::path path = folder / "KOVPLYR.DAT";
    const Bytes bytes = NumberedBytes(kPlayerRecordLength);
    ASSERT_TRUE(WriteBytes(path, bytes));
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    RecordFile first;
    ASSERT_TRUE(first.Open(path.string(), kPlayerRecordLength, kPlayerExaminedLength));
    EXPECT_EQ(ReadAll(path, kPlayerRecordLength, kPlayerExaminedLength)[0],
              Bytes(bytes.begin(), bytes.begin() + kPlayerExaminedLength));
    EXPECT_EQ(fs::file_size(path), bytes.size());
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace
}  // namespace trelvane
