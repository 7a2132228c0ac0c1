#include "buffer/Crc32.h"

#include <gtest/gtest.h>

#include "CheckValue.h"

namespace veldrix::test {
namespace {

TEST(Crc32Test, IsTheUncomplementedCrc32) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(kCheckDigits.data());
    const std::uint32_t crc = uncomplementedCrc32(std::span(bytes, kCheckDigits.size()));
    EXPECT_EQ(crc, kCheckDigitsCrc32);
    EXPECT_EQ(crc32Text(crc), kCheckDigitsCrc32Text);
    EXPECT_EQ(crc32Text(0xAB), "CRC32: 000000AB");
    EXPECT_EQ(uncomplementedCrc32({}), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace veldrix::test
