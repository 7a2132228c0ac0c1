#pragma once
// Every byte value in no simple order, as a real image holds them; the same
// bytes for the same seed.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace veldrix::test {

inline std::vector<std::uint8_t> variedBytes(std::size_t length, std::uint32_t seed = 0x9E3779B9) {
    std::vector<std::uint8_t> bytes(length);
    std::uint32_t state = seed;
    for (std::uint8_t& b : bytes) {
        state = state * 1664525u + 1013904223u;
        b = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

}  // namespace veldrix::test
