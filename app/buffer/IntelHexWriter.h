#pragma once
// Writes an image as Intel HEX: 16 data bytes a record, an extended linear
// address record (04) each time the address passes a 64 KB boundary, and the
// end of file record. Every byte is written, erased ones too, so that the
// file stands for the whole image. The format addresses at most 4 GiB.

#include <cstdint>
#include <span>
#include <string>

namespace veldrix {

[[nodiscard]] std::string writeIntelHex(std::span<const std::uint8_t> image);

}  // namespace veldrix
