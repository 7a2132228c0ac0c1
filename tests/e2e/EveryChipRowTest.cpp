// Every chip row of every module, end to end: module -> parlink -> port
// access -> simulated board. Data written is read back bit for bit, compare
// finds what differs, and the chips that can be erased and identified are.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

#include "CalypsoResults.h"
#include "ChipRowFixture.h"

namespace veldrix::test {
namespace {

using testing::ElementsAreArray;

class EveryChipRowTest : public ChipRowFixture {
protected:
    [[nodiscard]] bool erasable() const { return row.module != "urania"; }
};

TEST_P(EveryChipRowTest, WrittenImageReadsBackBitForBit) {
    const auto image = randomImage(row.size, row.size);
    host.buffer = image;
    ASSERT_EQ(run(DD_FN_WRITE), DD_OK);
    EXPECT_EQ(rig.contents(), image);

    host.buffer.assign(row.size, 0x00);
    ASSERT_EQ(run(DD_FN_READ), DD_OK);
    EXPECT_EQ(host.buffer, image);
}

TEST_P(EveryChipRowTest, CompareFindsAndMarksExactlyTheDifferences) {
    const auto image = randomImage(row.size, row.size + 1);
    ASSERT_EQ(rig.store(0, image), VXSIM_OK);
    host.buffer = image;
    ASSERT_EQ(run(DD_FN_COMPARE), DD_OK);
    EXPECT_EQ(host.block.errdata, 0u);
    EXPECT_TRUE(host.markedAddresses().empty());

    const std::vector<std::uint32_t> changed = {0, row.size / 2 + 1, row.size - 1};
    for (const std::uint32_t a : changed) {
        host.buffer[a] ^= 0x10;
    }
    host.clearEvents();
    ASSERT_EQ(run(DD_FN_COMPARE), DD_OK);
    EXPECT_EQ(host.block.errdata, changed.size());
    std::vector<std::uint32_t> expected;
    for (const std::uint32_t a : changed) {
        if (row.module == "urania") {
            // A word differs: both of its bytes are marked.
            expected.push_back(a & ~1u);
            expected.push_back(a | 1u);
        } else {
            expected.push_back(a);
        }
    }
    EXPECT_THAT(host.markedAddresses(), ElementsAreArray(expected));
}

TEST_P(EveryChipRowTest, BlankCheckTellsErasedFromWrittenChips) {
    if (!erasable()) {
        EXPECT_EQ(run(DD_FN_BLANK_CHECK), DD_NOT_IMPLEMENTED);
        return;
    }
    ASSERT_EQ(run(DD_FN_BLANK_CHECK), DD_OK);
    const std::uint32_t first = row.size / 3;
    ASSERT_EQ(rig.store(first, {0xFF, 0x7F, 0x00}), VXSIM_OK);
    EXPECT_EQ(run(DD_FN_BLANK_CHECK),
              row.module == "calypso" ? veldrix::calypso::kNotBlank : DD_BLANK_FAILED);
    EXPECT_EQ(host.block.erraddr, first + 1);
}

TEST_P(EveryChipRowTest, EraseLeavesABlankChip) {
    if (!erasable()) {
        EXPECT_EQ(run(DD_FN_ERASE), DD_NOT_IMPLEMENTED);
        return;
    }
    ASSERT_EQ(rig.store(0, randomImage(row.size, 9)), VXSIM_OK);
    ASSERT_EQ(run(DD_FN_ERASE), DD_OK);
    EXPECT_EQ(run(DD_FN_BLANK_CHECK), DD_OK);
    const auto contents = rig.contents();
    EXPECT_EQ(std::count(contents.begin(), contents.end(), 0xFF),
              static_cast<std::ptrdiff_t>(row.size));
}

TEST_P(EveryChipRowTest, ReadIdAnswersTheMakerAndDevice) {
    host.block.errdata = 0x12345678;
    if (row.module == "urania") {
        EXPECT_EQ(run(DD_FN_READ_ID), DD_NOT_IMPLEMENTED);
        return;
    }
    ASSERT_EQ(run(DD_FN_READ_ID), DD_OK);
    if (row.module == "thalia") {
        EXPECT_EQ(host.block.errdata, 0x000800DAu);
    } else {
        // Device codes count up from 0x10 with the size, 32 KB first.
        const auto device = 0x10u + static_cast<unsigned>(std::countr_zero(row.size / 32768));
        EXPECT_EQ(host.block.errdata, VXSIM_EEPROM_MAKER << 8 | device);
    }
}

TEST_P(EveryChipRowTest, StuckBitFailsVerificationWhereItSits) {
    auto image = randomImage(row.size, row.size + 2);
    const std::uint32_t at = row.size / 2 + 3;
    image[at] &= ~0x08;
    ASSERT_EQ(rig.stuckBit(at, 3, 1), VXSIM_OK);
    host.buffer = image;
    ASSERT_EQ(run(DD_FN_WRITE), DD_VERIFY_FAILED);
    if (row.module == "urania") {
        const std::uint32_t low = at & ~1u;
        EXPECT_EQ(host.block.erraddr, low);
        EXPECT_EQ(host.block.errdata, (image[low + 1] << 8 | image[low]) | 0x0800u);
    } else {
        EXPECT_EQ(host.block.erraddr, at);
        EXPECT_EQ(host.block.errdata, image[at] | 0x08u);
    }
    const auto contents = rig.contents();
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + (at & ~1u), contents.begin()))
        << "everything before the failing unit was written";
}

INSTANTIATE_TEST_SUITE_P(Rows, EveryChipRowTest,
                         testing::Values(ChipRow{"urania", 32}, ChipRow{"urania", 128},
                                         ChipRow{"urania", 256}, ChipRow{"urania", 512},
                                         ChipRow{"urania", 1024}, ChipRow{"urania", 2048},
                                         ChipRow{"calypso", 32768}, ChipRow{"calypso", 65536},
                                         ChipRow{"calypso", 131072}, ChipRow{"calypso", 262144},
                                         ChipRow{"calypso", 524288}, ChipRow{"thalia", 4096},
                                         ChipRow{"thalia", 65536}),
                         chipRowName);

}  // namespace
}  // namespace veldrix::test
