#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "RecordTextBuilders.h"
#include "buffer/IntelHexWriter.h"
#include "buffer/SRecordWriter.h"

namespace veldrix::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes counting(std::size_t length) {
    Bytes bytes(length);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    return bytes;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
        if (end == std::string::npos) {
            break;
        }
        result.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return result;
}

TEST(IntelHexWriter, SixteenByteRecordsThenTheEndRecord) {
    const Bytes image = counting(17);
    const std::vector<std::string> expected = {
        intelRecord(0x00, 0x0000, Bytes(image.begin(), image.begin() + 16)),
        intelRecord(0x00, 0x0010, {0x10}),
        intelEnd(),
    };
    EXPECT_EQ(splitLines(writeIntelHex(image)), expected);
    EXPECT_EQ(splitLines(writeIntelHex({})), std::vector<std::string>{intelEnd()});
}

TEST(IntelHexWriter, ExtendedLinearAddressRecordsOnlyFrom64KOn) {
    const Bytes small(0x10000, 0xA5);
    const std::string smallText = writeIntelHex(small);
    EXPECT_EQ(smallText.find(":02000004"), std::string::npos);

    const Bytes image(0x20010, 0x5A);
    const std::vector<std::string> records = splitLines(writeIntelHex(image));
    // 0x1000 records for each full 64 KB, two address records, one record
    // for the tail and the end record.
    ASSERT_EQ(records.size(), 0x2000u + 2 + 1 + 1);
    EXPECT_EQ(records[0x1000], intelRecord(0x04, 0, {0x00, 0x01}));
    EXPECT_EQ(records[0x1001], intelRecord(0x00, 0, Bytes(16, 0x5A)));
    EXPECT_EQ(records[0x2001 + 1], intelRecord(0x00, 0, Bytes(16, 0x5A)));
    EXPECT_EQ(records[0x2001], intelRecord(0x04, 0, {0x00, 0x02}));
}

TEST(SRecordWriter, HeaderDataCountAndEndWithTheSmallestAddressThatFits) {
    const Bytes image = counting(17);
    const std::vector<std::string> expected = {
        sRecord('0', 2, 0, {}),
        sRecord('1', 2, 0x0000, Bytes(image.begin(), image.begin() + 16)),
        sRecord('1', 2, 0x0010, {0x10}),
        sRecord('5', 2, 2, {}),
        sRecord('9', 2, 0, {}),
    };
    EXPECT_EQ(splitLines(writeSRecord(image)), expected);
    EXPECT_EQ(splitLines(writeSRecord({})),
              (std::vector<std::string>{sRecord('0', 2, 0, {}), sRecord('5', 2, 0, {}),
                                        sRecord('9', 2, 0, {})}));
}

// The record types of the first data line and of the last two lines, as in "1 5 9".
std::string typesOfDataCountAndEnd(const std::string& text) {
    const std::size_t data = text.find("\r\nS") + 3;
    const std::size_t end = text.rfind("\r\nS") + 3;
    const std::size_t count = text.rfind("\r\nS", end - 4) + 3;
    return {text[data], ' ', text[count], ' ', text[end]};
}

TEST(SRecordWriter, AddressSizeGrowsWithTheLastAddressAndTheCountWithTheRecords) {
    EXPECT_EQ(typesOfDataCountAndEnd(writeSRecord(Bytes(0x10000, 0))), "1 5 9");
    EXPECT_EQ(typesOfDataCountAndEnd(writeSRecord(Bytes(0x10001, 0))), "2 5 8");
    EXPECT_EQ(typesOfDataCountAndEnd(writeSRecord(Bytes(0xFFFF0, 0))), "2 5 8");
    EXPECT_EQ(typesOfDataCountAndEnd(writeSRecord(Bytes(0xFFFF1, 0))), "2 6 8");
    EXPECT_EQ(typesOfDataCountAndEnd(writeSRecord(Bytes(0x1000000, 0))), "2 6 8");
    EXPECT_EQ(typesOfDataCountAndEnd(writeSRecord(Bytes(0x1000001, 0))), "3 6 7");
}

}  // namespace
}  // namespace veldrix::test
