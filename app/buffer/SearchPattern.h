#pragma once
// What the editor's Find looks for: hex bytes ("DE AD BE EF", pairs may run
// together as in "DEADBEEF") or the bytes of a text.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veldrix {

enum class PatternKind { HexBytes, Text };

enum class PatternFault {
    Empty,         // nothing to search for
    NotAHexDigit,  // at `position`
    OddDigits,     // the group starting at `position` has an odd number of digits
};

struct PatternError {
    PatternFault fault;
    std::size_t position = 0;  // 0-based, in the text as typed

    friend bool operator==(const PatternError&, const PatternError&) = default;
};

struct SearchPattern {
    std::vector<std::uint8_t> bytes;  // empty when error is set
    std::optional<PatternError> error;
};

[[nodiscard]] SearchPattern parseSearchPattern(std::string_view text, PatternKind kind);

// "Not a hex digit at position 6" and the like; positions counted from 1.
[[nodiscard]] std::string patternErrorText(const PatternError& error);

}  // namespace veldrix
