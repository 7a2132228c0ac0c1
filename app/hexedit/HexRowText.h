#pragma once
// The texts of one row of the hex editor, built in fixed buffers: the address,
// the hex pairs, the ASCII characters and the hex column's header.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace veldrix {

// A hex row of n bytes needs 3n - 1 characters.
using HexRowBuffer = std::array<char, 1024>;
using AsciiRowBuffer = std::array<char, 512>;
// Up to 255 address digits.
using AddressBuffer = std::array<char, 256>;

// `value` as upper-case hex, zero-padded to `digits` (at most 255); more
// digits when the value needs them, as printf's "%0*X" does.
std::string_view formatAddress(std::uint32_t value, std::uint32_t digits, AddressBuffer& out);

// "12 AB 00": two upper-case digits per byte, single spaces between pairs.
// Bytes beyond what the buffer holds are left out.
std::string_view formatHexRow(std::span<const std::uint8_t> bytes, HexRowBuffer& out);

// Bytes 0x20 to 0x7E as themselves, any other byte as ".".
std::string_view formatAsciiRow(std::span<const std::uint8_t> bytes, AsciiRowBuffer& out);

// The hex column's header: the low byte of each column index, as in a row.
std::string_view formatHexHeader(std::uint32_t rowWidth, HexRowBuffer& out);

// The ASCII column's header, cut to the row width.
std::string_view asciiHeader(std::uint32_t rowWidth);

}  // namespace veldrix
