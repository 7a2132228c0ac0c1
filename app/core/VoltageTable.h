#pragma once
// The driver's voltage tables (a 16-bit count, then that many voltages in
// tenths of a volt) read without trusting them, and voltages as the user
// reads them.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace veldrix {

// More entries than any board offers: a count above it is taken as this
// many, so a garbage count cannot walk far into the driver's memory.
inline constexpr std::size_t kMaxVoltageTableEntries = 64;

// The voltages of `table` in table order: none for a null table (a failed
// binding leaves the call block's tables null), at most
// kMaxVoltageTableEntries, and only those read before a read faulted.
[[nodiscard]] std::vector<std::uint16_t> readVoltageTable(const std::uint16_t* table);

// "12.5" from 125, "3.3" from 33: the tenths exactly.
[[nodiscard]] std::string voltageText(std::uint16_t tenths);

}  // namespace veldrix
