#include "buffer/BufferTools.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "BufferFixture.h"
#include "CheckValue.h"

namespace veldrix::test {
namespace {

using BufferToolsTest = BufferFixture;

TEST_F(BufferToolsTest, DigestsOfKnownTexts) {
    selectChip(9);
    load(std::string(kCheckDigits));
    EXPECT_EQ(BufferCheckSum(buffer), "CRC: 01DD");
    EXPECT_EQ(BufferCrc32(buffer), kCheckDigitsCrc32Text);
    EXPECT_EQ(BufferMd5(buffer), "MD5: 25F9E794323B453885F5181F1B624D0B");

    selectChip(3);
    load("abc");
    EXPECT_EQ(BufferMd5(buffer), "MD5: 900150983CD24FB0D6963F7D28E17F72");

    selectChip(0);
    EXPECT_EQ(BufferCheckSum(buffer), std::nullopt);
    EXPECT_EQ(BufferCrc32(buffer), std::nullopt);
    EXPECT_EQ(BufferMd5(buffer), std::nullopt);
}

TEST_F(BufferToolsTest, CheckSumWrapsAt16Bits) {
    selectChip(0x10000);
    EXPECT_EQ(BufferCheckSum(buffer), "CRC: 0000");

    buffer.data()[0] = 0xFE;
    EXPECT_EQ(BufferCheckSum(buffer), "CRC: FFFF");
}

TEST_F(BufferToolsTest, CheckSumAndCrc32CoverTheMainAreaOnlyMd5TheSecondAreaToo) {
    selectChip(3, 3, 3);
    load("abc");
    const auto sum = BufferCheckSum(buffer);
    const auto crc = BufferCrc32(buffer);
    const auto md5 = BufferMd5(buffer);

    buffer.data()[4] = 0x00;

    EXPECT_EQ(BufferCheckSum(buffer), sum);
    EXPECT_EQ(BufferCrc32(buffer), crc);
    EXPECT_NE(BufferMd5(buffer), md5);
}

TEST_F(BufferToolsTest, DigestsNeedSizePlusEeplenBytesInTheImage) {
    // The second area overlaps the main area, so size + eeplen is longer
    // than the image.
    selectChip(0x100, 0x10, 0);
    EXPECT_EQ(BufferCrc32(buffer), "OnBufferCrc32 GetPage error");
    EXPECT_EQ(BufferMd5(buffer), "OnBufferMd5 GetPage error");
    EXPECT_EQ(BufferCheckSum(buffer), "CRC: FF00");

    // A module that moves its area afterwards so that size + eeplen wraps
    // 32 bits to a small number must not pass the check.
    selectChip(0x100, 0x10, 0x100);
    block.eeplen = 0xFFFFFF80;
    EXPECT_EQ(BufferCrc32(buffer), "OnBufferCrc32 GetPage error");
    EXPECT_EQ(BufferMd5(buffer), "OnBufferMd5 GetPage error");
}

TEST_F(BufferToolsTest, ToolsDoNothingWithoutAnImage) {
    selectChip(static_cast<std::uint32_t>(DataBuffer::kMaxLength + 1));
    ASSERT_FALSE(buffer.hasImage());

    EXPECT_FALSE(InitBuffer(buffer));
    EXPECT_FALSE(FillBuffer(buffer, 0));
    EXPECT_FALSE(XorBuffer(buffer, 0xFF));
    EXPECT_FALSE(SwapBytes(buffer));
    EXPECT_EQ(BufferCheckSum(buffer), std::nullopt);
    EXPECT_EQ(BufferCrc32(buffer), std::nullopt);
    EXPECT_EQ(BufferMd5(buffer), std::nullopt);
}

TEST_F(BufferToolsTest, SwapExchangesPairsAndLeavesAnOddLastByte) {
    selectChip(3);
    load("\x12\x34\x56");
    ASSERT_EQ(buffer.mark(0, 1), 1u);

    EXPECT_TRUE(SwapBytes(buffer));

    EXPECT_EQ(image(), "\x34\x12\x56");
    EXPECT_EQ(mainEditor.markedCount(), 0u);

    selectChip(4);
    load("ABCD");
    EXPECT_TRUE(SwapBytes(buffer));
    EXPECT_EQ(image(), "BADC");
}

TEST_F(BufferToolsTest, XorCoversEveryAreaAndTheGapsAndClearsMarks) {
    block.extofs = 0x300;
    block.extlen = 0x10;
    selectChip(0x100, 0x80, 0x200);
    load("\x0F\xF0");
    ASSERT_EQ(buffer.mark(1, 1), 1u);

    EXPECT_TRUE(XorBuffer(buffer, 0xFF));

    EXPECT_EQ(buffer.getbyte(0), 0xF0);
    EXPECT_EQ(buffer.getbyte(1), 0x0F);
    EXPECT_EQ(image().substr(2), std::string(0x310 - 2, '\0'));
    EXPECT_EQ(mainEditor.markedCount(), 0u);
}

TEST_F(BufferToolsTest, XorWithZeroOrCancelledStillClearsMarks) {
    selectChip(0x200, 0x10, 0x200);
    const std::string before = image();

    block.page = 1;
    ASSERT_EQ(buffer.mark(0x200, 1), 1u);
    EXPECT_TRUE(XorBuffer(buffer, 0));
    EXPECT_EQ(secondEditor.markedCount(), 0u);

    ASSERT_EQ(buffer.mark(3, 1), 1u);
    EXPECT_TRUE(XorBuffer(buffer, std::nullopt));
    EXPECT_EQ(mainEditor.markedCount(), 0u);

    EXPECT_EQ(image(), before);
}

TEST_F(BufferToolsTest, FillKeepsMarksInitRestoresTheFillValueAndClearsThem) {
    block.blank = 0xA5;
    selectChip(0x200);
    ASSERT_EQ(buffer.mark(0x1FF, 1), 1u);

    EXPECT_TRUE(FillBuffer(buffer, 0));
    EXPECT_EQ(image(), std::string(0x200, '\0'));
    EXPECT_TRUE(mainEditor.marks[0x1FF]);

    EXPECT_TRUE(InitBuffer(buffer));
    EXPECT_EQ(image(), std::string(0x200, '\xA5'));
    EXPECT_EQ(mainEditor.markedCount(), 0u);
}

}  // namespace
}  // namespace veldrix::test
