#pragma once
// Every byte value in no simple order, as a real image holds them.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace bench {

inline std::vector<std::uint8_t> variedBytes(std::size_t length) {
    std::vector<std::uint8_t> bytes(length);
    std::uint32_t state = 0x2468ACE1;
    for (std::uint8_t& b : bytes) {
        state = state * 1664525u + 1013904223u;
        b = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

}  // namespace bench
