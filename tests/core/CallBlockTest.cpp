#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/CallBlock.h"
#include "core/HardwareFamilies.h"

namespace veldrix {
namespace {

TEST(CallBlock, StampWritesSignatureAndTheLayoutsSize) {
    dlldata block{};
    stampCallBlock(block);
    EXPECT_EQ(block._size, DD_RECORD_SIZE);
    EXPECT_EQ(std::memcmp(&block.signature, "Qf9w", 4), 0);
}

TEST(CallBlock, LayoutCheckPassesAndLeavesTheOffsetInBlank) {
    dlldata block{};
    EXPECT_EQ(checkBlankLayout(block), std::nullopt);
    EXPECT_EQ(block.blank, DD_BLANK_OFFSET);
}

TEST(HardwareFamilies, RowsInIndexOrder) {
    struct Row {
        std::uint16_t portmask;
        std::uint32_t icon;
        const char* title;
        const char* dir;
        const char* entry;
    };
    const Row expected[] = {{6, 167, "VM-204", "vm-204", "smain"},
                            {1, 161, "Tessaro 0.39b", "tessaro", "dmain"},
                            {6, 158, "ZENTA", "zenta", "xmain"},
                            {1, 174, "HOLTAN", "holtan", "holtan_main"}};
    for (unsigned i = 0; i < kHardwareFamilyCount; ++i) {
        const HardwareFamily& row = hardwareFamilies()[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(row.portmask, expected[i].portmask);
        EXPECT_EQ(row.icon, expected[i].icon);
        EXPECT_STREQ(row.title, expected[i].title);
        EXPECT_STREQ(row.dir, expected[i].dir);
        EXPECT_STREQ(row.entry, expected[i].entry);
        EXPECT_EQ(row.portparam, nullptr);
    }
}

TEST(HardwareFamilies, IndexKeepsItsLowTwoBits) {
    EXPECT_EQ(&hardwareFamily(6), &hardwareFamilies()[2]);
    EXPECT_EQ(&hardwareFamily(3), &hardwareFamilies()[3]);
}

}  // namespace
}  // namespace veldrix
