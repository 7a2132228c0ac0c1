#pragma once
// Chip images from a seeded generator: the same seed gives the same image in
// every test, as a std::string for files or as bytes for a buffer.

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace veldrix::test {

template <class Bytes = std::vector<std::uint8_t>>
[[nodiscard]] Bytes randomImage(std::size_t size, unsigned seed) {
    std::mt19937 generator(seed);
    Bytes bytes(size, 0);
    for (auto& byte : bytes) {
        byte = static_cast<typename Bytes::value_type>(generator() & 0xFF);
    }
    return bytes;
}

}  // namespace veldrix::test
