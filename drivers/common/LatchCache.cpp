#include "LatchCache.h"

namespace veldrix::drivers {

bool LatchCache::update(std::uint8_t selector, std::uint8_t data) noexcept {
    std::uint8_t& cached = values_[selector & kSelectorBits];
    if ((selector & kForce) == 0 && cached == data) {
        return false;
    }
    cached = data;
    return true;
}

void LatchCache::store(std::uint8_t selector, std::uint8_t data) noexcept {
    values_[selector & kSelectorBits] = data;
}

void LatchCache::clear(std::initializer_list<std::uint8_t> selectors) noexcept {
    for (std::uint8_t selector : selectors) {
        values_[selector & kSelectorBits] = 0;
    }
}

}  // namespace veldrix::drivers
