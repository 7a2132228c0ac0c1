#pragma once
// Soft copy of the board's write-only latches: the data byte last written
// through each selector, so that a write of the same byte can be skipped.

#include <array>
#include <cstdint>
#include <span>

namespace veldrix::drivers {

class LatchCache {
public:
    // Records `data` for the selector (its low four bits) and tells whether
    // the write must reach the port: forced (selector bit 7), or a byte other
    // than the cached.
    [[nodiscard]] bool update(std::uint8_t selector, std::uint8_t data) noexcept;
    // Records `data` without asking.
    void store(std::uint8_t selector, std::uint8_t data) noexcept;
    // Forgets the given selectors: the board clears those latches itself.
    void clear(std::span<const std::uint8_t> selectors) noexcept;

    [[nodiscard]] std::uint8_t value(std::uint8_t selector) const noexcept;

private:
    std::array<std::uint8_t, 16> values_{};
};

}  // namespace veldrix::drivers
