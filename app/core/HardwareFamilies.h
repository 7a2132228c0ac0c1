#pragma once
// The fixed table of the four programmer hardware families.

#include <cstddef>

#include "dlldata.h"

namespace veldrix {

inline constexpr std::size_t kHardwareFamilyCount = 4;

// The rows in index order. `portparam` is written when a port is chosen, so
// the table is the program's one mutable copy.
HardwareFamily* hardwareFamilies() noexcept;

// Row `index`, with the index reduced to its low two bits.
HardwareFamily& hardwareFamily(unsigned index) noexcept;

}  // namespace veldrix
