#pragma once
// An inclusive range of byte indexes, as the selection and the highlight are
// kept. 0xFFFFFFFF at either end means "none".

#include <algorithm>
#include <cstdint>

namespace veldrix {

inline constexpr std::uint32_t kNoIndex = 0xFFFFFFFF;

struct ByteRange {
    std::uint32_t start = kNoIndex;
    std::uint32_t end = kNoIndex;

    [[nodiscard]] constexpr bool isSet() const noexcept {
        return start != kNoIndex && end != kNoIndex;
    }
    [[nodiscard]] constexpr bool contains(std::uint32_t index) const noexcept {
        return isSet() && index >= start && index <= end;
    }
    // Number of bytes covered, 0 when unset.
    [[nodiscard]] constexpr std::uint64_t size() const noexcept {
        return isSet() ? std::uint64_t{end} - start + 1 : 0;
    }
    constexpr void clear() noexcept { *this = ByteRange{}; }

    // The range between two ends given in any order.
    [[nodiscard]] static constexpr ByteRange ordered(std::uint32_t a, std::uint32_t b) noexcept {
        return ByteRange{std::min(a, b), std::max(a, b)};
    }

    friend constexpr bool operator==(const ByteRange&, const ByteRange&) = default;
};

}  // namespace veldrix
