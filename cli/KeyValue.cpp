#include "KeyValue.h"

#include <algorithm>

#include "catalog/ParseNumber.h"

namespace veldrix::cli {
namespace {

char upper(char kind) noexcept {
    return kind >= 'a' && kind <= 'z' ? static_cast<char>(kind - 'a' + 'A') : kind;
}

// One whole constant as ParseNumber reads it, nothing after it, no overflow.
std::optional<std::uint32_t> wholeConstant(const std::string& text) {
    const char* end = nullptr;
    bool malformed = false;
    bool tooLarge = false;
    const std::uint32_t value = ParseNumber(text.c_str(), &end, &malformed,
                                            [&tooLarge](const std::string&) { tooLarge = true; });
    if (malformed || tooLarge || end != text.c_str() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<std::uint32_t> parseKeyValue(char kind, const std::string& text) {
    switch (upper(kind)) {
        case 'B': {
            // The key table takes the digits as binary whatever they are, so
            // "12" would be read as a malformed constant, that is 0.
            const bool binary = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
                return c == '0' || c == '1';
            });
            return binary ? wholeConstant(text + "B") : std::nullopt;
        }
        case 'D':
        case 'H':
            return wholeConstant(text);
        default:
            return std::nullopt;
    }
}

std::string keyValueForm(char kind) {
    switch (upper(kind)) {
        case 'B':
            return "binary digits, at most 32";
        case 'D':
        case 'H':
            return "a number that fits in 32 bits (31, 0x1F, 1Fh or $1F)";
        default:
            return "no value: the key's kind cannot be set";
    }
}

}  // namespace veldrix::cli
