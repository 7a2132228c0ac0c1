// Reads arbitrary bytes as a numeric constant and checks what every reading
// must satisfy.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "catalog/ParseNumber.h"

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool isDecimal(const std::string& text) {
    if (text.empty() || text.size() > 9) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const char* const begin = text.c_str();
    const std::size_t length = std::strlen(begin);  // an embedded NUL ends the text

    const char* end = nullptr;
    bool error = true;
    int messages = 0;
    const std::uint32_t value =
        veldrix::ParseNumber(begin, &end, &error, [&](const std::string& m) {
            ++messages;
            require(m.find(begin) != std::string::npos);
        });

    require(end >= begin && end <= begin + length);
    require(messages <= 1);
    if (error) {
        require(value == 0);
        require(messages == 0);
    }
    if (isDecimal(text)) {
        require(!error && messages == 0);
        require(value == std::strtoul(begin, nullptr, 10));
        require(end == begin + length);
    }

    // The optional outputs change nothing about the value.
    require(veldrix::ParseNumber(begin) == value);
    return 0;
}
