#include "SimBoard.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "BoardUnderTest.h"
#include "EepromChip.h"
#include "TempDir.h"
#include "common/PresenceTest.h"

namespace veldrix::sim {
namespace {

constexpr std::uint16_t kData = 0, kStatus = 1, kControl = 2;

class SimBoardTest : public ::testing::Test {
protected:
    test::BoardUnderTest rig;
    SimBoard& board = rig.board;
};

TEST_F(SimBoardTest, LatchTakesTheDataRegisterWhenItsStrobeFalls) {
    board.writeRegister(kData, 0x5A);
    board.writeRegister(kControl, 0x09);
    EXPECT_EQ(board.lines()[9], 0x00);  // not yet: the strobe is still up
    board.writeRegister(kControl, 0x08);
    EXPECT_EQ(board.lines()[9], 0x5A);
    board.writeRegister(kData, 0x11);
    EXPECT_EQ(board.lines()[9], 0x5A);  // holds after the strobe
}

TEST_F(SimBoardTest, NoLatchTakesDataWhileTheLinesAreInputs) {
    board.writeRegister(kData, 0x5A);
    board.writeRegister(kControl, 0x2D);
    board.writeRegister(kControl, 0x0C);
    EXPECT_EQ(board.lines()[13], 0x00);
}

TEST_F(SimBoardTest, DirectionAndSetupLatchesClearTheirGroups) {
    for (std::uint32_t word : {0x0111u, 0x0922u, 0x0D33u, 0x0344u, 0x0B55u, 0x0F66u}) {
        rig.bus(word);
    }
    rig.bus(0x8580);
    EXPECT_EQ(board.lines()[1], 0);
    EXPECT_EQ(board.lines()[9], 0);
    EXPECT_EQ(board.lines()[13], 0);
    EXPECT_EQ(board.lines()[3], 0x44);
    rig.bus(0x8790);
    EXPECT_EQ(board.lines()[3], 0);
    EXPECT_EQ(board.lines()[11], 0);
    EXPECT_EQ(board.lines()[15], 0);
    EXPECT_EQ(board.lines()[7], 0x90);
}

TEST_F(SimBoardTest, VoltageLatchSelectsTheBoardsVoltages) {
    rig.voltage(55, 210, 140);
    EXPECT_EQ(board.lines().volts().vcc, 55);
    EXPECT_EQ(board.lines().volts().vpp, 210);
    EXPECT_EQ(board.lines().volts().vid, 140);
}

TEST_F(SimBoardTest, PassesThePresenceTest) {
    EXPECT_EQ(drivers::failedPresenceChecks(rig.port), 0);
    EXPECT_EQ(rig.protocol.init(rig.port, std::uint8_t{0x35}), 0u);
    EXPECT_EQ(board.lines()[5], 0x9B);
    EXPECT_EQ(board.lines()[3], 0xCF);
}

TEST_F(SimBoardTest, PortReadsBackItsOwnDataWhileDrivingAndOtherRegistersFloat) {
    board.writeRegister(kData, 0x88);
    EXPECT_EQ(board.readRegister(kData), 0x88);
    board.writeRegister(0x402, 0x35);
    EXPECT_EQ(board.readRegister(0x402), 0xFF);
    EXPECT_EQ(board.readRegister(3), 0xFF);
    board.writeRegister(kControl, 0x2A);  // input, but not the read pattern
    EXPECT_EQ(board.readRegister(kData), 0xFF);
    EXPECT_EQ(board.readRegister(kControl), 0x2A);
    EXPECT_EQ(board.readRegister(kStatus), 0x87);
}

TEST_F(SimBoardTest, EmptySocketLeavesTheDataLinesToTheBias) {
    rig.bus(0x8582);
    rig.bus(0x0B80);
    EXPECT_EQ(rig.bus(0x0E00), 0xFF);
    rig.bus(0x0B00);
    EXPECT_EQ(rig.bus(0x0E00), 0x00);
    rig.bus(0x8580);  // the board drives latch 13 onto the lines
    rig.bus(0x0D3C);
    EXPECT_EQ(rig.bus(0x0E00), 0x3C);
}

TEST_F(SimBoardTest, ReportsWhenTheChipLosesItsSupply) {
    rig.insert<EepromChip>(*EepromChip::pinoutFor(131072));
    int losses = 0;
    board.onPowerLoss([&losses] { ++losses; });
    rig.bus(0x8780);
    rig.bus(0x0F80);
    EXPECT_EQ(losses, 0);
    rig.bus(0x0000);  // the reset clears latch 15
    EXPECT_EQ(losses, 1);
    rig.bus(0x0000);
    EXPECT_EQ(losses, 1);
}

TEST_F(SimBoardTest, TraceRecordsLatchWritesReadsAndStatusWithTheirAnswers) {
    test::TempDir dir;
    const std::string path = dir.file("board.trace");
    ASSERT_TRUE(rig.trace.open(path, rig.clock.nowNanoseconds()));
    rig.bus(0x0955);
    rig.wait(250);
    rig.bus(0x0955);  // skipped by the driver: never reaches the board
    rig.bus(0x0B80);
    rig.bus(0x0E00);  // latch 5 is still 0: the board drives its data latch
    rig.bus(0x0800);
    ASSERT_TRUE(rig.trace.close());
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(),
              "         0 W 09 55\n"
              "       250 W 0B 80\n"
              "       250 R 0E 00\n"
              "       250 S 0C 87\n");
}

}  // namespace
}  // namespace veldrix::sim
