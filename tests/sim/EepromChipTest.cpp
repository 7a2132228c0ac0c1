#include "EepromChip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "BoardUnderTest.h"

namespace veldrix::sim {
namespace {

// The electrically erasable EPROM module's chip rows: the latch patterns
// that adapt the board to each pin-out.
struct Row {
    std::uint32_t size;
    std::uint8_t r5, r6, r7, r8, r9, r10, r11, r12;
};

constexpr Row kRows[] = {
    {32768, 0x80, 0x80, 0x42, 0x80, 0x80, 0x30, 0x20, 0xA0},
    {65536, 0x00, 0x80, 0x44, 0x00, 0x00, 0x30, 0x20, 0x20},
    {131072, 0x00, 0x8E, 0x81, 0x00, 0x00, 0x26, 0x22, 0x26},
    {262144, 0x00, 0x8C, 0x81, 0x00, 0x00, 0x24, 0x20, 0x24},
    {524288, 0x00, 0x88, 0x81, 0x00, 0x00, 0x30, 0x20, 0x20},
};

constexpr std::uint32_t lo(std::uint32_t a) {
    return 0x0900 + (a & 0xFF);
}
constexpr std::uint32_t hi(std::uint32_t a) {
    return 0x0100 + ((a >> 8) & 0xFF);
}
constexpr std::uint32_t top(std::uint32_t a) {
    return 0x0B00 + ((a >> 16) & 0x0F);
}

// The module's sequences, word for word.
class EepromRig {
public:
    explicit EepromRig(const Row& row)
        : row_(row), chip(rig.insert<EepromChip>(*EepromChip::pinoutFor(row.size))) {}

    void powerUpForRead() {
        bus(0x8780);
        bus(0x8600);
        bus(0x8582);
        rig.voltage(50, 125, 140);
        bus(0x0F00 | (row_.r7 & 0xE0));
        rig.wait(10000);
    }
    void powerUpForWrite(std::int32_t vpp = 125) {
        bus(0x8780);
        bus(0x8600);
        rig.voltage(50, vpp, 140);
        bus(0x0F00 | row_.r7);
        rig.wait(10000);
    }
    std::uint8_t readByte(std::uint32_t a) {
        bus(lo(a));
        bus(hi(a) | row_.r5);
        bus(top(a) | row_.r6);
        return bus(0x0E00);
    }
    // One programming pulse of `tpw` microseconds, then the verify read.
    std::uint8_t programPulse(std::uint32_t a, std::uint8_t d, std::uint32_t tpw) {
        bus(top(a) | row_.r10);
        bus(0x8580);
        bus(0x0D00 + d);
        bus(lo(a));
        bus(hi(a) | row_.r8);
        bus(top(a) | row_.r10 | 0x40);
        rig.wait(10);
        bus(hi(a) | row_.r9);
        bus(top(a) | row_.r11 | 0x40);
        rig.wait(tpw);
        bus(top(a) | row_.r10 | 0x40);
        bus(hi(a) | row_.r8);
        bus(top(a) | row_.r10);
        bus(0x0D00 + (d ^ 0xFF));
        bus(0x8582);
        return readByte(a);
    }
    void eraseCycle(std::int32_t vpp = 140, std::uint32_t pulse = 105000) {
        bus(0x8580);
        bus(0x0DFF);
        bus(0x0900);
        bus(0x0100 | row_.r8);
        bus(0x8780);
        bus(0x8600);
        bus(0x0F00 | row_.r7);
        rig.voltage(50, vpp, 140);
        bus(0x0F00 | row_.r7 | 0x10);
        rig.wait(10);
        bus(0x0B00 | row_.r12 | 0x50);
        rig.wait(100);
        bus(0x0B00 | row_.r12 | 0x40);
        rig.wait(pulse);
        bus(0x0B00 | row_.r12 | 0x50);
        bus(0x0F00);
        rig.wait(150);
        bus(0x0000);
    }
    std::uint32_t readId() {
        bus(0x8582);
        bus(0x8780);
        rig.voltage(50, 0, 120);
        bus(0x0900);
        bus(0x0100 | row_.r5);
        bus(0x0B00 | row_.r6);
        bus(0x0F00 | (row_.r7 & 0xE0) | 0x10);
        bus(0x0B00 | row_.r6 | 0x40);
        rig.wait(2);
        const std::uint8_t first = bus(0x0E00);
        bus(0x0901);
        rig.wait(1);
        const std::uint8_t second = bus(0x0E00);
        bus(0x0000);
        return first * 256u + second;
    }
    // The insertion test's two reads, with and without the bias line.
    std::pair<std::uint8_t, std::uint8_t> insertionReads() {
        bus(0x09FF);
        bus(0x0100 | row_.r5);
        bus(0x0B00 | row_.r6 | 0x8F);
        rig.wait(10);
        const std::uint8_t first = bus(0x0E00);
        bus(0x0B00 | (row_.r6 & 0x7F) | 0x0F);
        rig.wait(10);
        const std::uint8_t second = bus(0x0E00);
        bus(0x0B00 | row_.r6 | 0x8F);
        return {first, second};
    }
    std::uint8_t bus(std::uint32_t word) { return rig.bus(word); }
    std::uint8_t& cell(std::uint32_t a) { return chip.memory().changeCells()[a]; }

    test::BoardUnderTest rig;

private:
    Row row_;

public:
    EepromChip& chip;
};

class EepromRowTest : public ::testing::TestWithParam<Row> {
protected:
    EepromRig eeprom{GetParam()};
};

TEST_P(EepromRowTest, ReadsTheCellsAtEveryAddressLine) {
    const std::uint32_t size = GetParam().size;
    std::vector<std::uint32_t> addresses = {0, 1, size - 1};
    for (std::uint32_t bit = 1; bit < size; bit <<= 1) {
        addresses.push_back(bit);
    }
    for (std::uint32_t a : addresses) {
        eeprom.cell(a) = static_cast<std::uint8_t>(a * 7 + (a >> 8) + (a >> 16) + 3);
    }
    eeprom.powerUpForRead();
    for (std::uint32_t a : addresses) {
        EXPECT_EQ(eeprom.readByte(a), eeprom.cell(a)) << std::hex << a;
    }
}

TEST_P(EepromRowTest, ProgrammingPulseOnlyClearsBits) {
    eeprom.cell(0x123) = 0xF0;
    eeprom.powerUpForWrite();
    EXPECT_EQ(eeprom.programPulse(0x123, 0x3C, 100), 0x30);
    EXPECT_EQ(eeprom.programPulse(0x123, 0xFF, 100), 0x30);
    EXPECT_EQ(eeprom.programPulse(0x124, 0x00, 100), 0x00);
    EXPECT_EQ(eeprom.chip.memory().cells()[0x125], 0xFF);
}

TEST_P(EepromRowTest, TooShortAPulseOrNoProgrammingVoltageChangesNothing) {
    eeprom.powerUpForWrite();
    EXPECT_EQ(eeprom.programPulse(0x40, 0x00, VXSIM_EEPROM_MIN_PROGRAM_US - 15), 0xFF);
    eeprom.powerUpForWrite(95);  // 9.5 V
    EXPECT_EQ(eeprom.programPulse(0x40, 0x00, 100), 0xFF);
}

TEST_P(EepromRowTest, ErasePulseAtTheEraseVoltageReturnsEveryCellToFF) {
    std::vector<std::uint8_t>& cells = eeprom.chip.memory().changeCells();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        cells[i] = static_cast<std::uint8_t>(i);
    }
    eeprom.eraseCycle();
    EXPECT_TRUE(std::all_of(cells.begin(), cells.end(), [](std::uint8_t c) { return c == 0xFF; }));
}

TEST_P(EepromRowTest, EraseNeedsItsVoltageAndItsPulseLength) {
    eeprom.cell(7) = 0x00;
    eeprom.eraseCycle(125);  // programming voltage only: neither erases nor programs
    eeprom.eraseCycle(140, VXSIM_EEPROM_MIN_ERASE_US / 2);
    EXPECT_EQ(eeprom.cell(7), 0x00);
    EXPECT_EQ(eeprom.cell(8), 0xFF);
}

TEST_P(EepromRowTest, IdentifierModeAnswersMakerThenDevice) {
    const std::uint8_t device = EepromChip::pinoutFor(GetParam().size)->device;
    EXPECT_EQ(eeprom.readId(), VXSIM_EEPROM_MAKER * 256u + device);
    eeprom.chip.setIdentifier(0x12, 0x34);
    EXPECT_EQ(eeprom.readId(), 0x1234u);
}

TEST_P(EepromRowTest, InsertedChipAnswersTheInsertionTestAlike) {
    eeprom.rig.bus(0x0000);
    const auto [first, second] = eeprom.insertionReads();
    EXPECT_EQ(first, second);
}

INSTANTIATE_TEST_SUITE_P(EveryRow, EepromRowTest, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::to_string(info.param.size); });

TEST(EepromSocket, EmptySocketFailsTheInsertionTest) {
    EepromRig eeprom(kRows[2]);
    eeprom.rig.board.replaceChip(nullptr);
    eeprom.rig.bus(0x0000);
    const auto [first, second] = eeprom.insertionReads();
    EXPECT_NE(first, second);
}

TEST(EepromAddress, TheModulesExampleAddressReachesItsCell) {
    EepromRig eeprom(kRows[2]);
    eeprom.cell(0x1ABCD) = 0x6E;
    eeprom.powerUpForRead();
    // 0x09CD, 0x01AB, 0x0B8F, then 0x0E00.
    EXPECT_EQ(eeprom.readByte(0x1ABCD), 0x6E);
    EXPECT_EQ(eeprom.rig.board.lines()[11], 0x8F);
}

TEST(EepromFaults, StuckBitShowsInReadsAndDefeatsProgramming) {
    EepromRig eeprom(kRows[0]);
    eeprom.chip.memory().addStuckBit(0x10, 3, true);
    eeprom.chip.memory().addStuckBit(0x11, 0, false);
    eeprom.powerUpForWrite();
    EXPECT_EQ(eeprom.programPulse(0x10, 0x00, 100), 0x08);
    EXPECT_EQ(eeprom.cell(0x10), 0x00);  // the cell itself did program
    eeprom.powerUpForRead();
    EXPECT_EQ(eeprom.readByte(0x11), 0xFE);
}

TEST(EepromFaults, SlowCellProgramsOnItsNthPulse) {
    EepromRig eeprom(kRows[1]);
    eeprom.chip.memory().addSlowCell(0x200, 3);
    eeprom.powerUpForWrite();
    EXPECT_EQ(eeprom.programPulse(0x200, 0x55, 100), 0xFF);
    EXPECT_EQ(eeprom.programPulse(0x200, 0x55, 100), 0xFF);
    EXPECT_EQ(eeprom.programPulse(0x200, 0x55, 100), 0x55);
    EXPECT_EQ(eeprom.programPulse(0x201, 0x55, 100), 0x55);
}

}  // namespace
}  // namespace veldrix::sim
