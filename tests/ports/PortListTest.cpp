// The port list: labels and kinds from the system's devices, selection and
// what it hands to the driver and the modules.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "ports/PortList.h"
#include "vxsim.h"

namespace veldrix {
namespace {

using ::testing::ElementsAre;
using ::testing::Field;

const std::vector<SystemDevice> kDevices = {
    {kPortParallel, "/dev/parport0", 0x378, ""}, {kPortParallel, "/dev/parport1", 0x278, ""},
    {kPortSerial, "/dev/ttyS0", 0x3F8, ""},      {kPortUsb, "/dev/bus/usb/001/004", 0, "AB12345"},
    {kPortSerial, "/dev/ttyUSB0", 0, ""},        {kPortUsb, "/dev/bus/usb/001/007", 0, "XY9"},
};

constexpr std::uint16_t kAllKinds = kPortParallel | kPortSerial | kPortUsb;

std::vector<std::string> labels(const PortList& list) {
    std::vector<std::string> result;
    for (const auto& entry : list.entries()) {
        result.push_back(entry.label);
    }
    return result;
}

class PortListTest : public ::testing::Test {
protected:
    void SetUp() override {
        list.setTitleRefresh([this] { ++titleRefreshes; });
    }

    PortList list;
    HardwareFamily family{kAllKinds, 0, nullptr, 0, "T", "t", "dmain"};
    std::uint16_t portWord = 0x1234;
    int titleRefreshes = 0;
};

TEST_F(PortListTest, LabelsFollowDiscoveryOrderPerKindWithTheSimulatorLast) {
    list.enumerate(kAllKinds, kDevices);
    EXPECT_THAT(labels(list), ElementsAre("", "LPT1", "LPT2", "COM1", "USB0 SN:AB123", "COM2",
                                          "USB1 SN:XY9", "SIM"));
    const auto& entries = list.entries();
    EXPECT_EQ(entries[0].kind, 0);
    EXPECT_EQ(entries[0].address, 0);
    EXPECT_EQ(entries[1].address, 0x378);
    EXPECT_EQ(entries[1].name, "/dev/parport0");
    EXPECT_EQ(entries[2].address, 0x278);
    // Serial entries carry no address even when the UART has one.
    EXPECT_EQ(entries[3].address, 0);
    EXPECT_EQ(entries[3].kind, kPortSerial);
    EXPECT_EQ(entries[4].kind, kPortUsb);
    EXPECT_EQ(entries[4].name, "/dev/bus/usb/001/004");
    EXPECT_EQ(entries[7].kind, kPortParallel);
    EXPECT_EQ(entries[7].address, VXSIM_BASE_ADDRESS);
}

TEST_F(PortListTest, UsbDevicesNeedTheMaskBitSerialAndParallelDoNot) {
    list.enumerate(0, kDevices);
    EXPECT_THAT(labels(list), ElementsAre("", "LPT1", "LPT2", "COM1", "COM2", "SIM"));
}

TEST_F(PortListTest, PortNamesStopAtTheNinthOfAKind) {
    std::vector<SystemDevice> devices;
    for (int i = 0; i < 11; ++i) {
        devices.push_back({kPortSerial, "/dev/ttyS" + std::to_string(i), 0, ""});
        devices.push_back({kPortParallel, "/dev/parport" + std::to_string(i), 0, ""});
    }
    list.enumerate(kAllKinds, devices);
    const std::vector<std::string> shown = labels(list);
    EXPECT_EQ(std::count_if(shown.begin(), shown.end(),
                            [](const std::string& label) { return label.rfind("COM", 0) == 0; }),
              9);
    EXPECT_EQ(std::count_if(shown.begin(), shown.end(),
                            [](const std::string& label) { return label.rfind("LPT", 0) == 0; }),
              9);
    EXPECT_EQ(shown[17], "COM9");
    EXPECT_EQ(list.entries()[17].name, "/dev/ttyS8");
    EXPECT_EQ(shown.back(), "SIM");
}

TEST_F(PortListTest, EveryEnumerationStartsAfreshWithTheUsbCounterAtZero) {
    list.enumerate(kAllKinds, kDevices);
    list.enumerate(kAllKinds, {kDevices[3]});
    EXPECT_THAT(labels(list), ElementsAre("", "USB0 SN:AB123", "SIM"));
}

TEST_F(PortListTest, SelectingAParallelPortWritesItsAddressIntoTheDriverWord) {
    list.enumerate(kAllKinds, kDevices);
    EXPECT_EQ(list.select("LPT2", family, &portWord), 0x278);
    EXPECT_EQ(portWord, 0x278);
    EXPECT_EQ(family.portparam, &portWord);
    EXPECT_EQ(list.current().label, "LPT2");
    EXPECT_EQ(titleRefreshes, 1);
    EXPECT_FALSE(list.simulatorSelected());
}

TEST_F(PortListTest, SelectingASerialPortPointsAtTheWordButLeavesIt) {
    list.enumerate(kAllKinds, kDevices);
    EXPECT_EQ(list.select("COM2", family, &portWord), 0);
    EXPECT_EQ(portWord, 0x1234);
    EXPECT_EQ(family.portparam, &portWord);
    EXPECT_EQ(list.current().name, "/dev/ttyUSB0");
}

TEST_F(PortListTest, SelectingAUsbDeviceHandsTheModulesItsDevicePath) {
    list.enumerate(kAllKinds, kDevices);
    EXPECT_EQ(list.select("USB1 SN:XY9", family, &portWord), 0);
    ASSERT_NE(family.portparam, nullptr);
    EXPECT_STREQ(static_cast<const char*>(family.portparam), "/dev/bus/usb/001/007");
    EXPECT_EQ(portWord, 0x1234);
}

TEST_F(PortListTest, AnUnknownEmptyOrDifferentlyCasedLabelSelectsTheHead) {
    list.enumerate(kAllKinds, kDevices);
    for (const char* label : {"LPT9", "", "lpt1", "SIM "}) {
        family.portparam = &portWord;
        EXPECT_EQ(list.select(label, family, &portWord), 0) << label;
        EXPECT_EQ(family.portparam, nullptr) << label;
        EXPECT_EQ(list.current().kind, 0) << label;
    }
    EXPECT_EQ(portWord, 0x1234);
    EXPECT_EQ(titleRefreshes, 4);
}

TEST_F(PortListTest, TheSimulatorIsAParallelPortAtItsReservedAddress) {
    list.enumerate(kPortSerial, {});
    EXPECT_EQ(list.select("SIM", family, &portWord), VXSIM_BASE_ADDRESS);
    EXPECT_EQ(portWord, VXSIM_BASE_ADDRESS);
    EXPECT_TRUE(list.simulatorSelected());
    list.select("", family, &portWord);
    EXPECT_FALSE(list.simulatorSelected());
}

TEST_F(PortListTest, EmptyingTheListTakesBackThePortHandedToTheFamily) {
    list.enumerate(kAllKinds, kDevices);
    list.select("USB0 SN:AB123", family, &portWord);
    list.clear();
    EXPECT_EQ(family.portparam, nullptr);
    EXPECT_THAT(list.entries(), ElementsAre(Field(&PortRecord::kind, 0)));
    EXPECT_EQ(list.current().kind, 0);

    list.enumerate(kAllKinds, kDevices);
    list.select("LPT1", family, &portWord);
    list.enumerate(kAllKinds, kDevices);
    EXPECT_EQ(family.portparam, nullptr);
    EXPECT_EQ(list.current().kind, 0);
}

TEST_F(PortListTest, ADeviceOfNoKnownKindIsIgnored) {
    list.enumerate(kAllKinds, {{8, "/dev/odd", 0x100, ""}, kDevices[0]});
    EXPECT_THAT(labels(list), ElementsAre("", "LPT1", "SIM"));
}

}  // namespace
}  // namespace veldrix
