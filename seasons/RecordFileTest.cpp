#include "RecordFile.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <vector>

#include "SeasonRecords.h"
#include "SeasonWriter.h"
#include "TempFolder.h"

namespace trelvane {
namespace {

namespace fs = std::filesystem;
using tools::TempFolder;
using tools::WriteBytes;

// Byte i of the file holds a value that differs from its neighbours and is
// never zero, so every byte read can be traced back to its offset.
std::vector<std::uint8_t> NumberedBytes(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i % 251 + 1);
    return bytes;
}

// Every buffer the usual loop examines, in order.
std::vector<std::vector<std::uint8_t>> ReadAll(const fs::path& path, std::size_t recordLength,
                                               std::size_t examined, std::size_t blockRecords = 64) {
    RecordFile file(blockRecords);
    file.Open(path.string(), recordLength, examined);
    std::vector<std::vector<std::uint8_t>> buffers;
    while (!file.AtEnd()) {
        const auto record = file.ReadNext();
        buffers.emplace_back(record.begin(), record.end());
    }
    file.Close();
    return buffers;
}

std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t count) {
    std::vector<std::uint8_t> slice(count, 0);
    for (std::size_t i = 0; i < count && from + i < bytes.size(); ++i) slice[i] = bytes[from + i];
    return slice;
}

TEST(RecordFile, ReadsExaminedPartOfEachRecordSteppingByFullLengthThenOneZeroBuffer) {
    TempFolder folder;
    const auto bytes = NumberedBytes(3 * kPlayerRecordLength);
    ASSERT_TRUE(WriteBytes(folder / "KOVPLYR.DAT", bytes));

    const auto buffers = ReadAll(folder / "KOVPLYR.DAT", kPlayerRecordLength, kPlayerExaminedLength);
    ASSERT_EQ(buffers.size(), 4u);
    for (std::size_t n = 0; n < 3; ++n) {
        EXPECT_EQ(buffers[n], Slice(bytes, n * kPlayerRecordLength, kPlayerExaminedLength)) << "record " << n + 1;
    }
    EXPECT_EQ(buffers[3], std::vector<std::uint8_t>(kPlayerExaminedLength, 0));
}

TEST(RecordFile, ShortFinalRecordIsZeroFilledAndEndsReading) {
    TempFolder folder;
    const auto bytes = NumberedBytes(2 * kPlayerRecordLength + 100);
    ASSERT_TRUE(WriteBytes(folder / "p.dat", bytes));

    const auto buffers = ReadAll(folder / "p.dat", kPlayerRecordLength, kPlayerExaminedLength);
    ASSERT_EQ(buffers.size(), 3u);
    const auto last = Slice(bytes, 2 * kPlayerRecordLength, kPlayerExaminedLength);
    EXPECT_EQ(buffers[2], last);
    EXPECT_EQ(buffers[2][99], bytes.back());
    EXPECT_EQ(buffers[2][100], 0);
}

TEST(RecordFile, FinalRecordMissingOnlyItsUnreadTailCountsAsComplete) {
    // 660 to 663 bytes of a last player record: its examined part is whole.
    for (const std::size_t tail : {kPlayerExaminedLength, kPlayerRecordLength - 1}) {
        TempFolder folder;
        const auto bytes = NumberedBytes(kPlayerRecordLength + tail);
        ASSERT_TRUE(WriteBytes(folder / "p.dat", bytes));
        const auto buffers = ReadAll(folder / "p.dat", kPlayerRecordLength, kPlayerExaminedLength);
        ASSERT_EQ(buffers.size(), 3u) << "tail " << tail;
        EXPECT_EQ(buffers[1], Slice(bytes, kPlayerRecordLength, kPlayerExaminedLength));
        EXPECT_EQ(buffers[2], std::vector<std::uint8_t>(kPlayerExaminedLength, 0));
    }
}

TEST(RecordFile, EmptyFileIsNotAtEndUntilItsFirstReadComesBackEmpty) {
    TempFolder folder;
    ASSERT_TRUE(WriteBytes(folder / "t.dat", {}));
    RecordFile file;
    ASSERT_TRUE(file.Open((folder / "t.dat").string(), kTeamRecordLength, kTeamExaminedLength));
    EXPECT_FALSE(file.AtEnd());
    const auto record = file.ReadNext();
    EXPECT_TRUE(file.AtEnd());
    EXPECT_EQ(std::vector(record.begin(), record.end()), std::vector<std::uint8_t>(kTeamExaminedLength, 0));
    EXPECT_TRUE(file.Problem().empty());
}

TEST(RecordFile, BlockSizeChangesNothingAReaderSees) {
    TempFolder folder;
    // Records straddle block edges in every way for these block sizes.
    const auto bytes = NumberedBytes(130 * kTeamRecordLength + 500);
    ASSERT_TRUE(WriteBytes(folder / "t.dat", bytes));
    const auto reference = ReadAll(folder / "t.dat", kTeamRecordLength, kTeamExaminedLength, 1);
    ASSERT_EQ(reference.size(), 131u);
    for (const std::size_t block : {2u, 3u, 64u, 129u, 130u, 1000u}) {
        EXPECT_EQ(ReadAll(folder / "t.dat", kTeamRecordLength, kTeamExaminedLength, block), reference)
            << "block of " << block;
    }
}

TEST(RecordFile, MissingFileOrFolderIsNotOpenedAndNothingIsCreated) {
    TempFolder folder;
    for (const fs::path& path : {folder / "KOVPLYR.DAT", folder / "no-such-folder" / "KOVPLYR.DAT"}) {
        RecordFile file;
        EXPECT_FALSE(file.Open(path.string(), kPlayerRecordLength, kPlayerExaminedLength));
        EXPECT_TRUE(file.AtEnd());
        EXPECT_FALSE(file.Problem().empty());
        EXPECT_EQ(file.ReadNext().size(), kPlayerExaminedLength);
        file.Close();
        file.Close();
        EXPECT_FALSE(fs::exists(path));
    }
    EXPECT_FALSE(fs::exists(folder / "no-such-folder"));
}

TEST(RecordFile, FolderInPlaceOfFileIsNotOpened) {
    TempFolder folder;
    fs::create_directory(folder / "KOVPLYR.DAT");
    RecordFile file;
    EXPECT_FALSE(file.Open((folder / "KOVPLYR.DAT").string(), kPlayerRecordLength, kPlayerExaminedLength));
    EXPECT_TRUE(file.AtEnd());
}

TEST(RecordFile, ReadOnlyFileIsReadAndLeftUnchanged) {
    TempFolder folder;
    const auto bytes = NumberedBytes(kPlayerRecordLength);
    const fs::path path = folder / "KOVPLYR.DAT";
    ASSERT_TRUE(WriteBytes(path, bytes));
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    const auto buffers = ReadAll(path, kPlayerRecordLength, kPlayerExaminedLength);
    ASSERT_EQ(buffers.size(), 2u);
    EXPECT_EQ(buffers[0], Slice(bytes, 0, kPlayerExaminedLength));
    EXPECT_EQ(fs::file_size(path), bytes.size());
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
}

TEST(RecordFile, SameFileCanBeOpenTwiceAtOnce) {
    TempFolder folder;
    const auto bytes = NumberedBytes(kPlayerRecordLength);
    ASSERT_TRUE(WriteBytes(folder / "KOVPLYR.DAT", bytes));
    RecordFile first, second;
    ASSERT_TRUE(first.Open((folder / "KOVPLYR.DAT").string(), kPlayerRecordLength, kPlayerExaminedLength));
    ASSERT_TRUE(second.Open((folder / "KOVPLYR.DAT").string(), kPlayerRecordLength, kPlayerExaminedLength));
    const auto a = first.ReadNext();
    const auto b = second.ReadNext();
    EXPECT_FALSE(first.AtEnd() || second.AtEnd());
    EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end()));
}

TEST(RecordFile, PathLongerThan255IsRefusedWithoutOpeningAShorterOne) {
    TempFolder folder;
    // Pad the folder so that folder + separator + "KOVPLYR.DAT" is exactly 255.
    const std::string base = folder.Text();
    const std::size_t padding = 255 - base.size() - 1 - std::string("x").size() - 1 - 11;
    const fs::path deep = folder / ("x" + std::string(padding, 'd'));
    fs::create_directories(deep);
    const std::string exact = SeasonFilePath(deep.string(), kPlayerFileName);
    ASSERT_EQ(exact.size(), 255u);
    ASSERT_TRUE(WriteBytes(deep / kPlayerFileName, NumberedBytes(kPlayerRecordLength)));

    RecordFile file;
    EXPECT_TRUE(file.Open(exact, kPlayerRecordLength, kPlayerExaminedLength));
    file.Close();
    // One character more, and the first 255 characters still name a real file.
    EXPECT_FALSE(file.Open(exact + "X", kPlayerRecordLength, kPlayerExaminedLength));
    EXPECT_TRUE(file.AtEnd());
    EXPECT_NE(file.Problem().find("255"), std::string::npos);
}

}  // namespace
}  // namespace trelvane
