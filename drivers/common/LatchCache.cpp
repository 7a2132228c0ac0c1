#include "LatchCache.h"

#include "BoardLatches.h"

namespace veldrix::drivers {

bool LatchCache::update(std::uint8_t selector, std::uint8_t data) noexcept {
    std::uint8_t& cached = values_[selector & board::kSelectorBits];
    if ((selector & board::kForceWrite) == 0 && cached == data) {
        return false;
    }
    cached = data;
    return true;
}

void LatchCache::store(std::uint8_t selector, std::uint8_t data) noexcept {
    values_[selector & board::kSelectorBits] = data;
}

void LatchCache::clear(std::span<const std::uint8_t> selectors) noexcept {
    for (std::uint8_t selector : selectors) {
        values_[selector & board::kSelectorBits] = 0;
    }
}

std::uint8_t LatchCache::value(std::uint8_t selector) const noexcept {
    return values_[selector & board::kSelectorBits];
}

}  // namespace veldrix::drivers
