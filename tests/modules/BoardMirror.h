#pragma once
// Follows the bus words a module sends and keeps what each board latch would
// hold, so a test can answer reads from the address the module has set up.

#include <array>
#include <cstdint>

namespace veldrix::test {

class BoardMirror {
public:
    void see(std::uint16_t word) {
        const unsigned selector = (word >> 8) & 0x0F;
        const auto data = static_cast<std::uint8_t>(word);
        if (selector == 0) {
            latches_.fill(0);
        } else if (selector != kReadData && selector != kStatus) {
            latches_[selector] = data;
        }
    }
    [[nodiscard]] std::uint8_t latch(unsigned selector) const { return latches_[selector & 0x0F]; }
    // Address bits 0..19 as calypso spreads them over latches 9, 1 and 11.
    [[nodiscard]] std::uint32_t parallelAddress() const {
        return static_cast<std::uint32_t>(latches_[11] & 0x0F) << 16 |
               static_cast<std::uint32_t>(latches_[1]) << 8 | latches_[9];
    }

private:
    static constexpr unsigned kReadData = 14;
    static constexpr unsigned kStatus = 8;
    std::array<std::uint8_t, 16> latches_{};
};

}  // namespace veldrix::test
