#pragma once
// Finds the ppdev device of the parallel port at a base address.

#include <cstdint>
#include <filesystem>
#include <string>

namespace veldrix::portio {

// Where the kernel lists its parallel ports and where their devices live.
struct PpdevLocations {
    std::filesystem::path portList = "/proc/sys/dev/parport";
    std::filesystem::path devices = "/dev";
};

// The device path (e.g. "/dev/parport0") of the port whose
// "<portList>/parportN/base-addr" starts with `base` in decimal; empty when
// none. N is not tied to the address.
[[nodiscard]] std::string findPpdevDevice(std::uint16_t base, const PpdevLocations& where = {});

}  // namespace veldrix::portio
