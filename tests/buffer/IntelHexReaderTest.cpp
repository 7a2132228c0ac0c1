#include "buffer/IntelHexReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "RecordTextBuilders.h"

namespace veldrix::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes erased(std::size_t length) {
    return Bytes(length, 0xFF);
}

TEST(IntelHexReader, ReadsAPublishedExampleAndFillsTheRestWithTheErasedValue) {
    const std::string text =
        ":10010000214601360121470136007EFE09D2190140\r\n"
        ":100110002146017E17C20001FF5F16002148011928\r\n"
        ":00000001FF\r\n";
    const ImageReadResult result = readIntelHex(text, 0x200);
    ASSERT_TRUE(result.ok()) << imageFileErrorText(*result.error);

    Bytes expected = erased(0x200);
    const Bytes first = {0x21, 0x46, 0x01, 0x36, 0x01, 0x21, 0x47, 0x01,
                         0x36, 0x00, 0x7E, 0xFE, 0x09, 0xD2, 0x19, 0x01};
    const Bytes second = {0x21, 0x46, 0x01, 0x7E, 0x17, 0xC2, 0x00, 0x01,
                          0xFF, 0x5F, 0x16, 0x00, 0x21, 0x48, 0x01, 0x19};
    std::copy(first.begin(), first.end(), expected.begin() + 0x100);
    std::copy(second.begin(), second.end(), expected.begin() + 0x110);
    EXPECT_EQ(result.image, expected);
}

TEST(IntelHexReader, LineEndsCaseBlankLinesAndTrailingBlanksDoNotMatter) {
    const std::string record = intelRecord(0x00, 2, {0xAB, 0xCD});
    std::string lower = record;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const Bytes expected = {0xFF, 0xFF, 0xAB, 0xCD};
    for (const std::string& text :
         {lines({record, intelEnd()}), lines({record, intelEnd()}, "\r\n"),
          "\n  \r\n" + lower + " \t\r\n\n" + intelEnd(), record + "\n" + intelEnd() + "\r\n\r\n"}) {
        SCOPED_TRACE(text);
        const ImageReadResult result = readIntelHex(text, 4);
        ASSERT_TRUE(result.ok()) << imageFileErrorText(*result.error);
        EXPECT_EQ(result.image, expected);
    }
}

TEST(IntelHexReader, ExtendedLinearAddressesReachPast64KAndRecordsMayCrossA64KBoundary) {
    const std::string text = lines({
        intelRecord(0x04, 0, {0x00, 0x01}),
        intelRecord(0x00, 0x0010, {0x11}),
        intelRecord(0x00, 0xFFFF, {0x22, 0x33}),  // 0x1FFFF and 0x20000
        intelRecord(0x04, 0, {0x00, 0x00}),
        intelRecord(0x00, 0x0000, {0x44}),
        intelEnd(),
    });
    const ImageReadResult result = readIntelHex(text, 0x20001);
    ASSERT_TRUE(result.ok()) << imageFileErrorText(*result.error);
    const Bytes expected =
        erasedWith(0x20001, {{0x10010, 0x11}, {0x1FFFF, 0x22}, {0x20000, 0x33}, {0, 0x44}});
    EXPECT_EQ(result.image, expected);
}

TEST(IntelHexReader, ExtendedSegmentAddressesAreTimesSixteenAndWrapWithinTheSegment) {
    const std::string text = lines({
        intelRecord(0x02, 0, {0x10, 0x00}),       // base 0x10000
        intelRecord(0x00, 0x0008, {0x01}),        // 0x10008
        intelRecord(0x00, 0xFFFF, {0x02, 0x03}),  // 0x1FFFF, then back to 0x10000
        intelRecord(0x02, 0, {0x00, 0x01}),       // base 0x10
        intelRecord(0x00, 0x0001, {0x04}),        // 0x11
        intelEnd(),
    });
    const ImageReadResult result = readIntelHex(text, 0x20000);
    ASSERT_TRUE(result.ok()) << imageFileErrorText(*result.error);
    const Bytes expected =
        erasedWith(0x20000, {{0x10008, 0x01}, {0x1FFFF, 0x02}, {0x10000, 0x03}, {0x11, 0x04}});
    EXPECT_EQ(result.image, expected);
}

TEST(IntelHexReader, StartAddressRecordsAreIgnoredAndNothingAfterTheEndIsRead) {
    const std::string text = lines({
        intelRecord(0x03, 0, {0x12, 0x34, 0x56, 0x78}),
        intelRecord(0x05, 0, {0x00, 0x00, 0x01, 0x00}),
        intelRecord(0x00, 0, {0x5A}),
        intelEnd(),
        "not a record",
        intelRecord(0x00, 0, {0x00}),
    });
    const ImageReadResult result = readIntelHex(text, 2);
    ASSERT_TRUE(result.ok()) << imageFileErrorText(*result.error);
    EXPECT_EQ(result.image, (Bytes{0x5A, 0xFF}));
}

TEST(IntelHexReader, ARecordGivenTwiceWithTheSameBytesIsAccepted) {
    const std::string record = intelRecord(0x00, 1, {0x01, 0x02});
    const ImageReadResult result =
        readIntelHex(lines({record, intelRecord(0x00, 2, {0x02, 0x03}), record, intelEnd()}), 4);
    ASSERT_TRUE(result.ok()) << imageFileErrorText(*result.error);
    EXPECT_EQ(result.image, (Bytes{0xFF, 0x01, 0x02, 0x03}));
}

TEST(IntelHexReader, EachFaultNamesItsLine) {
    const std::string good = intelRecord(0x00, 0, {0x01, 0x02});
    const std::vector<FaultCase> cases = {
        {"checksum", intelRecord(0x00, 4, {0x01}, 1), ImageFileFault::Checksum, 0},
        {"no colon", "10" + intelRecord(0x00, 4, {0x01}).substr(1), ImageFileFault::Malformed, 0},
        {"space inside", ":01 000400 01FA", ImageFileFault::Malformed, 0},
        {"odd digit count", intelRecord(0x00, 4, {0x01}) + "0", ImageFileFault::Malformed, 0},
        {"count larger than the data", ":0200040001F9", ImageFileFault::Malformed, 0},
        {"too short for a header", ":0000", ImageFileFault::Malformed, 0},
        {"colon alone", ":", ImageFileFault::Malformed, 0},
        {"unknown type", intelRecord(0x06, 0, {}), ImageFileFault::Malformed, 0},
        {"address record too long", intelRecord(0x04, 0, {0, 0, 0}), ImageFileFault::Malformed, 0},
        {"end record with data", intelRecord(0x01, 0, {0}), ImageFileFault::Malformed, 0},
        {"beyond the image", intelRecord(0x00, 0x000F, {1, 2}), ImageFileFault::BeyondImage, 0x10},
        {"far beyond", intelRecord(0x04, 0, {0xFF, 0xFF}) + "\n" + intelRecord(0x00, 0xFFFF, {1}),
         ImageFileFault::BeyondImage, 0xFFFFFFFFu},
        {"overlap", intelRecord(0x00, 0, {0x01, 0x7F}), ImageFileFault::Overlap, 1},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string text = lines({good, "", c.badLine, intelEnd()});
        const ImageFileError error = errorOf(readIntelHex(text, 0x10));
        EXPECT_EQ(error.fault, c.fault);
        EXPECT_EQ(error.line, c.badLine.find('\n') == std::string::npos ? 3u : 4u);
        EXPECT_EQ(error.address, c.address);
    }
}

TEST(IntelHexReader, ATextWithoutEndRecordIsRefusedAsPossiblyCutShort) {
    const ImageFileError error = errorOf(readIntelHex(lines({intelRecord(0x00, 0, {1}), ""}), 4));
    EXPECT_EQ(error, (ImageFileError{ImageFileFault::MissingEnd, 2}));
    EXPECT_EQ(errorOf(readIntelHex("", 4)), (ImageFileError{ImageFileFault::MissingEnd, 1}));
}

TEST(IntelHexReader, AnEmptyImageTakesOnlyEmptyRecords) {
    const ImageReadResult result = readIntelHex(lines({intelRecord(0x00, 0, {}), intelEnd()}), 0);
    ASSERT_TRUE(result.ok());
    EXPECT_TRUE(result.image.empty());
    EXPECT_EQ(errorOf(readIntelHex(lines({intelRecord(0x00, 0, {1}), intelEnd()}), 0)).fault,
              ImageFileFault::BeyondImage);
}

// A file read with no chip to size it: its image ends at the last byte a
// record gives, wherever in the file that record stands, and the length
// asked for still bounds it.
TEST(IntelHexReader, TheFilesOwnImageEndsAtItsLastByte) {
    const std::string text = lines(
        {intelRecord(0x00, 0x0100, {0x11, 0x22}), intelRecord(0x00, 0x0004, {0x33}), intelEnd()});
    const ImageReadResult own = readIntelHex(text, 0x10000, ImageExtent::LastByte);
    ASSERT_TRUE(own.ok()) << imageFileErrorText(*own.error);
    EXPECT_EQ(own.image, erasedWith(0x102, {{4, 0x33}, {0x100, 0x11}, {0x101, 0x22}}));

    EXPECT_EQ(errorOf(readIntelHex(text, 0x101, ImageExtent::LastByte)),
              (ImageFileError{ImageFileFault::BeyondImage, 1, 0x101}));
    const ImageReadResult nothing =
        readIntelHex(lines({intelRecord(0x00, 0, {}), intelEnd()}), 0x100, ImageExtent::LastByte);
    ASSERT_TRUE(nothing.ok());
    EXPECT_TRUE(nothing.image.empty());
}

}  // namespace
}  // namespace veldrix::test
