#pragma once
// The program's CRC32 check value, shown by the buffer tool and by the hex
// editor's "CRC" entry: the reflected CRC-32 without its final inversion.

#include <cstdint>
#include <span>
#include <string>

namespace veldrix {

[[nodiscard]] std::uint32_t uncomplementedCrc32(std::span<const std::uint8_t> bytes);

// "CRC32: %08X" of the value.
[[nodiscard]] std::string crc32Text(std::uint32_t crc);

}  // namespace veldrix
