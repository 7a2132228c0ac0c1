#include "buffer/ByteSearch.h"

#include <algorithm>
#include <functional>
#include <iterator>

namespace veldrix {

namespace {

using Bytes = std::span<const std::uint8_t>;

// The bytes that matches starting in [begin, end) lie in; nothing when no
// match fits there.
std::optional<Bytes> matchRegion(Bytes data, Bytes pattern, std::size_t begin, std::size_t end) {
    const std::size_t stop = std::min(data.size(), end + pattern.size() - 1);
    if (begin >= end || stop < begin + pattern.size()) {
        return std::nullopt;
    }
    return data.subspan(begin, stop - begin);
}

// Offset of the first match that starts in [begin, end), or nothing.
// Boyer-Moore keeps even long text patterns linear in the data.
std::optional<std::size_t> firstMatch(Bytes data, Bytes pattern, std::size_t begin,
                                      std::size_t end) {
    const auto region = matchRegion(data, pattern, begin, end);
    if (!region) {
        return std::nullopt;
    }
    const auto found = std::search(region->begin(), region->end(),
                                   std::boyer_moore_searcher(pattern.begin(), pattern.end()));
    if (found == region->end()) {
        return std::nullopt;
    }
    return begin + static_cast<std::size_t>(found - region->begin());
}

// Offset of the last match that starts in [begin, end), or nothing: the
// reversed pattern searched in the reversed region->
std::optional<std::size_t> lastMatch(Bytes data, Bytes pattern, std::size_t begin,
                                     std::size_t end) {
    const auto region = matchRegion(data, pattern, begin, end);
    if (!region) {
        return std::nullopt;
    }
    const auto found = std::search(region->rbegin(), region->rend(),
                                   std::boyer_moore_searcher(pattern.rbegin(), pattern.rend()));
    if (found == region->rend()) {
        return std::nullopt;
    }
    // found.base() is just past the match's last byte.
    return begin + static_cast<std::size_t>(found.base() - region->begin()) - pattern.size();
}

}  // namespace

std::optional<SearchHit> findPattern(Bytes data, Bytes pattern, std::size_t from,
                                     SearchDirection direction) {
    if (pattern.empty()) {
        return std::nullopt;
    }
    from = std::min(from, data.size());
    if (direction == SearchDirection::Forward) {
        if (const auto offset = firstMatch(data, pattern, from, data.size())) {
            return SearchHit{*offset, false};
        }
        if (const auto offset = firstMatch(data, pattern, 0, from)) {
            return SearchHit{*offset, true};
        }
        return std::nullopt;
    }
    if (const auto offset = lastMatch(data, pattern, 0, from)) {
        return SearchHit{*offset, false};
    }
    if (const auto offset = lastMatch(data, pattern, from, data.size())) {
        return SearchHit{*offset, true};
    }
    return std::nullopt;
}

}  // namespace veldrix
