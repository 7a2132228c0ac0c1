// The device scan over fake /dev, /proc and /sys trees.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "platform/SystemDevices.h"

namespace veldrix {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct Found {
    std::uint8_t kind;
    std::string name;
    std::uint16_t address;
    std::string serial;
    bool operator==(const Found&) const = default;
};

std::vector<Found> relative(const test::TempDir& root, const std::vector<SystemDevice>& devices) {
    std::vector<Found> result;
    for (const auto& d : devices) {
        result.push_back({d.kind, fs::path(d.name).lexically_relative(root.path()).string(),
                          d.address, d.serial});
    }
    return result;
}

class SystemDevicesTest : public ::testing::Test {
protected:
    void parport(const std::string& name, const std::string& baseAddr) {
        root.write("dev/" + name, "");
        if (!baseAddr.empty()) {
            root.write("proc/sys/dev/parport/" + name + "/base-addr", baseAddr);
        }
    }

    // A tty under /sys/class/tty whose device is bound to `driver`.
    void tty(const std::string& name, const std::string& driver, const std::string& port,
             const std::string& irq, const std::string& type = "4\n") {
        const fs::path dir = root.path() / "sys/class/tty" / name;
        fs::create_directories(dir);
        if (!driver.empty()) {
            const fs::path device = root.path() / "sys/devices" / (name + "-device");
            fs::create_directories(device);
            fs::create_directories(root.path() / "sys/bus/drivers" / driver);
            fs::create_directory_symlink(root.path() / "sys/bus/drivers" / driver,
                                         device / "driver");
            fs::create_directory_symlink(device, dir / "device");
        }
        if (!port.empty()) {
            root.write("sys/class/tty/" + name + "/port", port);
            root.write("sys/class/tty/" + name + "/irq", irq);
            root.write("sys/class/tty/" + name + "/type", type);
        }
    }

    void usb(const std::string& name, const std::string& serial, const std::string& deviceClass,
             const std::string& bus = "1\n", const std::string& dev = "4\n") {
        const std::string dir = "sys/bus/usb/devices/" + name + "/";
        root.write(dir + "bDeviceClass", deviceClass);
        root.write(dir + "busnum", bus);
        root.write(dir + "devnum", dev);
        if (!serial.empty()) {
            root.write(dir + "serial", serial);
        }
    }

    test::TempDir root;
};

TEST_F(SystemDevicesTest, ParallelPortsComeInPortNumberOrderWithTheirBaseAddress) {
    parport("parport10", "956\t1980\n");
    parport("parport0", "888\t1912\n");
    parport("parport2", "632\n");
    parport("parport1", "");  // no base address known
    parport("parport", "888\n");
    parport("parportx", "888\n");
    EXPECT_THAT(relative(root, scanSystemDevices(root.path())),
                ElementsAre(Found{kPortParallel, "dev/parport0", 0x378, ""},
                            Found{kPortParallel, "dev/parport1", 0, ""},
                            Found{kPortParallel, "dev/parport2", 0x278, ""},
                            Found{kPortParallel, "dev/parport10", 0x3BC, ""}));
}

TEST_F(SystemDevicesTest, SerialDevicesNeedHardwareBehindThem) {
    tty("ttyS0", "serial8250", "0x3F8\n", "4\n");
    tty("ttyS1", "serial8250", "0x0\n", "0\n");       // placeholder without a UART
    tty("ttyS2", "serial", "0x2F8\n", "3\n", "0\n");  // UART type unknown
    tty("ttyS3", "serial", "0x0\n", "0\n");           // a real driver's port
    tty("ttyUSB0", "ftdi_sio", "", "");               // no UART files at all
    tty("tty0", "", "", "");                          // virtual console: no device
    EXPECT_THAT(relative(root, scanSystemDevices(root.path())),
                ElementsAre(Found{kPortSerial, "dev/ttyS0", 0x3F8, ""},
                            Found{kPortSerial, "dev/ttyS3", 0, ""},
                            Found{kPortSerial, "dev/ttyUSB0", 0, ""}));
}

TEST_F(SystemDevicesTest, SerialDevicesComeInTheNaturalOrderOfTheirNames) {
    for (const char* name : {"ttyS10", "ttyS2", "ttyUSB1", "ttyS1", "ttyACM0", "ttyS02"}) {
        tty(name, "serial", "0x0\n", "0\n");
    }
    std::vector<std::string> names;
    for (const Found& found : relative(root, scanSystemDevices(root.path()))) {
        names.push_back(found.name);
    }
    EXPECT_THAT(names, ElementsAre("dev/ttyACM0", "dev/ttyS1", "dev/ttyS02", "dev/ttyS2",
                                   "dev/ttyS10", "dev/ttyUSB1"));
}

TEST_F(SystemDevicesTest, UsbDevicesWithASerialNumberAreFoundByTheirBusNode) {
    usb("1-1", "AB12345\n", "00\n", "1\n", "4\n");
    usb("3-2.1", "Z9", "ff\n", "3\n", "17\n");
    usb("1-1:1.0", "AB12345\n", "00\n");    // an interface of 1-1
    usb("usb1", "0000:00:14.0\n", "09\n");  // root hub
    usb("1-2", "HUB1\n", "09\n");           // external hub
    usb("1-3", "", "00\n");                 // no serial number
    EXPECT_THAT(relative(root, scanSystemDevices(root.path())),
                ElementsAre(Found{kPortUsb, "dev/bus/usb/001/004", 0, "AB12345"},
                            Found{kPortUsb, "dev/bus/usb/003/017", 0, "Z9"}));
}

TEST_F(SystemDevicesTest, KindsComeParallelThenSerialThenUsb) {
    usb("1-1", "S1\n", "00\n");
    tty("ttyS0", "serial8250", "0x3F8\n", "4\n");
    parport("parport0", "888\n");
    const auto found = scanSystemDevices(root.path());
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].kind, kPortParallel);
    EXPECT_EQ(found[1].kind, kPortSerial);
    EXPECT_EQ(found[2].kind, kPortUsb);
}

TEST_F(SystemDevicesTest, AMissingTreeFindsNothing) {
    EXPECT_THAT(scanSystemDevices(root.path() / "absent"), IsEmpty());
}

}  // namespace
}  // namespace veldrix
