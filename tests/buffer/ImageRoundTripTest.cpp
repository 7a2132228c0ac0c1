#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "VariedBytes.h"
#include "buffer/ImageFormat.h"
#include "buffer/IntelHexReader.h"
#include "buffer/IntelHexWriter.h"
#include "buffer/SRecordReader.h"
#include "buffer/SRecordWriter.h"

namespace veldrix::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes varied(std::size_t length) {
    return variedBytes(length, static_cast<std::uint32_t>(length));
}

TEST(ImageRoundTrip, RawToHexToSRecordAndBackKeepsEveryByte) {
    constexpr std::size_t k64K = 0x10000;
    for (const std::size_t length :
         {std::size_t{1}, std::size_t{2}, std::size_t{15}, std::size_t{16}, std::size_t{17},
          std::size_t{255}, std::size_t{4097}, k64K - 1, k64K, k64K + 1, k64K + 15, 2 * k64K - 7,
          2 * k64K, 3 * k64K + 9, 8 * k64K - 1, 8 * k64K}) {
        SCOPED_TRACE(length);
        const Bytes raw = varied(length);

        const std::string hex = writeIntelHex(raw);
        EXPECT_EQ(detectImageFormat(hex), ImageFormat::IntelHex);
        const ImageReadResult fromHex = readIntelHex(hex, length);
        ASSERT_TRUE(fromHex.ok()) << imageFileErrorText(*fromHex.error);
        EXPECT_EQ(fromHex.image, raw);

        const std::string srec = writeSRecord(fromHex.image);
        EXPECT_EQ(detectImageFormat(srec), ImageFormat::SRecord);
        const ImageReadResult fromSRecord = readSRecord(srec, length);
        ASSERT_TRUE(fromSRecord.ok()) << imageFileErrorText(*fromSRecord.error);
        EXPECT_EQ(fromSRecord.image, raw);

        const ImageReadResult backToHex = readIntelHex(writeIntelHex(fromSRecord.image), length);
        ASSERT_TRUE(backToHex.ok());
        EXPECT_EQ(backToHex.image, raw);
    }
}

TEST(ImageRoundTrip, AFileOfASmallerImageFillsTheStartOfALargerOne) {
    const Bytes raw = varied(100);
    for (const ImageReadResult& result :
         {readIntelHex(writeIntelHex(raw), 300), readSRecord(writeSRecord(raw), 300)}) {
        ASSERT_TRUE(result.ok());
        Bytes expected = raw;
        expected.resize(300, 0xFF);
        EXPECT_EQ(result.image, expected);
    }
}

TEST(ImageRoundTrip, AFileOfALargerImageDoesNotFitASmallerOne) {
    const Bytes raw = varied(0x10001);
    const ImageReadResult hex = readIntelHex(writeIntelHex(raw), 0x10000);
    ASSERT_FALSE(hex.ok());
    EXPECT_EQ(hex.error->fault, ImageFileFault::BeyondImage);
    EXPECT_EQ(hex.error->address, 0x10000u);

    const ImageReadResult srec = readSRecord(writeSRecord(raw), 0x10000);
    ASSERT_FALSE(srec.ok());
    EXPECT_EQ(srec.error->fault, ImageFileFault::BeyondImage);
}

}  // namespace
}  // namespace veldrix::test
