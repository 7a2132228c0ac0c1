#include "core/TextFormat.h"

#include <cstdio>
#include <vector>

namespace veldrix {

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

void cutToFit(std::string& text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return;
    }
    std::size_t end = maxBytes;
    // A cut in front of a continuation byte splits a character: drop its
    // already-kept bytes too, lead byte included.
    while (end > 0 && isContinuationByte(text[end])) {
        --end;
    }
    text.resize(end);
}

std::string formatLimitedV(std::size_t capacity, const char* format, va_list args) {
    if (format == nullptr || capacity == 0) {
        return {};
    }
    va_list measure;
    va_copy(measure, args);
    const int needed = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (needed < 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<std::size_t>(needed) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    std::string text(buffer.data());
    cutToFit(text, capacity - 1);
    return text;
}

std::string formatLimited(std::size_t capacity, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = formatLimitedV(capacity, format, args);
    va_end(args);
    return text;
}

}  // namespace veldrix
