#pragma once
// The check value the editor's "CRC" context entry shows. It matches the
// buffer tool's CRC32: the reflected CRC-32 without its final inversion.

#include <QString>
#include <cstdint>
#include <span>

namespace veldrix {

[[nodiscard]] std::uint32_t uncomplementedCrc32(std::span<const std::uint8_t> bytes);

// "CRC32: %08X" of the value.
[[nodiscard]] QString crcMessage(std::uint32_t crc);

}  // namespace veldrix
