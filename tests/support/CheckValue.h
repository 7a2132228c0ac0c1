#pragma once
// The usual check input of CRC algorithms and the program's CRC32 of it.

#include <cstdint>
#include <string_view>

namespace veldrix::test {

inline constexpr std::string_view kCheckDigits = "123456789";
// Not the complemented 0xCBF43926 of other tools: the program's check value
// skips the final inversion.
inline constexpr std::uint32_t kCheckDigitsCrc32 = 0x340BC6D9;
inline constexpr const char* kCheckDigitsCrc32Text = "CRC32: 340BC6D9";

}  // namespace veldrix::test
