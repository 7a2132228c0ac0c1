#include "catalog/ParseNumber.h"

#include <cstddef>

namespace veldrix {

namespace {

constexpr unsigned kNotADigit = 36;

bool isBlank(char c) noexcept {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isAsciiLetter(char c) noexcept {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Letters k, m and x are scale and width separators ("32K", "1M", "8192x16"),
// so they end a constant instead of belonging to it.
bool endsConstant(char c) noexcept {
    return c == 'k' || c == 'K' || c == 'm' || c == 'M' || c == 'x' || c == 'X';
}

bool belongsToConstant(char c) noexcept {
    if (endsConstant(c)) {
        return false;
    }
    return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '$';
}

unsigned digitValue(char c) noexcept {
    if (c >= '0' && c <= '9') {
        return static_cast<unsigned>(c - '0');
    }
    if (c >= 'A' && c <= 'Z') {
        return static_cast<unsigned>(c - 'A') + 10;
    }
    if (c >= 'a' && c <= 'z') {
        return static_cast<unsigned>(c - 'a') + 10;
    }
    return kNotADigit;
}

// The base that a constant's last character selects; 0 when it is an
// ordinary digit and the constant is decimal.
unsigned suffixBase(char c) noexcept {
    switch (c) {
        case 'H':
        case 'h':
            return 16;
        case 'Q':
        case 'q':
        case 'O':
        case 'o':
            return 8;
        case 'B':
        case 'b':
            return 2;
        default:
            return 0;
    }
}

}  // namespace

std::uint32_t ParseNumber(const char* text, const char** end, bool* error,
                          const MessageSink& report) {
    if (error != nullptr) {
        *error = false;
    }
    if (text == nullptr) {
        if (end != nullptr) {
            *end = text;
        }
        if (error != nullptr) {
            *error = true;
        }
        return 0;
    }

    const char* p = text;
    while (isBlank(*p)) {
        ++p;
    }
    const bool negative = *p == '-';
    if (negative) {
        ++p;
    }

    unsigned base = 10;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        base = 16;
        p += 2;
    } else if (p[0] == '$') {
        base = 16;
        p += 1;
    }
    const char* const digitsBegin = p;
    while (belongsToConstant(*p)) {
        ++p;
    }
    const char* const constantEnd = p;
    const char* digitsEnd = constantEnd;
    if (base == 10 && digitsEnd != digitsBegin) {
        const unsigned chosen = suffixBase(digitsEnd[-1]);
        if (chosen != 0) {
            base = chosen;
            --digitsEnd;
        }
    }
    if (end != nullptr) {
        *end = constantEnd;
    }

    bool malformed = digitsBegin == digitsEnd;
    bool tooLarge = false;
    std::uint32_t value = 0;
    for (const char* d = digitsBegin; d != digitsEnd; ++d) {
        const unsigned digit = digitValue(*d);
        if (digit >= base) {
            malformed = true;
            break;
        }
        const std::uint64_t next = std::uint64_t{value} * base + digit;
        if (next > 0xFFFFFFFFu) {
            tooLarge = true;
        }
        value = static_cast<std::uint32_t>(next);
    }
    if (malformed) {
        if (error != nullptr) {
            *error = true;
        }
        return 0;
    }
    if (tooLarge && report) {
        report(std::string("numeric constant ") + text + " does not fit in 32 bits");
    }
    return negative ? 0u - value : value;
}

}  // namespace veldrix
