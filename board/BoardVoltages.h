#pragma once
// The voltages the parallel-port programmer board can produce and the byte of
// its voltage latch (selector 3) that selects them. Shared by the drivers,
// which compose the byte, and the simulated board, which decodes it.
// Voltages in tenths of a volt.

#include <array>
#include <cstddef>
#include <cstdint>

namespace veldrix::board {

inline constexpr std::array<std::uint16_t, 4> kVccTenths = {45, 50, 55, 60};
inline constexpr std::array<std::uint16_t, 2> kVidTenths = {120, 140};

// Programming voltages, and the latch code for each: bits 0 to 3 and 7 of the
// voltage byte.
inline constexpr std::array<std::uint16_t, 32> kVppTenths = {
    55,  65,  75,  85,  95,  105, 110, 115, 120, 125, 130, 135, 140, 145, 150, 155,
    160, 165, 170, 175, 180, 185, 190, 195, 200, 205, 210, 220, 230, 240, 250, 260};
inline constexpr std::array<std::uint8_t, 32> kVppCodes = {
    0x8F, 0x8E, 0x8D, 0x8C, 0x8B, 0x8A, 0x0F, 0x89, 0x0E, 0x88, 0x0D, 0x87, 0x0C, 0x86, 0x0B, 0x85,
    0x0A, 0x84, 0x09, 0x83, 0x08, 0x82, 0x07, 0x81, 0x06, 0x80, 0x05, 0x04, 0x03, 0x02, 0x01, 0x00};

// Fields of the voltage byte.
inline constexpr std::uint8_t kVppCodeBits = 0x8F;
inline constexpr unsigned kVccIndexShift = 4;  // bits 4 and 5
inline constexpr std::uint8_t kVccIndexMask = 0x03;
inline constexpr unsigned kVidIndexShift = 6;  // bit 6, inverted

// Index of the entry a requested voltage selects: 0 for 0 and for anything
// below the first entry, else the highest entry not above the value. Only the
// low 16 bits of the request count.
template <std::size_t N>
[[nodiscard]] constexpr std::size_t voltageIndex(const std::array<std::uint16_t, N>& table,
                                                 std::int32_t request) noexcept {
    const auto value = static_cast<std::uint16_t>(request);
    for (std::size_t i = N; i-- > 0;) {
        if (table[i] <= value) {
            return i;
        }
    }
    return 0;
}

[[nodiscard]] constexpr std::uint8_t composeVoltageByte(std::int32_t vcc, std::int32_t vpp,
                                                        std::int32_t vid) noexcept {
    const auto vccIndex = static_cast<unsigned>(voltageIndex(kVccTenths, vcc));
    const auto vidIndex = static_cast<unsigned>(voltageIndex(kVidTenths, vid));
    return static_cast<std::uint8_t>(vccIndex << kVccIndexShift |
                                     kVppCodes[voltageIndex(kVppTenths, vpp)] |
                                     (vidIndex ^ 1u) << kVidIndexShift);
}

// The voltages a latch byte selects, as the board puts them out.
struct BoardVoltages {
    std::uint16_t vcc = 0;
    std::uint16_t vpp = 0;
    std::uint16_t vid = 0;
};

[[nodiscard]] constexpr BoardVoltages decodeVoltageByte(std::uint8_t byte) noexcept {
    BoardVoltages volts;
    volts.vcc = kVccTenths[(byte >> kVccIndexShift) & kVccIndexMask];
    volts.vid = kVidTenths[((byte >> kVidIndexShift) & 1u) ^ 1u];
    const auto code = static_cast<std::uint8_t>(byte & kVppCodeBits);
    for (std::size_t i = 0; i < kVppCodes.size(); ++i) {
        if (kVppCodes[i] == code) {
            volts.vpp = kVppTenths[i];
        }
    }
    return volts;
}

// An exported voltage table: the count, then the values.
template <std::size_t N>
[[nodiscard]] constexpr std::array<std::uint16_t, N + 1> countedTable(
    const std::array<std::uint16_t, N>& values) noexcept {
    std::array<std::uint16_t, N + 1> table{};
    table[0] = static_cast<std::uint16_t>(N);
    for (std::size_t i = 0; i < N; ++i) {
        table[i + 1] = values[i];
    }
    return table;
}

}  // namespace veldrix::board
