#include "catalog/KeyValue.h"

#include <algorithm>

#include "catalog/WholeNumber.h"
#include "core/TextFormat.h"

namespace veldrix {
namespace {

// Longest text of a value: 32 binary digits.
constexpr std::size_t kTextCapacity = 64;

char upper(char kind) noexcept {
    return kind >= 'a' && kind <= 'z' ? static_cast<char>(kind - 'a' + 'A') : kind;
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
            return binary ? parseWholeNumber(text + "B") : std::nullopt;
        }
        case 'D':
        case 'H':
            return parseWholeNumber(text);
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

std::string keyValueText(char kind, std::uint32_t value) {
    switch (upper(kind)) {
        case 'B': {
            std::string digits;
            do {
                digits.insert(digits.begin(), static_cast<char>('0' + (value & 1u)));
                value >>= 1;
            } while (value != 0);
            return digits;
        }
        case 'D':
            return formatLimited(kTextCapacity, "%i", static_cast<int>(value));
        case 'H':
            return formatLimited(kTextCapacity, "0x%X", value);
        default:
            return {};
    }
}

}  // namespace veldrix
