// thalia's multiplexed-bus sequences: the low address byte strobed in from
// the data pins, single-pulse writes, the two-command erase and the packing
// of the identifier, against a recording call block.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "BoardMirror.h"
#include "IdentifiedModuleTest.h"

namespace {

using testing::ElementsAre;
using veldrix::test::BoardMirror;
using veldrix::test::IdentifiedModuleTest;
using veldrix::test::RecordingCallBlock;
using Kind = RecordingCallBlock::Kind;

class ThaliaTest : public IdentifiedModuleTest {
protected:
    ThaliaTest() : IdentifiedModuleTest("thalia") {}

    void SetUp() override {
        IdentifiedModuleTest::SetUp();
        host.block.vcc = 50;
        host.block.vpp = 125;
        host.block.vid = 140;
        host.port = [this](std::uint16_t word) {
            mirror.see(word);
            if (word != 0x0E00) {
                return std::uint8_t{0xFF};
            }
            if (readHook) {
                return readHook(mirror);
            }
            // The low address byte was placed on the data latch, the high one on latch 1.
            const std::uint32_t address = mirror.latch(1) << 8 | mirror.latch(13);
            return chip[address % chip.size()];
        };
    }

    void selectChip(std::uint32_t size) {
        ASSERT_EQ(module.select(host.block, size), DD_OK);
        host.buffer.assign(size, 0xFF);
        chip.assign(std::min<std::uint32_t>(std::max<std::uint32_t>(size, 1), 65536), 0xFF);
        host.clearEvents();
    }

    BoardMirror mirror;
    std::vector<std::uint8_t> chip;
    std::function<std::uint8_t(const BoardMirror&)> readHook;
};

TEST_F(ThaliaTest, ReadStrobesTheLowAddressFromTheDataPins) {
    selectChip(65536);
    std::mt19937 rng(7);
    std::generate(chip.begin(), chip.end(), [&] { return static_cast<std::uint8_t>(rng()); });
    host.block.vcc = 45;
    ASSERT_EQ(module.call(host.block, DD_FN_READ), DD_OK);
    EXPECT_EQ(host.buffer, chip);

    const auto words = host.busWords();
    EXPECT_THAT(std::vector(words.begin(), words.begin() + 4),
                ElementsAre(0x8582, 0x8780, 0x0F80, 0x0BA0));
    const std::vector<std::uint16_t> at1234 = {0x8580, 0x0BB0, 0x0D34, 0x0BA0, 0x8582,
                                               0x0B80, 0x0112, 0x0E00, 0x0BA0};
    EXPECT_NE(std::search(words.begin(), words.end(), at1234.begin(), at1234.end()), words.end());
    const auto voltages = host.eventsOf(Kind::Voltage);
    ASSERT_EQ(voltages.size(), 1u);
    EXPECT_EQ(voltages[0].a, 45u);
    EXPECT_EQ(voltages[0].b, 0u);
    EXPECT_EQ(host.delays(), std::vector<std::uint32_t>{100000});
    EXPECT_EQ(host.eventsOf(Kind::Progress).size(), 65u);
    EXPECT_EQ(host.block.errdata, 0u);
}

TEST_F(ThaliaTest, CompareOfAMatchingChipMarksNothing) {
    selectChip(65536);
    host.block.errdata = 4;
    ASSERT_EQ(module.call(host.block, DD_FN_COMPARE), DD_OK);
    EXPECT_EQ(host.block.errdata, 0u);
    EXPECT_TRUE(host.markedAddresses().empty());

    host.buffer[0x00FF] = 0x12;
    host.buffer[0xFF00] = 0x34;
    host.clearEvents();
    ASSERT_EQ(module.call(host.block, DD_FN_COMPARE), DD_OK);
    EXPECT_EQ(host.block.errdata, 2u);
    EXPECT_THAT(host.markedAddresses(), ElementsAre(0x00FFu, 0xFF00u));
}

TEST_F(ThaliaTest, BlankCheckStopsAtTheFirstProgrammedByte) {
    selectChip(65536);
    chip[0x4321] = 0xF7;
    ASSERT_EQ(module.call(host.block, DD_FN_BLANK_CHECK), DD_BLANK_FAILED);
    EXPECT_EQ(host.block.erraddr, 0x4321u);
    EXPECT_EQ(host.busWords().back(), 0x0000);
    EXPECT_EQ(host.events.back().b, DD_PROGRESS_CLOSE);
}

TEST_F(ThaliaTest, WriteRunsAtSixAndAHalfVoltsWithOnePulsePerByte) {
    selectChip(65536);
    host.block.vcc = 50;
    host.block.checkwr = 0;
    module.key("tppw")->value = 33;
    host.buffer[0] = 0xC3;
    host.stopAt = [](std::int32_t position) { return position == 0; };
    ASSERT_EQ(module.call(host.block, DD_FN_WRITE), DD_OK);
    const auto voltages = host.eventsOf(Kind::Voltage);
    ASSERT_EQ(voltages.size(), 1u);
    EXPECT_EQ(voltages[0].a, 65u);
    EXPECT_EQ(voltages[0].b, 125u);
    EXPECT_EQ(voltages[0].c, 140u);
    EXPECT_THAT(host.busWords(), ElementsAre(0x8582, 0x8780, 0x0F80, 0x0BA0, 0x8580,  // power-up
                                             0x0BB0, 0x0D00, 0x0BA0, 0x0100,          // address 0
                                             0x0F84, 0x0BE0, 0x0DC3, 0x0BF0,          // pulse
                                             0x0BE0, 0x0F80, 0x0BA0, 0x0000));
    EXPECT_THAT(host.delays(), ElementsAre(100000, 33));
}

TEST_F(ThaliaTest, VerifiedWriteReportsTheFirstByteThatReadsBackWrong) {
    selectChip(65536);
    host.block.checkwr = 1;
    host.buffer.assign(65536, 0xFF);
    host.buffer[0x0102] = 0x00;  // the chip model keeps 0xFF everywhere
    ASSERT_EQ(module.call(host.block, DD_FN_WRITE), DD_VERIFY_FAILED);
    EXPECT_EQ(host.block.erraddr, 0x0102u);
    EXPECT_EQ(host.block.errdata, 0xFFu);
    const auto words = host.busWords();
    const std::vector<std::uint16_t> verify = {0x0BB0, 0x0D02, 0x0BA0, 0x8582, 0x0101,
                                               0x0B80, 0x0E00, 0x0BA0, 0x8580};
    EXPECT_NE(std::search(words.begin(), words.end(), verify.begin(), verify.end()), words.end());
    EXPECT_EQ(words.back(), 0x0000);
}

TEST_F(ThaliaTest, EraseWritesTheTwoCommandsWithTheirPulseWidths) {
    selectChip(65536);
    module.key("tepw1")->value = 60;
    module.key("tepw2")->value = 70000;
    ASSERT_EQ(module.call(host.block, DD_FN_ERASE), DD_OK);
    EXPECT_THAT(host.busWords(),
                ElementsAre(0x8582, 0x8780, 0x0F80, 0x0BA0,  // power-up
                            0x8580, 0x0BA0, 0x0BB0, 0x0D55, 0x0BA0, 0x0155, 0x0F84, 0x0BE0, 0x0DAA,
                            0x0BF0, 0x0BE0, 0x0BA0,  // 0xAA at 0x5555
                            0x0BB0, 0x0DAA, 0x0BA0, 0x012A, 0x0F84, 0x0BE0, 0x0D10, 0x0BF0, 0x0BE0,
                            0x0BA0,  // 0x10 at 0x2AAA
                            0x0000));
    EXPECT_THAT(host.delays(), ElementsAre(100000, 60, 70000, 100000));
    EXPECT_EQ(host.eventsOf(Kind::Voltage).front().a, 65u);
}

TEST_F(ThaliaTest, ReadIdPutsTheSecondCodeInTheUpperHalf) {
    selectChip(65536);
    readHook = [](const BoardMirror& board) {
        return board.latch(1) == 0 ? std::uint8_t{0xDA} : std::uint8_t{0x08};
    };
    ASSERT_EQ(module.call(host.block, DD_FN_READ_ID), DD_OK);
    EXPECT_EQ(host.block.errdata, 0x000800DAu);
    EXPECT_THAT(host.busWords(),
                ElementsAre(0x8582, 0x8780, 0x0F80, 0x0BE0, 0x0F90,  // identifier mode
                            0x8582, 0x0BE0, 0x0100, 0x0BC0, 0x0E00, 0x0BE0, 0x0101, 0x0BC0, 0x0E00,
                            0x0BE0, 0x0000));
    EXPECT_THAT(host.delays(), ElementsAre(100, 100000));
    const auto voltages = host.eventsOf(Kind::Voltage);
    ASSERT_EQ(voltages.size(), 1u);
    EXPECT_EQ(voltages[0].a, 50u);
    EXPECT_EQ(voltages[0].c, 140u);
}

TEST_F(ThaliaTest, EraseKeyDecidesWhetherEraseIsOffered) {
    module.key("erase")->value = 0;
    host.block.funcs[DD_FN_TEST] = 1;
    ASSERT_EQ(module.select(host.block, 65536), DD_OK);
    EXPECT_EQ(host.block.funcs[DD_FN_ERASE], 0);
    EXPECT_EQ(host.block.funcs[DD_FN_TEST], 0);
    EXPECT_EQ(host.block.pins, 20);
    module.key("erase")->value = 1;
    ASSERT_EQ(module.select(host.block, 65536), DD_OK);
    EXPECT_EQ(host.block.funcs[DD_FN_ERASE], 1);
}

TEST_F(ThaliaTest, TinyChipReportsEveryByte) {
    selectChip(16);
    ASSERT_EQ(module.call(host.block, DD_FN_READ), DD_OK);
    EXPECT_EQ(host.eventsOf(Kind::Progress).size(), 17u);
    selectChip(0);
    ASSERT_EQ(module.call(host.block, DD_FN_BLANK_CHECK), DD_OK);
}

TEST_F(ThaliaTest, SizesBeyondSixteenAddressBitsAreNotWalkedTwice) {
    selectChip(0x20000);
    host.buffer.assign(0x20000, 0xEE);
    ASSERT_EQ(module.call(host.block, DD_FN_READ), DD_OK);
    EXPECT_EQ(std::count(host.buffer.begin(), host.buffer.begin() + 0x10000, 0xFF), 0x10000);
    EXPECT_EQ(std::count(host.buffer.begin() + 0x10000, host.buffer.end(), 0xEE), 0x10000);
}

TEST_F(ThaliaTest, StopRequestEndsAWriteAfterTheCurrentByte) {
    selectChip(65536);
    host.block.checkwr = 0;
    host.stopAt = [](std::int32_t position) { return position == 2048; };
    ASSERT_EQ(module.call(host.block, DD_FN_WRITE), DD_OK);
    const auto words = host.busWords();
    EXPECT_EQ(std::count(words.begin(), words.end(), 0x0BF0), 2049);
    EXPECT_EQ(words.back(), 0x0000);
}

}  // namespace
