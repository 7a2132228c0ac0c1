// Binding the built drivers and broken ones: what lands in the call block,
// the fallbacks, the messages, and what unbinding leaves behind.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "BindingFixture.h"
#include "TempDir.h"
#include "vxsim.h"

namespace veldrix::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class DriverBindingTest : public BindingFixture {};

TEST_F(DriverBindingTest, ParlinkLandsInTheCallBlockWithItsOwnPortAndEcr) {
    const std::string path = driverPath("parlink.so");
    ASSERT_TRUE(bind(path));
    EXPECT_TRUE(binding.bound());
    EXPECT_NE(block.bdport, nullptr);
    ASSERT_NE(block.VccTable, nullptr);
    EXPECT_EQ(block.VccTable[0], 4);
    ASSERT_NE(block.VppTable, nullptr);
    EXPECT_EQ(block.VppTable[0], 32);
    ASSERT_NE(block.VidTable, nullptr);
    EXPECT_EQ(block.VidTable[0], 2);
    EXPECT_EQ(block.hardware, &family);

    platform::DynamicLibrary same(path);
    EXPECT_EQ(binding.portAddressWord(), same.data<std::uint16_t>("portadr"));
    EXPECT_EQ(binding.ecrByte(), same.data<std::uint8_t>("ecr"));
    EXPECT_EQ(*binding.ecrByte(), 0x21);
    // Binding never writes the user's port: init ran on the driver's default.
    EXPECT_EQ(*binding.portAddressWord(), 0x378);
    // Probed, refused, probed again after asking for permission.
    EXPECT_THAT(probed, ElementsAre(0x378, 0x378));
    EXPECT_NE(binding.simulator(), nullptr);
    EXPECT_THAT(ui.boxes, IsEmpty());
    // A board that does not answer init is no binding failure and no message.
    EXPECT_THAT(g_statusCalls, IsEmpty());
    EXPECT_EQ(startDrv, 1);
}

TEST_F(DriverBindingTest, ADriverWithoutEcrKeepsTheSettingInTheProgram) {
    ASSERT_TRUE(bind(driverPath("serlink.so")));
    platform::DynamicLibrary same(driverPath("serlink.so"));
    ASSERT_EQ(same.symbol("ecr"), nullptr);
    EXPECT_EQ(*binding.ecrByte(), 0x21);
    EXPECT_EQ(*binding.portAddressWord(), 0x3F8);
    EXPECT_THAT(probed, ElementsAre(0x3F8, 0x3F8));
}

TEST_F(DriverBindingTest, ADriverWithoutPortadrGetsThePrivateWordAndTheChosenPortInIt) {
    ASSERT_TRUE(bind(testDriverPath("bare_driver.so")));
    std::uint16_t* word = binding.portAddressWord();
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(*binding.ecrByte(), 0x21);
    EXPECT_EQ(binding.simulator(), nullptr);
    EXPECT_EQ(peekDriverInt(testDriverPath("bare_driver.so"), "init_calls"), 1);
    // The private word holds no port yet, so there is nothing to probe.
    EXPECT_THAT(probed, IsEmpty());

    EXPECT_EQ(binding.selectPort("LPT2", family), 0x278);
    EXPECT_EQ(*word, 0x278);
    EXPECT_EQ(family.portparam, word);
}

TEST_F(DriverBindingTest, TheVoltageCallbackReachesTheBoundDriver) {
    ASSERT_TRUE(bind(testDriverPath("bare_driver.so")));
    EXPECT_EQ(block.voltage(50, 125, 120), 295);
    binding.unbind();
    EXPECT_EQ(block.voltage(50, 125, 120), 0);
}

TEST_F(DriverBindingTest, RebindingTheSamePathLoadsTheDriverAfresh) {
    const std::string path = testDriverPath("bare_driver.so");
    ASSERT_TRUE(bind(path));
    ASSERT_TRUE(bind(path));
    EXPECT_EQ(peekDriverInt(path, "init_calls"), 1);
    EXPECT_EQ(scans, 2);
}

TEST_F(DriverBindingTest, AMissingOrForeignFileCannotBeLoaded) {
    TempDir dir;
    const std::string notALibrary = dir.write("driver.so", "this is no shared library\n");
    for (const std::string& path : {dir.file("absent.so"), notALibrary}) {
        ui.boxes.clear();
        scans = 0;
        EXPECT_FALSE(bind(path)) << path;
        EXPECT_FALSE(binding.bound());
        ASSERT_EQ(ui.boxes.size(), 1u);
        EXPECT_EQ(ui.boxes[0].style, DD_MB_OK);
        EXPECT_EQ(ui.boxes[0].text, "Can't load driver:  " + path);
        // The port list is rebuilt even so.
        EXPECT_EQ(scans, 1);
        EXPECT_EQ(ports.entries().back().label, "SIM");
        EXPECT_EQ(block.bdport, nullptr);
        EXPECT_EQ(binding.simulator(), nullptr);
    }
    EXPECT_THAT(probed, IsEmpty());
}

TEST_F(DriverBindingTest, AnOverlongPathIsCutToTheMessageBuffer) {
    const std::string path = "/" + std::string(700, 'd') + "/driver.so";
    EXPECT_FALSE(bind(path));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text.size(), kMessageTextCapacity - 1);
    EXPECT_EQ(ui.boxes[0].text.rfind("Can't load driver:  /ddd", 0), 0u);
}

TEST_F(DriverBindingTest, AMissingVoltageTableMakesTheWrongDriver) {
    const std::string path = testDriverPath("no_vidtable_driver.so");
    EXPECT_FALSE(bind(path));
    EXPECT_FALSE(binding.bound());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Wrong Driver");
    EXPECT_EQ(ui.boxes[0].style, DD_MB_OK);
    EXPECT_EQ(peekDriverInt(path, "init_calls"), 0);
    EXPECT_THAT(probed, IsEmpty());
    EXPECT_EQ(scans, 1);
}

TEST_F(DriverBindingTest, AFaultingInitIsReportedAndTheBindingStands) {
    ASSERT_TRUE(bind(testDriverPath("faulting_init_driver.so")));
    EXPECT_TRUE(binding.bound());
    EXPECT_THAT(g_statusCalls, ElementsAre("init ERR"));
    EXPECT_THAT(ui.boxes, IsEmpty());
    // Its voltage faults too: the module sees 0 and the program goes on.
    EXPECT_EQ(block.voltage(50, 125, 120), 0);
}

TEST_F(DriverBindingTest, AFamilyWithoutPortsAsksForNoPermissionAndClearsStartDrv) {
    family.portmask = 0;
    ASSERT_TRUE(bind(driverPath("parlink.so")));
    EXPECT_THAT(probed, IsEmpty());
    EXPECT_EQ(startDrv, 0);
}

TEST_F(DriverBindingTest, UnbindingEmptiesThePortsAndReleasesTheModule) {
    int releases = 0;
    binding.setModuleReleaser([&] { ++releases; });
    ASSERT_TRUE(bind(driverPath("parlink.so")));
    binding.selectPort("LPT1", family);
    ASSERT_EQ(family.portparam, binding.portAddressWord());
    int moduleStandIn = 0;
    block.hmodule = &moduleStandIn;

    binding.unbind();
    EXPECT_EQ(releases, 1);
    EXPECT_EQ(block.hmodule, nullptr);
    EXPECT_FALSE(binding.bound());
    EXPECT_EQ(binding.simulator(), nullptr);
    EXPECT_EQ(ports.entries().size(), 1u);
    EXPECT_EQ(family.portparam, nullptr);
    platform::DynamicLibrary probe(driverPath("parlink.so"));
    EXPECT_NE(binding.portAddressWord(), probe.data<std::uint16_t>("portadr"));
    // Nothing in the call block points into the unloaded driver.
    EXPECT_EQ(block.bdport, nullptr);
    EXPECT_EQ(block.VccTable, nullptr);
    EXPECT_EQ(block.VppTable, nullptr);
    EXPECT_EQ(block.VidTable, nullptr);

    binding.unbind();
    EXPECT_EQ(releases, 1);
}

TEST_F(DriverBindingTest, SelectingAPortRefreshesTheTitleThroughTheStatusCallback) {
    ASSERT_TRUE(bind(driverPath("parlink.so")));
    binding.selectPort("SIM", family);
    EXPECT_EQ(*binding.portAddressWord(), VXSIM_BASE_ADDRESS);
    EXPECT_THAT(g_statusCalls, ElementsAre("<title>"));
}

TEST_F(DriverBindingTest, APortNoWayReachesIsReportedOnce) {
    ASSERT_TRUE(bind(driverPath("parlink.so")));
    probed.clear();
    binding.selectPort("LPT2", family);
    EXPECT_THAT(probed, Contains(0x278));
    EXPECT_THAT(g_statusCalls,
                ElementsAre("<title>",
                            "No access to LPT2 (/nonexistent/parport1): needs group lp or "
                            "CAP_SYS_RAWIO"));

    g_statusCalls.clear();
    binding.selectPort("COM1", family);
    EXPECT_THAT(g_statusCalls, Contains("No access to COM1 (/nonexistent/ttyS0): needs group "
                                        "dialout or CAP_SYS_RAWIO"));
}

TEST_F(DriverBindingTest, AReachablePortOrTheSimulatorNeedsNoWord) {
    ASSERT_TRUE(bind(driverPath("parlink.so")));
    portsAccessible = true;
    binding.selectPort("LPT1", family);
    probed.clear();
    binding.selectPort("SIM", family);
    binding.selectPort("", family);
    EXPECT_THAT(probed, IsEmpty());
    EXPECT_THAT(g_statusCalls, ElementsAre("<title>", "<title>", "<title>"));
}

}  // namespace
}  // namespace veldrix::test
