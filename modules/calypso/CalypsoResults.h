#pragma once
// calypso's own result codes besides those of the call block header.

#include <cstdint>

namespace veldrix::calypso {

// Blank check found a byte that is not erased; erraddr holds its address.
inline constexpr std::int32_t kNotBlank = 1;
// The insertion test found the data lines following the bias: no chip.
inline constexpr std::int32_t kNoChipInserted = 1;

}  // namespace veldrix::calypso
