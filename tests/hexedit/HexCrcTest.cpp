#include <gtest/gtest.h>

#include <string_view>

#include "hexedit/HexCrc.h"

namespace veldrix {
namespace {

TEST(HexCrc, MatchesTheBufferToolsCrc32) {
    constexpr std::string_view kDigits = "123456789";
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(kDigits.data());
    const std::uint32_t crc = uncomplementedCrc32(std::span(bytes, kDigits.size()));
    EXPECT_EQ(crc, 0x340BC6D9u);  // not the complemented 0xCBF43926
    EXPECT_EQ(crcMessage(crc), QStringLiteral("CRC32: 340BC6D9"));
    EXPECT_EQ(crcMessage(0xAB), QStringLiteral("CRC32: 000000AB"));
    EXPECT_EQ(uncomplementedCrc32({}), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace veldrix
