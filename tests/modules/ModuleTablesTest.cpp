// The modules' constant tables checked as a whole: rows that cannot be told
// apart, or latch patterns that would overwrite address lines, break chips
// that no single-operation test happens to use.

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <set>

#include "EepromChipRow.h"
#include "MicrowireChipRow.h"

namespace {

using veldrix::calypso::kEepromChips;
using veldrix::urania::kMicrowireChips;

TEST(MicrowireChipTable, RowsHaveDistinctPowerOfTwoSizesFromSixteenWords) {
    std::set<std::uint32_t> sizes;
    for (const auto& chip : kMicrowireChips) {
        EXPECT_TRUE(sizes.insert(chip.size).second) << chip.size;
        EXPECT_TRUE(std::has_single_bit(chip.size)) << chip.size;
        EXPECT_GE(chip.words(), 16u);
        EXPECT_LE(chip.words(), 1024u);
    }
}

TEST(MicrowireChipTable, AddressFieldsMatchThePartsInstructionFormat) {
    for (const auto& chip : kMicrowireChips) {
        // The parts' address field is the word index's width rounded up to
        // an even count, at least 6 bits.
        const unsigned indexBits = std::bit_width(chip.words() - 1);
        const unsigned field = std::max(6u, indexBits + (indexBits & 1u));
        EXPECT_EQ(chip.enableBits, field) << chip.size;
        EXPECT_GE(1u << chip.addressBits, chip.words()) << chip.size;
        if (chip.shortForm) {
            // Two always-zero bits stand before the short form's address.
            EXPECT_EQ(chip.addressBits + 2u, field) << chip.size;
        } else {
            EXPECT_EQ(chip.addressBits, field) << chip.size;
        }
    }
}

TEST(EepromChipTable, RowsHaveDistinctSizesAndTheRightPackages) {
    std::set<std::uint32_t> sizes;
    for (const auto& chip : kEepromChips) {
        EXPECT_TRUE(sizes.insert(chip.size).second) << chip.size;
        EXPECT_TRUE(std::has_single_bit(chip.size)) << chip.size;
        EXPECT_LE(chip.size, 1u << 20) << "only 20 address lines reach the socket";
        EXPECT_EQ(chip.pins, chip.size <= 65536 ? 28 : 32) << chip.size;
    }
}

TEST(EepromChipTable, PatternsLeaveTheChipsAddressLinesAlone) {
    for (const auto& chip : kEepromChips) {
        SCOPED_TRACE(chip.size);
        const std::uint8_t top = chip.topAddressMask();
        const std::uint8_t high = chip.highAddressMask();
        EXPECT_EQ(chip.readControl & top, 0);
        EXPECT_EQ(chip.programIdle & top, 0);
        EXPECT_EQ(chip.programPulse & top, 0);
        EXPECT_EQ(chip.readHigh & high, 0);
        EXPECT_EQ(chip.programHigh & high, 0);
        EXPECT_EQ(chip.pulseHigh & high, 0);
    }
}

TEST(EepromChipTable, PatternsLeaveTheStrobeLinesToTheSequences) {
    // Pulses are made by OR-ing these lines in; a pattern that already holds
    // one would make the pulse a no-op.
    for (const auto& chip : kEepromChips) {
        SCOPED_TRACE(chip.size);
        EXPECT_EQ(chip.programIdle & 0x40, 0);
        EXPECT_EQ(chip.programPulse & 0x40, 0);
        EXPECT_EQ(chip.eraseControl & 0x50, 0);
        EXPECT_EQ(chip.power & 0x10, 0);
        EXPECT_NE(chip.programIdle, chip.programPulse);
    }
}

}  // namespace
