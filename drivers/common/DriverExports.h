#pragma once
// The names every programmer driver exports, with the C calling convention.
// Each driver defines them in its own exports file; `ecr` only where the
// board has an extended control register step.

#include <array>
#include <cstdint>

#include "PortEntry.h"

#define VELDRIX_DRIVER_EXPORT __attribute__((visibility("default")))

extern "C" {

// Base I/O address; the program writes the chosen port into it.
VELDRIX_DRIVER_EXPORT extern std::uint16_t portadr;
// Byte for the extended control register, written by init().
VELDRIX_DRIVER_EXPORT extern std::uint8_t ecr;
VELDRIX_DRIVER_EXPORT extern const veldrix::drivers::PortEntry* pPorts;

// Voltage tables: count, then values in tenths of a volt, ascending.
VELDRIX_DRIVER_EXPORT extern const std::array<std::uint16_t, 5> VccTable;
VELDRIX_DRIVER_EXPORT extern const std::array<std::uint16_t, 33> VppTable;
VELDRIX_DRIVER_EXPORT extern const std::array<std::uint16_t, 3> VidTable;

// 0 when the board answered and was reset; else 0x100 plus failed checks.
VELDRIX_DRIVER_EXPORT std::uint32_t init(void) noexcept;
// One bus word: selector << 8 | data. The low byte answers read actions.
VELDRIX_DRIVER_EXPORT std::uint8_t bdport(std::uint32_t word) noexcept;
// Supply, programming and identification voltage in tenths of a volt.
VELDRIX_DRIVER_EXPORT std::uint32_t voltage(std::int32_t vcc, std::int32_t vpp,
                                            std::int32_t vid) noexcept;
}
