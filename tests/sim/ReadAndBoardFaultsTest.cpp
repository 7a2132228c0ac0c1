// Faults in what the chip answers (data lines, address lines, a loose data
// line) and faults of the board on the port (gone, a status line held), and
// what the drivers' presence test makes of the board faults.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "BoardUnderTest.h"
#include "ChipMemory.h"
#include "ScopedEnvironment.h"
#include "Simulator.h"
#include "TempDir.h"
#include "common/PresenceTest.h"
#include "vxsim.h"

namespace veldrix::sim {
namespace {

std::vector<std::uint8_t> readAll(const ChipMemory& memory) {
    std::vector<std::uint8_t> bytes(memory.size());
    for (std::uint32_t address = 0; address < memory.size(); ++address) {
        bytes[address] = memory.read(address);
    }
    return bytes;
}

ChipMemory numberedMemory(std::uint32_t size) {
    ChipMemory memory(size);
    auto& cells = memory.changeCells();
    for (std::uint32_t address = 0; address < size; ++address) {
        cells[address] = static_cast<std::uint8_t>(address * 37 + (address >> 8));
    }
    return memory;
}

TEST(ReadFaults, HeldDataLinesForceTheirBitAtEveryAddressAndLeaveTheCells) {
    ChipMemory memory = numberedMemory(256);
    const std::vector<std::uint8_t> cells = memory.cells();
    memory.readFaults().holdDataLine(3, false);
    memory.readFaults().holdDataLine(6, true);
    for (std::uint32_t address = 0; address < 256; ++address) {
        EXPECT_EQ(memory.read(address), (cells[address] & ~0x08) | 0x40) << address;
    }
    EXPECT_EQ(memory.cells(), cells);
    memory.clearFaults();
    EXPECT_EQ(readAll(memory), cells);
}

TEST(ReadFaults, HeldAddressLineMakesBothHalvesAnswerWithTheHalfAtItsLevel) {
    ChipMemory memory = numberedMemory(0x8000);
    const std::vector<std::uint8_t> cells = memory.cells();
    memory.readFaults().holdAddressLine(12, true);
    EXPECT_EQ(memory.read(0x0123), cells[0x1123]);
    EXPECT_EQ(memory.read(0x1123), cells[0x1123]);
    EXPECT_EQ(memory.read(0x6FFF), cells[0x7FFF]);
    memory.readFaults().holdAddressLine(12, false);
    EXPECT_EQ(memory.read(0x1123), cells[0x0123]);
}

TEST(ReadFaults, IntermittentLineVariesOnlyItsBitAndRepeatsWithItsSeed) {
    ChipMemory first = numberedMemory(4096);
    ChipMemory second = numberedMemory(4096);
    const std::vector<std::uint8_t> cells = first.cells();
    first.readFaults().makeIntermittent(5, 1234);
    second.readFaults().makeIntermittent(5, 1234);
    const std::vector<std::uint8_t> once = readAll(first);
    const std::vector<std::uint8_t> again = readAll(first);
    EXPECT_EQ(readAll(second), once) << "the same seed gives the same reads";
    EXPECT_NE(again, once) << "a second read draws new levels";

    std::size_t high = 0;
    for (std::uint32_t address = 0; address < cells.size(); ++address) {
        EXPECT_EQ(once[address] & ~0x20, cells[address] & ~0x20) << address;
        high += (once[address] & 0x20) != 0 ? 1 : 0;
    }
    // Both levels come up, neither overwhelmingly.
    EXPECT_GT(high, cells.size() / 4);
    EXPECT_LT(high, cells.size() * 3 / 4);

    ChipMemory otherSeed = numberedMemory(4096);
    otherSeed.readFaults().makeIntermittent(5, 1235);
    EXPECT_NE(readAll(otherSeed), once);
}

class SimulatorFaultTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::ScopedEnvironment simDir{"VELDRIX_SIM_DIR", dir.path().c_str()};
    Simulator sim;
};

TEST_F(SimulatorFaultTest, ChipReadFaultsNeedAChipAndOneOfItsLines) {
    EXPECT_EQ(sim.holdDataLine(0, 0), VXSIM_ERR_EMPTY);
    EXPECT_EQ(sim.holdAddressLine(0, 0), VXSIM_ERR_EMPTY);
    EXPECT_EQ(sim.makeBitIntermittent(0, 1), VXSIM_ERR_EMPTY);
    ASSERT_EQ(sim.insert(ChipKind::Eeprom, 32768, nullptr), VXSIM_OK);
    EXPECT_EQ(sim.holdDataLine(7, 1), VXSIM_OK);
    EXPECT_EQ(sim.holdDataLine(8, 1), VXSIM_ERR_RANGE);
    EXPECT_EQ(sim.holdDataLine(-1, 0), VXSIM_ERR_RANGE);
    EXPECT_EQ(sim.holdDataLine(0, 2), VXSIM_ERR_RANGE);
    EXPECT_EQ(sim.holdAddressLine(14, 0), VXSIM_OK);
    EXPECT_EQ(sim.holdAddressLine(15, 0), VXSIM_ERR_RANGE) << "a 32 KB chip has A0-A14";
    EXPECT_EQ(sim.holdAddressLine(31, 0), VXSIM_ERR_RANGE);
    EXPECT_EQ(sim.holdAddressLine(32, 0), VXSIM_ERR_RANGE);
    EXPECT_EQ(sim.holdAddressLine(3, -1), VXSIM_ERR_RANGE);
    EXPECT_EQ(sim.makeBitIntermittent(7, 0), VXSIM_OK);
    EXPECT_EQ(sim.makeBitIntermittent(8, 0), VXSIM_ERR_RANGE);
}

TEST_F(SimulatorFaultTest, ReadFaultsDoNotShowInTheStoredCells) {
    ASSERT_EQ(sim.insert(ChipKind::MuxEprom, 256, nullptr), VXSIM_OK);
    const std::uint8_t value = 0x5A;
    ASSERT_EQ(sim.write(0x10, &value, 1), VXSIM_OK);
    ASSERT_EQ(sim.holdDataLine(0, 1), VXSIM_OK);
    ASSERT_EQ(sim.holdAddressLine(4, 0), VXSIM_OK);
    EXPECT_EQ(sim.board().chip()->memory().read(0x10), 0xFF) << "cell 0x00, bit 0 set";
    std::uint8_t stored = 0;
    ASSERT_EQ(sim.read(0x10, &stored, 1), VXSIM_OK);
    EXPECT_EQ(stored, value);
    ASSERT_EQ(sim.clearFaults(), VXSIM_OK);
    EXPECT_EQ(sim.board().chip()->memory().read(0x10), value);
}

// The presence test's failure mask for a board with `faults`.
std::uint8_t failedChecksWith(const BoardFaults& faults) {
    test::BoardUnderTest rig;
    rig.board.faults() = faults;
    return drivers::failedPresenceChecks(rig.port);
}

TEST(BoardFaults, AbsentBoardFailsEveryCheckButThePortsOwnLoopBack) {
    BoardFaults absent;
    absent.absent = true;
    EXPECT_EQ(failedChecksWith(absent), 0x7F);

    test::BoardUnderTest rig;
    rig.board.faults().absent = true;
    EXPECT_EQ(rig.protocol.init(rig.port, std::uint8_t{0x35}), 0x17Fu);
    rig.bus(0x8955);
    EXPECT_EQ(rig.board.lines()[9], 0x00) << "no latch takes anything";
    EXPECT_EQ(rig.board.readRegister(1), 0x7F);
}

struct HeldStatusLine {
    int line;
    int level;
    std::uint8_t failed;  // the checks that must fail, as init()'s mask
};

class StatusLineTest : public ::testing::TestWithParam<HeldStatusLine> {};

TEST_P(StatusLineTest, FailsExactlyTheChecksThatReadTheLine) {
    const HeldStatusLine& held = GetParam();
    BoardFaults faults;
    faults.holdStatusLine(static_cast<unsigned>(held.line), held.level == 1);
    EXPECT_EQ(failedChecksWith(faults), held.failed);
}

// Bit 7 reads 1 and bits 6 to 4 read 0 on a sound board, so holding them
// there fails nothing; bit 3 answers only under pattern 6, so either level
// fails the five checks that watch it change.
INSTANTIATE_TEST_SUITE_P(EveryLineAndLevel, StatusLineTest,
                         ::testing::Values(HeldStatusLine{7, 0, 0x40}, HeldStatusLine{7, 1, 0x00},
                                           HeldStatusLine{6, 1, 0x20}, HeldStatusLine{6, 0, 0x00},
                                           HeldStatusLine{5, 1, 0x40}, HeldStatusLine{4, 1, 0x40},
                                           HeldStatusLine{4, 0, 0x00}, HeldStatusLine{3, 0, 0x1F},
                                           HeldStatusLine{3, 1, 0x1F}));

TEST_F(SimulatorFaultTest, BoardFaultsNeedNoChipAndGoWithInsertRemoveAndClear) {
    EXPECT_EQ(sim.holdStatusLine(2, 0), VXSIM_ERR_RANGE) << "bits 0-2 are no status lines";
    EXPECT_EQ(sim.holdStatusLine(8, 0), VXSIM_ERR_RANGE);
    EXPECT_EQ(sim.holdStatusLine(3, 2), VXSIM_ERR_RANGE);
    ASSERT_EQ(sim.holdStatusLine(6, 1), VXSIM_OK);
    ASSERT_EQ(sim.removeBoard(), VXSIM_OK);
    EXPECT_TRUE(sim.board().faults().absent);
    EXPECT_EQ(sim.clearFaults(), VXSIM_OK) << "an empty socket leaves nothing to refuse";
    EXPECT_FALSE(sim.board().faults().absent);
    EXPECT_EQ(sim.board().faults().statusMask, 0);

    ASSERT_EQ(sim.removeBoard(), VXSIM_OK);
    ASSERT_EQ(sim.insert(ChipKind::Eeprom, 32768, nullptr), VXSIM_OK);
    EXPECT_FALSE(sim.board().faults().absent);
    ASSERT_EQ(sim.holdStatusLine(3, 0), VXSIM_OK);
    ASSERT_EQ(sim.remove(), VXSIM_OK);
    EXPECT_EQ(sim.board().faults().statusMask, 0);
}

}  // namespace
}  // namespace veldrix::sim
