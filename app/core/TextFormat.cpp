#include "core/TextFormat.h"

#include <cstdio>
#include <vector>

namespace veldrix {

std::string formatLimitedV(std::size_t capacity, const char* format, va_list args) {
    if (format == nullptr || capacity == 0) {
        return {};
    }
    std::vector<char> buffer(capacity);
    const int written = std::vsnprintf(buffer.data(), capacity, format, args);
    if (written < 0) {
        return {};
    }
    return std::string(buffer.data());
}

std::string formatLimited(std::size_t capacity, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = formatLimitedV(capacity, format, args);
    va_end(args);
    return text;
}

}  // namespace veldrix
