#pragma once
// The texts that show a chip: the lines of the chip information box and the
// status panes of the applied chip.

#include <cstdint>
#include <string>
#include <vector>

#include "catalog/ChipDescription.h"

namespace veldrix {

// Words of `width` bits in `size` bytes. A width of 0 would give no bytes
// per word; such a chip counts one word per byte.
[[nodiscard]] std::uint32_t chipWordCount(std::uint32_t size, std::uint8_t width) noexcept;

// "Chip name:", "Manufacture:", "Size:", "Vcc:", "Vpp:", "Vid:" lines.
[[nodiscard]] std::vector<std::string> chipInfoLines(const ChipDescription& chip);

// "size: 32Kx16", "size: 512 x8".
[[nodiscard]] std::string sizePaneText(std::uint32_t size, std::uint8_t width);

// "Vcc:5.0" from 50 tenths of a volt, "Vcc:3.3" from 33.
[[nodiscard]] std::string voltagePaneText(const char* label, std::uint16_t tenths);

}  // namespace veldrix
