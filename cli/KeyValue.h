#pragma once
// The value given to a configuration key with --key: checked whole before
// it reaches the key table, where a malformed text would silently become 0.

#include <cstdint>
#include <optional>
#include <string>

namespace veldrix::cli {

// The value of `text` for a key of kind letter `kind`: binary digits for
// "B"/"b" keys, any numeric constant of the configuration files for "D"/"d"
// and "H"/"h" keys (decimal, 0x1F, 1Fh, $1F, a leading "-"). Empty when the
// text is not one whole constant, does not fit in 32 bits, or the kind takes
// no typed value.
[[nodiscard]] std::optional<std::uint32_t> parseKeyValue(char kind, const std::string& text);

// What a key of `kind` accepts, for the error message.
[[nodiscard]] std::string keyValueForm(char kind);

}  // namespace veldrix::cli
