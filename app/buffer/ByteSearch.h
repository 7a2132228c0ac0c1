#pragma once
// Find next and previous in the data buffer, wrapping around its ends.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace veldrix {

enum class SearchDirection { Forward, Backward };

struct SearchHit {
    std::size_t offset;  // of the first byte of the match
    bool wrapped;        // found only after going round the end (or the start)

    friend bool operator==(const SearchHit&, const SearchHit&) = default;
};

// Forward: the first match starting at `from` or later, else the first one
// from the start. Backward: the last match starting before `from`, else the
// last one from the end. Nothing when the data hold no match at all (or the
// pattern is empty).
[[nodiscard]] std::optional<SearchHit> findPattern(std::span<const std::uint8_t> data,
                                                   std::span<const std::uint8_t> pattern,
                                                   std::size_t from, SearchDirection direction);

}  // namespace veldrix
