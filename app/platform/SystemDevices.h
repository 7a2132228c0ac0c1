#pragma once
// The ports a programmer can sit on, as the system knows them: parallel ports
// (ppdev nodes with their base address), serial devices with hardware behind
// them, and USB devices that carry a serial number.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace veldrix {

// Port kinds, as the hardware family's portmask counts them.
inline constexpr std::uint8_t kPortParallel = 1;
inline constexpr std::uint8_t kPortSerial = 2;
inline constexpr std::uint8_t kPortUsb = 4;

namespace platform {

struct SystemDevice {
    std::uint8_t kind;      // kPortParallel, kPortSerial or kPortUsb
    std::string name;       // device node the drivers and modules open
    std::uint16_t address;  // I/O base address; 0 when the device has none
    std::string serial;     // USB serial number, empty for the others
};

// Scans root's /dev, /proc/sys/dev/parport, /sys/class/tty and
// /sys/bus/usb/devices (root "/" is the running system; tests pass a fake
// tree). Parallel ports come first by port number, then serial devices, then
// USB devices, each in the natural order of their names (ttyS2 before
// ttyS10). Unreadable parts are skipped.
[[nodiscard]] std::vector<SystemDevice> scanSystemDevices(const std::filesystem::path& root = "/");

}  // namespace platform

using platform::scanSystemDevices;
using platform::SystemDevice;

}  // namespace veldrix
