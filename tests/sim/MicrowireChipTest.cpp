#include "MicrowireChip.h"

#include <gtest/gtest.h>

#include "BoardUnderTest.h"

namespace veldrix::sim {
namespace {

// The serial lines as the Microwire module drives them: SK on latch 9 bit 0,
// DI on latch 1 bit 6, CS on latch 11 bit 2, DO on data line 0.
class MicrowireTest : public ::testing::Test {
protected:
    explicit MicrowireTest(std::uint32_t words = 64) : chip(rig.insert<MicrowireChip>(words)) {
        powerUp();
    }

    void powerUp() {
        rig.bus(0x8582);
        rig.bus(0x8780);
        rig.voltage(50, 0, 0);
        rig.bus(0x0F80);
        rig.bus(0x0B00);
        rig.wait(10000);
    }
    void cs(bool level) { rig.bus(0x0B00 + (level ? 4 : 0)); }
    void sk(bool level) { rig.bus(0x0900 + (level ? 1 : 0)); }
    void di(bool level) { rig.bus(0x0100 + (level ? 0x40 : 0)); }
    bool sampleDo() { return (rig.bus(0x0E00) & 1) != 0; }
    void clockBit(bool bit) {
        di(bit);
        sk(true);
        sk(false);
    }
    void send(std::uint32_t bits, unsigned count) {
        while (count-- > 0) {
            clockBit(((bits >> count) & 1) != 0);
        }
    }
    std::uint16_t shiftInWord() {
        std::uint16_t word = 0;
        for (int i = 0; i < 16; ++i) {
            sk(true);
            sk(false);
            word = static_cast<std::uint16_t>(word << 1 | (sampleDo() ? 1 : 0));
        }
        return word;
    }
    // Start bit, opcode, address field; CS left high.
    void instruction(unsigned opcode, std::uint32_t field) {
        cs(true);
        send(1, 1);
        send(opcode, 2);
        send(field, chip.addressBits());
    }
    std::uint16_t readWord(std::uint32_t index) {
        instruction(0b10, index);
        di(true);
        const std::uint16_t word = shiftInWord();
        cs(false);
        return word;
    }
    void simple(unsigned opcode, std::uint32_t field) {
        instruction(opcode, field);
        cs(false);
    }
    void enableWrites() { simple(0b00, 0b11u << (chip.addressBits() - 2)); }
    void disableWrites() { simple(0b00, 0); }
    void write(std::uint32_t index, std::uint16_t value) {
        instruction(0b01, index);
        send(value, 16);
        cs(false);
        rig.wait(VXSIM_MICROWIRE_WRITE_US);
    }
    std::uint16_t stored(std::uint32_t index) const {
        const auto& cells = chip.memory().cells();
        return static_cast<std::uint16_t>(cells[2 * index + 1] << 8 | cells[2 * index]);
    }

    test::BoardUnderTest rig;
    MicrowireChip& chip;
};

TEST_F(MicrowireTest, ReadGivesADummyZeroThenTheWordHighBitFirstFromTheModulesByteLayout) {
    chip.memory().changeCells()[10] = 0x34;
    chip.memory().changeCells()[11] = 0x12;
    instruction(0b10, 5);
    EXPECT_FALSE(sampleDo());  // the dummy bit
    di(true);
    EXPECT_EQ(shiftInWord(), 0x1234);
    // Clocking on reads the next word.
    EXPECT_EQ(shiftInWord(), 0xFFFF);
    cs(false);
}

TEST_F(MicrowireTest, WritesAreRefusedUntilEnabledAndAfterDisabling) {
    write(3, 0xBEEF);
    EXPECT_EQ(stored(3), 0xFFFF);
    enableWrites();
    write(3, 0xBEEF);
    EXPECT_EQ(readWord(3), 0xBEEF);
    disableWrites();
    write(3, 0x1111);
    simple(0b11, 3);  // ERASE
    EXPECT_EQ(readWord(3), 0xBEEF);
}

TEST_F(MicrowireTest, EraseReturnsTheWordToAllOnes) {
    enableWrites();
    write(7, 0x0000);
    simple(0b11, 7);
    rig.wait(VXSIM_MICROWIRE_WRITE_US);
    EXPECT_EQ(readWord(7), 0xFFFF);
}

TEST_F(MicrowireTest, WriteAllAndEraseAllCoverEveryWord) {
    enableWrites();
    instruction(0b00, 0b01u << (chip.addressBits() - 2));
    send(0x5AA5, 16);
    cs(false);
    rig.wait(VXSIM_MICROWIRE_WRITE_US);
    EXPECT_EQ(stored(0), 0x5AA5);
    EXPECT_EQ(stored(63), 0x5AA5);
    simple(0b00, 0b10u << (chip.addressBits() - 2));
    rig.wait(VXSIM_MICROWIRE_WRITE_US);
    EXPECT_EQ(stored(31), 0xFFFF);
}

TEST_F(MicrowireTest, DoShowsBusyAfterAWriteStartsAndReadyWhenItEnds) {
    enableWrites();
    instruction(0b01, 9);
    send(0x0F0F, 16);
    cs(false);
    cs(true);
    EXPECT_FALSE(sampleDo());
    rig.wait(VXSIM_MICROWIRE_WRITE_US);
    EXPECT_TRUE(sampleDo());
    cs(false);
    EXPECT_EQ(readWord(9), 0x0F0F);
}

TEST_F(MicrowireTest, ASlowChipIgnoresAReadWhileItIsStillWriting) {
    ASSERT_TRUE(chip.setWriteTime(10000));
    enableWrites();
    instruction(0b01, 2);
    send(0x1234, 16);
    cs(false);
    rig.wait(5000);  // what the module allows for a write
    EXPECT_NE(readWord(2), 0x1234);
    rig.wait(6000);
    EXPECT_EQ(readWord(2), 0x1234);
}

TEST_F(MicrowireTest, PowerCycleDisablesWrites) {
    enableWrites();
    rig.bus(0x0000);  // the module's power-down
    powerUp();
    write(4, 0x4444);
    EXPECT_EQ(stored(4), 0xFFFF);
}

class ShortFormTest : public MicrowireTest {
protected:
    ShortFormTest() : MicrowireTest(16) {}

    // Each short-form command starts with a clocked 0 before the start bit.
    void shortCommand(std::uint32_t bits, unsigned count) {
        cs(true);
        clockBit(false);
        send(bits, count);
    }
    void shiftOutShortForm(std::uint8_t byte) {
        for (int bit = 7; bit >= 0; --bit) {
            sk(false);
            di(((byte >> bit) & 1) != 0);
            sk(true);
        }
    }
};

TEST_F(ShortFormTest, TheSixteenWordPartTakesTheModulesShortFormSequences) {
    EXPECT_EQ(chip.addressBits(), 6u);
    const std::uint32_t word = 0x0B;
    // EWEN: 0, 1, 0 0, 1 1 0 0 0 0.
    shortCommand(0b1'00'110000, 9);
    cs(false);
    cs(true);
    // ERASE w: 0, 1, 1 1 0 0, A; then the erase time.
    shortCommand(0b1'1100, 5);
    send(word, 4);
    cs(false);
    rig.wait(2000);
    cs(true);
    // WRITE: 0, 1, 0 1 0 0, A, then the data with the clock left high.
    shortCommand(0b1'0100, 5);
    send(word, 4);
    shiftOutShortForm(0xC3);
    shiftOutShortForm(0x5A);
    cs(false);
    rig.wait(2000);
    sk(false);
    // EWDS: 0, 1, then eight zeros.
    shortCommand(0b1'00000000, 9);
    cs(false);
    // READ: 0, 1, 1 0 0 0, A.
    shortCommand(0b1'1000, 5);
    send(word, 4);
    di(true);
    EXPECT_EQ(shiftInWord(), 0xC35A);
    cs(false);
    EXPECT_EQ(chip.memory().cells()[2 * word], 0x5A);
}

struct FieldCase {
    std::uint32_t words;
    unsigned bits;
};

class AddressFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(AddressFieldTest, FieldIsEvenAndAtLeastSixBitsWithTheTopBitsDontCare) {
    MicrowireChip chip(GetParam().words);
    EXPECT_EQ(chip.addressBits(), GetParam().bits);
    EXPECT_EQ(chip.size(), GetParam().words * 2);
}

INSTANTIATE_TEST_SUITE_P(EveryOrganisation, AddressFieldTest,
                         ::testing::Values(FieldCase{16, 6}, FieldCase{32, 6}, FieldCase{64, 6},
                                           FieldCase{128, 8}, FieldCase{256, 8}, FieldCase{512, 10},
                                           FieldCase{1024, 10}));

class WideFieldTest : public MicrowireTest {
protected:
    WideFieldTest() : MicrowireTest(128) {}
};

TEST_F(WideFieldTest, UnusedTopAddressBitIsIgnored) {
    chip.memory().changeCells()[2 * 0x45] = 0x77;
    EXPECT_EQ(readWord(0xC5) & 0xFF, 0x77);
}

}  // namespace
}  // namespace veldrix::sim
