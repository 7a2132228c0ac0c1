#include "common/LatchCache.h"

#include <gtest/gtest.h>

namespace veldrix::drivers {
namespace {

TEST(LatchCache, StartsAtZeroSoAFirstZeroIsSkipped) {
    LatchCache cache;
    for (std::uint8_t selector = 0; selector < 16; ++selector) {
        EXPECT_FALSE(cache.update(selector, 0x00)) << int(selector);
    }
}

TEST(LatchCache, SkipsTheSameByteAndWritesAnother) {
    LatchCache cache;
    EXPECT_TRUE(cache.update(0x09, 0x55));
    EXPECT_FALSE(cache.update(0x09, 0x55));
    EXPECT_TRUE(cache.update(0x09, 0x56));
    EXPECT_EQ(cache.value(0x09), 0x56);
}

TEST(LatchCache, ForceBitWritesTheSameByteAndSharesTheSlot) {
    LatchCache cache;
    ASSERT_TRUE(cache.update(0x0B, 0x20));
    EXPECT_TRUE(cache.update(0x8B, 0x20));
    // The forced selector and the plain one are the same latch.
    EXPECT_FALSE(cache.update(0x0B, 0x20));
    EXPECT_EQ(cache.value(0x8B), 0x20);
}

TEST(LatchCache, SelectorBitsFourToSixDoNotChooseAnotherSlot) {
    LatchCache cache;
    ASSERT_TRUE(cache.update(0x01, 0x12));
    EXPECT_FALSE(cache.update(0x71, 0x12));
}

TEST(LatchCache, ClearForgetsOnlyTheNamedSelectors) {
    LatchCache cache;
    for (std::uint8_t selector : {1, 3, 9, 13}) {
        cache.store(selector, 0x44);
    }
    const std::uint8_t cleared[] = {1, 9, 13};
    cache.clear(cleared);
    EXPECT_EQ(cache.value(1), 0);
    EXPECT_EQ(cache.value(9), 0);
    EXPECT_EQ(cache.value(13), 0);
    EXPECT_EQ(cache.value(3), 0x44);
    EXPECT_TRUE(cache.update(9, 0x44));
}

}  // namespace
}  // namespace veldrix::drivers
