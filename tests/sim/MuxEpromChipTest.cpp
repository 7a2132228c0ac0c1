#include "MuxEpromChip.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "BoardUnderTest.h"

namespace veldrix::sim {
namespace {

// The multiplexed-bus EPROM module's sequences: the low address byte goes
// out on the data latch and is taken by ALE, the high byte on latch 1.
class MuxEpromTest : public ::testing::Test {
protected:
    MuxEpromTest() : chip(rig.insert<MuxEpromChip>(65536)) {}

    void powerUp(std::int32_t vcc) {
        rig.bus(0x8582);
        rig.bus(0x8780);
        rig.voltage(vcc, 125, 120);
        rig.bus(0x0F80);
        rig.bus(0x0BA0);
        rig.wait(100000);
    }
    std::uint8_t readByte(std::uint32_t a) {
        rig.bus(0x8580);
        rig.bus(0x0BB0);
        rig.bus(0x0D00 + (a & 0xFF));
        rig.bus(0x0BA0);
        rig.bus(0x8582);
        rig.bus(0x0B80);
        rig.bus(0x0100 + ((a >> 8) & 0xFF));
        const std::uint8_t value = rig.bus(0x0E00);
        rig.bus(0x0BA0);
        return value;
    }
    // Address, data and one pulse of `width` microseconds.
    void pulse(std::uint32_t a, std::uint8_t d, std::uint32_t width) {
        rig.bus(0x8580);
        rig.bus(0x0BB0);
        rig.bus(0x0D00 + (a & 0xFF));
        rig.bus(0x0BA0);
        rig.bus(0x0100 + ((a >> 8) & 0xFF));
        rig.bus(0x0F84);
        rig.bus(0x0BE0);
        rig.bus(0x0D00 + d);
        rig.bus(0x0BF0);
        rig.wait(width);
        rig.bus(0x0BE0);
        rig.bus(0x0F80);
        rig.bus(0x0BA0);
    }
    void eraseCommand(std::uint32_t secondPulse) {
        pulse(0x5555, 0xAA, 50);
        pulse(0x2AAA, 0x10, secondPulse);
        rig.wait(100000);
    }
    std::uint8_t& cell(std::uint32_t a) { return chip.memory().changeCells()[a]; }

    test::BoardUnderTest rig;
    MuxEpromChip& chip;
};

TEST_F(MuxEpromTest, ReadLatchesTheLowAddressFromTheDataLines) {
    cell(0x1234) = 0x42;
    cell(0x3412) = 0x24;
    powerUp(50);
    EXPECT_EQ(readByte(0x1234), 0x42);
    EXPECT_EQ(readByte(0x3412), 0x24);
    EXPECT_EQ(readByte(0xFFFF), 0xFF);
}

TEST_F(MuxEpromTest, ProgrammingPulseClearsBitsAndNeverSetsThem) {
    cell(0x0100) = 0x0F;
    powerUp(65);
    pulse(0x0100, 0xF5, 50);
    pulse(0x0101, 0x81, 50);
    pulse(0x0101, 0xFF, 50);
    EXPECT_EQ(readByte(0x0100), 0x05);
    EXPECT_EQ(readByte(0x0101), 0x81);
}

TEST_F(MuxEpromTest, TooShortAPulseProgramsNothing) {
    powerUp(65);
    pulse(0x20, 0x00, VXSIM_MUX_MIN_PROGRAM_US - 10);
    EXPECT_EQ(readByte(0x20), 0xFF);
}

TEST_F(MuxEpromTest, TwoCommandEraseReturnsEveryCellToFF) {
    std::fill(chip.memory().changeCells().begin(), chip.memory().changeCells().end(), 0x00);
    powerUp(65);
    eraseCommand(100000);
    const auto& cells = chip.memory().cells();
    EXPECT_TRUE(std::all_of(cells.begin(), cells.end(), [](std::uint8_t c) { return c == 0xFF; }));
}

TEST_F(MuxEpromTest, EraseCommandWithAShortSecondPulseErasesNothing) {
    cell(0x4000) = 0x00;
    powerUp(65);
    eraseCommand(VXSIM_MUX_MIN_ERASE_US / 2);
    EXPECT_EQ(cell(0x4000), 0x00);
    EXPECT_EQ(cell(0x2AAA), 0xFF);  // the command cycle is not programmed
}

TEST_F(MuxEpromTest, OnlyTheDirectlyFollowingCycleCompletesTheEraseCommand) {
    cell(0x4000) = 0x00;
    powerUp(65);
    pulse(0x5555, 0xAA, 50);
    pulse(0x5556, 0x12, 50);
    pulse(0x2AAA, 0x10, 100000);
    EXPECT_EQ(cell(0x4000), 0x00);
    EXPECT_EQ(cell(0x5555), 0xAA);  // an ordinary byte as well
    EXPECT_EQ(cell(0x2AAA), 0x10);
}

TEST_F(MuxEpromTest, IdentifierModeAnswersByAddressLineEight) {
    rig.bus(0x8582);
    rig.bus(0x8780);
    rig.voltage(50, 125, 120);
    rig.bus(0x0F80);
    rig.bus(0x0BE0);
    rig.wait(100);
    rig.bus(0x0F90);
    rig.wait(100000);
    rig.bus(0x8582);
    rig.bus(0x0BE0);
    rig.bus(0x0100);
    rig.bus(0x0BC0);
    const std::uint8_t first = rig.bus(0x0E00);
    rig.bus(0x0BE0);
    rig.bus(0x0101);
    rig.bus(0x0BC0);
    const std::uint8_t second = rig.bus(0x0E00);
    EXPECT_EQ(first, 0xDA);
    EXPECT_EQ(second, 0x08);
}

TEST_F(MuxEpromTest, UnpoweredChipClampsItsDataLines) {
    cell(0x10) = 0x77;
    rig.bus(0x0000);
    rig.bus(0x8582);
    rig.bus(0x0B80);
    EXPECT_EQ(rig.bus(0x0E00), 0x00);
}

}  // namespace
}  // namespace veldrix::sim
