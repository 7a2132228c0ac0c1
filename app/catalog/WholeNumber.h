#pragma once
// A text that must be one numeric constant and nothing else, as option edits
// and address entries take it.

#include <cstdint>
#include <optional>
#include <string_view>

namespace veldrix {

// The value of `text` when ParseNumber reads all of it as one constant
// (leading blanks and a "-" allowed) that fits in 32 bits; nothing for
// anything else, where ParseNumber alone would give 0, stop early or keep
// only the low bits.
[[nodiscard]] std::optional<std::uint32_t> parseWholeNumber(std::string_view text);

}  // namespace veldrix
