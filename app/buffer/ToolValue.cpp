#include "buffer/ToolValue.h"

namespace veldrix {

namespace {

constexpr unsigned kMaxValue = 0xFF;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::optional<std::uint8_t> parseToolValue(const std::string& text) {
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && isBlank(text[first])) {
        ++first;
    }
    while (end > first && isBlank(text[end - 1])) {
        --end;
    }
    if (first == end) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (std::size_t i = first; i < end; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > kMaxValue) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint8_t>(value);
}

}  // namespace veldrix
