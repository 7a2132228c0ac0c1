#pragma once
// Ends of the image's areas, in bytes from the image start. The call block
// holds offsets and lengths as 32-bit values chosen by modules; their sums
// are taken in 64 bits so that an area reaching past 4 GiB never wraps to a
// small end.

#include <algorithm>
#include <cstdint>

#include "dlldata.h"

namespace veldrix {

[[nodiscard]] constexpr std::uint64_t areaEnd(std::uint32_t offset, std::uint32_t length) noexcept {
    return std::uint64_t{offset} + length;
}

// max(size, extofs + extlen, eepofs + eeplen): what the image must hold, and
// what a buffer file holds.
[[nodiscard]] constexpr std::uint64_t requiredImageLength(const dlldata& block) noexcept {
    return std::max({std::uint64_t{block.size}, areaEnd(block.extofs, block.extlen),
                     areaEnd(block.eepofs, block.eeplen)});
}

// True when [offset, offset + length) lies inside an image of `imageLength` bytes.
[[nodiscard]] constexpr bool areaFits(std::uint32_t offset, std::uint32_t length,
                                      std::uint64_t imageLength) noexcept {
    return areaEnd(offset, length) <= imageLength;
}

}  // namespace veldrix
