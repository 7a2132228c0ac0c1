#pragma once
// One mark bit per shown byte: bit i mod 8 of map byte i div 8, least
// significant bit first. Marked bytes are drawn in the mark colours.

#include <cstdint>
#include <vector>

namespace veldrix {

class MarkMap {
public:
    // A map for `length` bytes, all clear.
    void reset(std::uint32_t length);

    // Sets or clears `count` bits from `start`, cut at the end of the map.
    void setRange(std::uint32_t start, std::uint32_t count, bool marked);
    [[nodiscard]] bool isMarked(std::uint32_t index) const noexcept;
    [[nodiscard]] std::uint32_t length() const noexcept { return length_; }
    [[nodiscard]] const std::vector<std::uint8_t>& bits() const noexcept { return bits_; }

private:
    std::vector<std::uint8_t> bits_;
    std::uint32_t length_ = 0;
};

}  // namespace veldrix
