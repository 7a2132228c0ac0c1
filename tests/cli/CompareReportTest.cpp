#include "CompareReport.h"

#include <gtest/gtest.h>

namespace veldrix::cli {
namespace {

TEST(CompareReport, CountsEveryDifferenceButListsOnlyTheFirst) {
    std::vector<std::uint8_t> chip(64, 0xFF);
    std::vector<std::uint8_t> file(64, 0xFF);
    for (std::uint32_t address : {3u, 9u, 10u, 40u}) {
        chip[address] = static_cast<std::uint8_t>(address);
    }
    const CompareReport report = compareImages(chip, file, 2);
    EXPECT_EQ(report.count, 4u);
    ASSERT_EQ(report.first.size(), 2u);
    EXPECT_EQ(report.first[0].address, 3u);
    EXPECT_EQ(report.first[0].chip, 3u);
    EXPECT_EQ(report.first[0].file, 0xFFu);
    EXPECT_EQ(report.first[1].address, 9u);
    EXPECT_EQ(formatCompareReport(report),
              "4 differences\n  00000003: chip 03, file FF\n  00000009: chip 09, file FF\n  ...\n");
}

TEST(CompareReport, OnlyTheCommonLengthIsCompared) {
    const std::vector<std::uint8_t> chip{1, 2, 3, 4};
    const std::vector<std::uint8_t> file{1, 2, 9};
    const CompareReport report = compareImages(chip, file, 8);
    EXPECT_EQ(report.count, 1u);
    EXPECT_EQ(formatCompareReport(report), "1 difference\n  00000002: chip 03, file 09\n");
    EXPECT_EQ(compareImages({}, file, 8).count, 0u);
}

}  // namespace
}  // namespace veldrix::cli
