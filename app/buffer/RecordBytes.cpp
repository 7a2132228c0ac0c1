#include "buffer/RecordBytes.h"

namespace veldrix {

namespace {

constexpr std::uint8_t kNotADigit = 0xFF;

constexpr std::array<std::uint8_t, 256> kDigitValues = [] {
    std::array<std::uint8_t, 256> values{};
    values.fill(kNotADigit);
    for (int digit = 0; digit < 10; ++digit) {
        values['0' + digit] = static_cast<std::uint8_t>(digit);
    }
    for (int digit = 0; digit < 6; ++digit) {
        values['A' + digit] = static_cast<std::uint8_t>(10 + digit);
        values['a' + digit] = static_cast<std::uint8_t>(10 + digit);
    }
    return values;
}();

}  // namespace

std::optional<std::size_t> decodeRecordBytes(std::string_view digits,
                                             RecordByteArray& out) noexcept {
    if (digits.size() % 2 != 0 || digits.size() / 2 > out.size()) {
        return std::nullopt;
    }
    const std::size_t count = digits.size() / 2;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t high = kDigitValues[static_cast<unsigned char>(digits[2 * i])];
        const std::uint8_t low = kDigitValues[static_cast<unsigned char>(digits[2 * i + 1])];
        if ((high | low) > 0x0F) {  // either is kNotADigit
            return std::nullopt;
        }
        out[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return count;
}

std::uint8_t recordByteSum(const RecordByteArray& bytes, std::size_t count) noexcept {
    unsigned sum = 0;
    for (std::size_t i = 0; i < count && i < bytes.size(); ++i) {
        sum += bytes[i];
    }
    return static_cast<std::uint8_t>(sum);
}

}  // namespace veldrix
