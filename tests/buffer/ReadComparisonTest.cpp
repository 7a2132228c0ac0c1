#include "buffer/ReadComparison.h"

#include <gtest/gtest.h>

#include <vector>

#include "buffer/ReadComparisonText.h"

namespace veldrix {
namespace {

using Reads = std::vector<std::vector<std::uint8_t>>;

TEST(ReadComparison, EveryUnstableAddressCountedTheFirstListedWithEachReadsValue) {
    const Reads reads = {{1, 2, 3, 4, 5, 6}, {1, 9, 3, 4, 5, 7}, {1, 2, 3, 8, 5, 6}};
    const ReadComparison comparison = compareReads(reads, 2);
    EXPECT_EQ(comparison.count, 3u);
    EXPECT_EQ(comparison.listed, (std::vector<UnstableByte>{{1, {2, 9, 2}}, {3, {4, 4, 8}}}));
    EXPECT_EQ(compareReads(reads, 0).listed.size(), 3u) << "0 lists all";
}

TEST(ReadComparison, AgreeingReadsAndTooFewReadsShowNothing) {
    const Reads same = {{7, 7, 7}, {7, 7, 7}, {7, 7, 7}};
    EXPECT_EQ(compareReads(same, 16).count, 0u);
    EXPECT_EQ(compareReads(Reads{{1, 2}}, 16).count, 0u);
    EXPECT_EQ(compareReads(Reads{}, 16).count, 0u);
}

TEST(ReadComparison, OnlyTheCommonLengthIsCompared) {
    const Reads reads = {{1, 2, 3}, {1, 2}, {1, 5, 3, 4}};
    const ReadComparison comparison = compareReads(reads, 16);
    EXPECT_EQ(comparison.count, 1u);
    EXPECT_EQ(comparison.listed, (std::vector<UnstableByte>{{1, {2, 2, 5}}}));
}

TEST(ReadComparisonText, CountThenEachListedAddressWithTheByteOfEveryRead) {
    const Reads reads = {{1, 2, 3, 4}, {1, 9, 3, 5}};
    EXPECT_EQ(formatUnstableReads(compareReads(reads, 1)),
              "2 unstable addresses\n  00000001: 02 09\n  ...\n");
    EXPECT_EQ(formatUnstableReads(compareReads(Reads{{1}, {2}}, 0)),
              "1 unstable address\n  00000000: 01 02\n");
}

}  // namespace
}  // namespace veldrix
