#pragma once
// Configuration key values as the user types and reads them: checked whole
// before they reach the key table, where a malformed text would silently
// become 0, and shown in the form of the key's kind. Shared by the Advanced
// Options dialog and veldrix-cli's --key.

#include <cstdint>
#include <optional>
#include <string>

namespace veldrix {

// The value of `text` for a key of kind letter `kind`: binary digits for
// "B"/"b" keys, one whole constant for "D"/"d" and "H"/"h" keys. Empty when
// the text is no such value or the kind takes no typed value.
[[nodiscard]] std::optional<std::uint32_t> parseKeyValue(char kind, const std::string& text);

// What a key of `kind` accepts, for the error message.
[[nodiscard]] std::string keyValueForm(char kind);

// The edit text of a value in the form of its kind: binary digits without
// leading zeros, "%i", "0x%X", or empty for an unknown kind.
[[nodiscard]] std::string keyValueText(char kind, std::uint32_t value);

}  // namespace veldrix
