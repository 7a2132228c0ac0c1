// The simulated socket follows the applied chip through the bound driver's
// own board, and only while the simulated port is selected.

#include <gtest/gtest.h>

#include "BindingFixture.h"
#include "ScopedEnvironment.h"
#include "TempDir.h"
#include "core/SimulatedSocket.h"
#include "vxsim.h"

namespace veldrix::test {
namespace {

class SimulatedSocketTest : public BindingFixture {
protected:
    TempDir simDir;
    ScopedEnvironment simContents{"VELDRIX_SIM_DIR", simDir.path().c_str()};
    SimulatedSocket socket{binding, ports};
};

TEST_F(SimulatedSocketTest, TheAppliedChipGoesIntoTheSocketOfTheBoundDriver) {
    ASSERT_TRUE(bind(driverPath("parlink.so")));
    const SimulatorControl* board = binding.simulator();
    ASSERT_NE(board, nullptr);
    binding.selectPort("SIM", family);

    EXPECT_EQ(socket.follow("calypso", 65536), VXSIM_OK);
    EXPECT_EQ(board->chipKind(), VXSIM_KIND_EEPROM);
    EXPECT_EQ(board->chipSize(), 65536u);

    EXPECT_EQ(socket.follow("THALIA", 256), VXSIM_OK);
    EXPECT_EQ(board->chipKind(), VXSIM_KIND_MUX_EPROM);
    EXPECT_EQ(board->chipSize(), 256u);
}

TEST_F(SimulatedSocketTest, TheBoardAnswersOnTheSimulatedPortThroughTheDriver) {
    ASSERT_TRUE(bind(driverPath("parlink.so")));
    binding.selectPort("SIM", family);
    // The board's status register answers 0x87 (its presence pattern).
    EXPECT_EQ(block.bdport(0x0800) & 0xF7, 0x87);
}

TEST_F(SimulatedSocketTest, AnotherPortLeavesTheSocketAlone) {
    ASSERT_TRUE(bind(driverPath("parlink.so")));
    const SimulatorControl* board = binding.simulator();
    ASSERT_NE(board, nullptr);
    binding.selectPort("SIM", family);
    ASSERT_EQ(socket.follow("urania", 256), VXSIM_OK);
    binding.selectPort("LPT1", family);
    EXPECT_EQ(socket.follow("calypso", 32768), VXSIM_OK);
    EXPECT_EQ(board->chipKind(), VXSIM_KIND_MICROWIRE);
    EXPECT_EQ(board->chipSize(), 256u);
}

TEST_F(SimulatedSocketTest, AChipTheBoardCannotHoldEmptiesTheSocket) {
    ASSERT_TRUE(bind(driverPath("parlink.so")));
    const SimulatorControl* board = binding.simulator();
    ASSERT_NE(board, nullptr);
    binding.selectPort("SIM", family);
    ASSERT_EQ(socket.follow("calypso", 65536), VXSIM_OK);

    EXPECT_EQ(socket.follow("calypso", 1000), VXSIM_ERR_SIZE);
    EXPECT_EQ(board->chipKind(), VXSIM_KIND_NONE);
    ASSERT_EQ(socket.follow("calypso", 32768), VXSIM_OK);
    EXPECT_EQ(socket.follow("nomodule", 256), VXSIM_ERR_KIND);
    EXPECT_EQ(board->chipKind(), VXSIM_KIND_NONE);
}

TEST_F(SimulatedSocketTest, ADriverWithoutABoardOrNoDriverAtAllIsLeftAlone) {
    ASSERT_TRUE(bind(testDriverPath("bare_driver.so")));
    binding.selectPort("SIM", family);
    EXPECT_TRUE(ports.simulatorSelected());
    EXPECT_EQ(socket.follow("calypso", 65536), VXSIM_OK);
    binding.unbind();
    EXPECT_EQ(socket.follow("calypso", 65536), VXSIM_OK);
}

}  // namespace
}  // namespace veldrix::test
