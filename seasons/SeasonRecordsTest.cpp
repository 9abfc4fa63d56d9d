#include "SeasonRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace trelvane {
namespace {

template <std::size_t N> struct Buffer {
    std::array<std::uint8_t, N> bytes{};
    Buffer& Put(std::size_t offset, std::initializer_list<std::uint8_t> values) {
        std::copy(values.begin(), values.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
        return *this;
    }
    Buffer& Text(std::size_t offset, const char* text) {
        std::memcpy(bytes.data() + offset, text, std::strlen(text));
        return *this;
    }
};

TEST(PlayerRecord, DecodesLittleEndianSignedFieldsAndTextsRunningPastTheirSlot) {
    Buffer<kPlayerExaminedLength> b;
    b.Put(0, {0xFE, 0xFF}).Put(8, {0x39, 0x30, 0x00, 0x00}).Text(22, "Jan").Text(36, "Doe");
    PlayerRecord player = DecodePlayer(b.bytes);
    EXPECT_EQ(player.record_status, -2);
    EXPECT_EQ(player.player_id, 12345);
    EXPECT_EQ(PlayerDisplayName(player), "Doe,Jan");

    // A first name filling its 14 bytes runs on into the last name.
    b.Put(8, {0x00, 0x00, 0x00, 0x80}).Text(22, "Maximilianusz").Text(35, "X").Text(36, "Baines");
    player = DecodePlayer(b.bytes);
    EXPECT_EQ(player.player_id, INT32_MIN);
    EXPECT_EQ(PlayerDisplayName(player), "Baines,MaximilianuszXBaines");
    // A text without a zero byte ends with the record, though more bytes
    // (the next records of a block) follow it.
    const std::vector<std::uint8_t> block(2 * kPlayerRecordLength, 'z');
    const std::span<const std::uint8_t, kPlayerExaminedLength> first(block.data(), kPlayerExaminedLength);
    EXPECT_EQ(DecodePlayer(first).name_part_b.size(), kPlayerExaminedLength - 36);
}

TEST(SeasonFilePath, JoinsFolderTextAndFileNameWithABackslashAndNothingElse) {
    EXPECT_EQ(SeasonFilePath("C:\\KOV\\", kTeamFileName), "C:\\KOV\\\\KOVTEAM.DAT");
    EXPECT_EQ(SeasonFilePath(" x ", kPlayerFileName), " x \\KOVPLYR.DAT");
}

}  // namespace
}  // namespace trelvane
