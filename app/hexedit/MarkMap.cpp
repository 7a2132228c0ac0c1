#include "hexedit/MarkMap.h"

#include <algorithm>

namespace veldrix {

void MarkMap::reset(std::uint32_t length) {
    length_ = length;
    bits_.assign((std::uint64_t{length} + 7) / 8, 0);
}

void MarkMap::setRange(std::uint32_t start, std::uint32_t count, bool marked) {
    if (count == 0 || start >= length_) {
        return;
    }
    // 64-bit end: start + count may pass 2^32.
    const std::uint64_t end = std::min<std::uint64_t>(std::uint64_t{start} + count, length_);
    std::uint64_t i = start;
    auto setBit = [&](std::uint64_t index) {
        const auto bit = static_cast<std::uint8_t>(1u << (index % 8));
        if (marked) {
            bits_[index / 8] |= bit;
        } else {
            bits_[index / 8] &= static_cast<std::uint8_t>(~bit);
        }
    };
    for (; i < end && i % 8 != 0; ++i) {
        setBit(i);
    }
    // Whole map bytes at once: marks over a large image are cleared before
    // every Read, Write and Compare.
    const std::uint64_t wholeEnd = end - end % 8;
    if (i < wholeEnd) {
        std::fill(bits_.begin() + static_cast<std::ptrdiff_t>(i / 8),
                  bits_.begin() + static_cast<std::ptrdiff_t>(wholeEnd / 8),
                  marked ? std::uint8_t{0xFF} : std::uint8_t{0});
        i = wholeEnd;
    }
    for (; i < end; ++i) {
        setBit(i);
    }
}

bool MarkMap::isMarked(std::uint32_t index) const noexcept {
    return index < length_ && (bits_[index / 8] & (1u << (index % 8))) != 0;
}

}  // namespace veldrix
