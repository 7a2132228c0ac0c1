#pragma once
// The one-byte value that Fill buffer and Xor buffer ask for, as typed.

#include <cstdint>
#include <optional>
#include <string>

namespace veldrix {

// Shown when a typed value is refused; the dialog stays open.
inline constexpr const char* kToolValueRefused = "Please enter a whole number from 0 to 255.";

// An unsigned decimal number from 0 to 255, blanks around it allowed;
// nothing for anything else ("256", "FF", "-1", an empty text).
[[nodiscard]] std::optional<std::uint8_t> parseToolValue(const std::string& text);

}  // namespace veldrix
