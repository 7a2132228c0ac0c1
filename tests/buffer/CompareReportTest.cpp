#include "buffer/CompareReport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "buffer/CompareReportText.h"

namespace veldrix::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(CompareReport, CountsEveryDifferenceListsTheFirstOnesAndTalliesWrongBits) {
    //                     =     0 for 1  1 for 0   both     =
    const Bytes expected = {0x00, 0xFF, 0x00, 0x0F, 0x42};
    const Bytes chip = {0x00, 0xF7, 0x01, 0x1E, 0x42};

    const CompareReport report = compareImages(chip, expected, 2);
    EXPECT_EQ(report.count, 3u);
    EXPECT_EQ(report.listed, (std::vector<ByteDifference>{{1, 0xF7, 0xFF}, {2, 0x01, 0x00}}));
    std::array<BitDifferences, 8> bits{};
    bits[3] = {1, 0};  // 0xFF read as 0xF7
    bits[0] = {1, 1};  // 0x00 read as 0x01, 0x0F read as 0x1E
    bits[4] = {0, 1};
    EXPECT_EQ(report.bits, bits);

    EXPECT_EQ(compareImages(chip, expected, 0).listed.size(), 3u);
    EXPECT_EQ(compareImages(chip, expected, 100).listed.size(), 3u);
}

TEST(CompareReport, OnlyTheCommonLengthIsCompared) {
    const CompareReport shorterChip = compareImages(Bytes{1, 2}, Bytes{1, 3, 4, 5}, 0);
    EXPECT_EQ(shorterChip.count, 1u);
    EXPECT_EQ(compareImages(Bytes{1, 2, 3}, Bytes{1}, 0).count, 0u);
    const CompareReport empty = compareImages({}, {}, 0);
    EXPECT_EQ(empty.count, 0u);
    EXPECT_FALSE(empty.diagnosis);
}

TEST(CompareReportText, ListsDifferencesWrongBitsAndTheDiagnosis) {
    Bytes expected(32, 0xFF);
    Bytes chip(32, 0xF7);  // D3 reads 0 everywhere
    CompareReport report = compareImages(chip, expected, 2);
    EXPECT_EQ(formatCompareReport(report),
              "32 differences\n"
              "  00000000: chip F7, expected FF\n"
              "  00000001: chip F7, expected FF\n"
              "  ...\n"
              "  D3: 32 read 0 where 1 was expected, 0 read 1 where 0 was expected\n"
              "Diagnosis: data line D3 stuck at 0\n");

    chip = expected;
    chip[5] = 0x7F;
    chip[9] = 0xFE;
    chip[9 + 16] = 0xFF;
    expected[9 + 16] = 0x00;
    EXPECT_EQ(formatCompareReport(compareImages(chip, expected, 0)),
              "3 differences\n"
              "  00000005: chip 7F, expected FF\n"
              "  00000009: chip FE, expected FF\n"
              "  00000019: chip FF, expected 00\n"
              "  D7: 1 read 0 where 1 was expected, 1 read 1 where 0 was expected\n"
              "  D6: 0 read 0 where 1 was expected, 1 read 1 where 0 was expected\n"
              "  D5: 0 read 0 where 1 was expected, 1 read 1 where 0 was expected\n"
              "  D4: 0 read 0 where 1 was expected, 1 read 1 where 0 was expected\n"
              "  D3: 0 read 0 where 1 was expected, 1 read 1 where 0 was expected\n"
              "  D2: 0 read 0 where 1 was expected, 1 read 1 where 0 was expected\n"
              "  D1: 0 read 0 where 1 was expected, 1 read 1 where 0 was expected\n"
              "  D0: 1 read 0 where 1 was expected, 1 read 1 where 0 was expected\n");

    EXPECT_EQ(formatCompareReport(compareImages(expected, expected, 0)), "0 differences\n");
}

}  // namespace
}  // namespace veldrix::test
