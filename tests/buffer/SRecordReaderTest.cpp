#include "buffer/SRecordReader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "RecordTextBuilders.h"

namespace veldrix::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(SRecordReader, ReadsAPublishedExample) {
    const std::string text =
        "S00F000068656C6C6F202020202000003C\r\n"
        "S11F00007C0802A6900100049421FFF07C6C1B787C8C23783C6000003863000026\r\n"
        "S5030001FB\r\n"
        "S9030000FC\r\n";
    const ImageReadResult result = readSRecord(text, 0x20);
    ASSERT_TRUE(result.ok()) << imageFileErrorText(*result.error);
    const Bytes data = {0x7C, 0x08, 0x02, 0xA6, 0x90, 0x01, 0x00, 0x04, 0x94, 0x21,
                        0xFF, 0xF0, 0x7C, 0x6C, 0x1B, 0x78, 0x7C, 0x8C, 0x23, 0x78,
                        0x3C, 0x60, 0x00, 0x00, 0x38, 0x63, 0x00, 0x00};
    Bytes expected(0x20, 0xFF);
    std::copy(data.begin(), data.end(), expected.begin());
    EXPECT_EQ(result.image, expected);
}

TEST(SRecordReader, EachAddressSizeAndEachEndRecordIsRead) {
    const std::string text = lines({
        sRecord('0', 2, 0, {'h', 'd', 'r'}),
        sRecord('1', 2, 0x0001, {0x11}),
        sRecord('2', 3, 0x010002, {0x22, 0x23}),
        sRecord('3', 4, 0x00020004, {0x33}),
    });
    for (const std::string& end :
         {sRecord('7', 4, 0, {}), sRecord('8', 3, 0, {}), sRecord('9', 2, 0x1234, {})}) {
        SCOPED_TRACE(end);
        const ImageReadResult result = readSRecord(text + end + "\r\n", 0x20005);
        ASSERT_TRUE(result.ok()) << imageFileErrorText(*result.error);
        const Bytes expected =
            erasedWith(0x20005, {{0x1, 0x11}, {0x10002, 0x22}, {0x10003, 0x23}, {0x20004, 0x33}});
        EXPECT_EQ(result.image, expected);
    }
}

TEST(SRecordReader, CountRecordsMustMatchTheDataRecordsBeforeThem) {
    const std::string data = lines({sRecord('1', 2, 0, {1}), sRecord('1', 2, 1, {2})});
    EXPECT_TRUE(
        readSRecord(data + lines({sRecord('5', 2, 2, {}), sRecord('9', 2, 0, {})}), 2).ok());
    EXPECT_TRUE(
        readSRecord(data + lines({sRecord('6', 3, 2, {}), sRecord('9', 2, 0, {})}), 2).ok());

    const ImageFileError error =
        errorOf(readSRecord(data + lines({sRecord('5', 2, 3, {}), sRecord('9', 2, 0, {})}), 2));
    EXPECT_EQ(error, (ImageFileError{ImageFileFault::RecordCount, 3}));
}

TEST(SRecordReader, EachFaultNamesItsLine) {
    const std::string good = sRecord('1', 2, 0, {0x01, 0x02});
    const std::vector<FaultCase> cases = {
        {"checksum", sRecord('1', 2, 4, {0x01}, 1), ImageFileFault::Checksum, 0},
        {"header checksum", sRecord('0', 2, 0, {'x'}, -1), ImageFileFault::Checksum, 0},
        {"reserved S4", sRecord('4', 2, 0, {}), ImageFileFault::Malformed, 0},
        {"letter type", "SA" + sRecord('1', 2, 4, {0x01}).substr(2), ImageFileFault::Malformed, 0},
        {"lower-case s", "s" + sRecord('1', 2, 4, {0x01}).substr(1), ImageFileFault::Malformed, 0},
        {"S alone", "S", ImageFileFault::Malformed, 0},
        {"no count", "S1", ImageFileFault::Malformed, 0},
        {"count too small for the address", "S10200FD", ImageFileFault::Malformed, 0},
        {"count larger than the bytes", "S106000401F4", ImageFileFault::Malformed, 0},
        {"odd digit count", sRecord('1', 2, 4, {0x01}) + "F", ImageFileFault::Malformed, 0},
        {"not hex", "S1040004G1F6", ImageFileFault::Malformed, 0},
        {"count record with data", sRecord('5', 2, 1, {0}), ImageFileFault::Malformed, 0},
        {"end record with data", sRecord('9', 2, 0, {0}), ImageFileFault::Malformed, 0},
        {"beyond the image", sRecord('2', 3, 0x0F, {1, 2}), ImageFileFault::BeyondImage, 0x10},
        {"far beyond", sRecord('3', 4, 0xFFFFFFFF, {1}), ImageFileFault::BeyondImage, 0xFFFFFFFF},
        {"overlap", sRecord('1', 2, 1, {0x03}), ImageFileFault::Overlap, 1},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.what);
        const ImageFileError error = errorOf(
            readSRecord(lines({good, "  ", c.badLine, sRecord('9', 2, 0, {})}, "\r\n"), 0x10));
        EXPECT_EQ(error, (ImageFileError{c.fault, 3, c.address}));
    }
}

TEST(SRecordReader, ATextWithoutEndRecordIsRefusedAndNothingAfterTheEndIsRead) {
    EXPECT_EQ(errorOf(readSRecord(lines({sRecord('1', 2, 0, {1})}), 1)),
              (ImageFileError{ImageFileFault::MissingEnd, 1}));

    const ImageReadResult result =
        readSRecord(lines({sRecord('1', 2, 0, {1}), sRecord('9', 2, 0, {}), "garbage",
                           sRecord('1', 2, 0, {2})}),
                    1);
    ASSERT_TRUE(result.ok()) << imageFileErrorText(*result.error);
    EXPECT_EQ(result.image, Bytes{1});
}

TEST(SRecordReader, TheFilesOwnImageEndsAtItsLastByte) {
    const std::string text = lines({sRecord('2', 3, 0x010000, {0x44}),
                                    sRecord('1', 2, 0x0002, {0x55}), sRecord('9', 2, 0, {})});
    const ImageReadResult own = readSRecord(text, 0x20000, ImageExtent::LastByte);
    ASSERT_TRUE(own.ok()) << imageFileErrorText(*own.error);
    EXPECT_EQ(own.image, erasedWith(0x10001, {{2, 0x55}, {0x10000, 0x44}}));
}

}  // namespace
}  // namespace veldrix::test
