#pragma once
// Comparing names without regard to ASCII case, as the configuration file's
// key words and the simulator's module names are compared. Bytes outside
// A-Z compare as they are, whatever the locale.

#include <cstddef>
#include <string_view>

namespace veldrix {

[[nodiscard]] constexpr char asciiLower(char c) noexcept {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

[[nodiscard]] constexpr bool equalsIgnoringAsciiCase(std::string_view a,
                                                     std::string_view b) noexcept {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace veldrix
