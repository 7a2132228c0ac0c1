#include "core/HardwareFamilies.h"

#include <cstdint>

namespace veldrix {

namespace {

// Port kinds of the portmask.
constexpr std::uint16_t kParallel = 1;
constexpr std::uint16_t kSerial = 2;
constexpr std::uint16_t kUsb = 4;

HardwareFamily g_families[kHardwareFamilyCount] = {
    {kSerial | kUsb, 0, nullptr, 167, "VM-204", "vm-204", "smain"},
    {kParallel, 0, nullptr, 161, "Tessaro 0.39b", "tessaro", "dmain"},
    {kSerial | kUsb, 0, nullptr, 158, "ZENTA", "zenta", "xmain"},
    {kParallel, 0, nullptr, 174, "HOLTAN", "holtan", "holtan_main"},
};

}  // namespace

HardwareFamily* hardwareFamilies() noexcept {
    return g_families;
}

HardwareFamily& hardwareFamily(unsigned index) noexcept {
    return g_families[index & 3u];
}

}  // namespace veldrix
