#include "hexedit/HexRowText.h"

#include <algorithm>

namespace veldrix {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void putPair(std::uint8_t value, char* at) {
    at[0] = kHexDigits[value >> 4];
    at[1] = kHexDigits[value & 0x0F];
}

}  // namespace

std::string_view formatAddress(std::uint32_t value, std::uint32_t digits, AddressBuffer& out) {
    constexpr std::size_t kValueDigits = 8;
    const std::size_t width = std::min<std::size_t>(digits, out.size() - 1);
    std::size_t needed = 1;
    while (needed < kValueDigits && (value >> (4 * needed)) != 0) {
        ++needed;
    }
    const std::size_t length = std::max(width, needed);
    for (std::size_t i = 0; i < length; ++i) {
        const std::size_t shift = 4 * i;
        out[length - 1 - i] = shift < 32 ? kHexDigits[(value >> shift) & 0x0F] : '0';
    }
    return std::string_view(out.data(), length);
}

std::string_view formatHexRow(std::span<const std::uint8_t> bytes, HexRowBuffer& out) {
    const std::size_t count = std::min(bytes.size(), (out.size() + 1) / 3);
    if (count == 0) {
        return {};
    }
    for (std::size_t i = 0; i < count; ++i) {
        putPair(bytes[i], &out[3 * i]);
        if (i + 1 < count) {
            out[3 * i + 2] = ' ';
        }
    }
    return std::string_view(out.data(), 3 * count - 1);
}

std::string_view formatAsciiRow(std::span<const std::uint8_t> bytes, AsciiRowBuffer& out) {
    const std::size_t count = std::min(bytes.size(), out.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t b = bytes[i];
        out[i] = b >= 0x20 && b <= 0x7E ? static_cast<char>(b) : '.';
    }
    return std::string_view(out.data(), count);
}

std::string_view formatHexHeader(std::uint32_t rowWidth, HexRowBuffer& out) {
    std::array<std::uint8_t, (std::tuple_size_v<HexRowBuffer> + 1) / 3> columns{};
    const std::size_t count = std::min<std::size_t>(rowWidth, columns.size());
    for (std::size_t i = 0; i < count; ++i) {
        columns[i] = static_cast<std::uint8_t>(i);
    }
    return formatHexRow(std::span(columns.data(), count), out);
}

std::string_view asciiHeader(std::uint32_t rowWidth) {
    constexpr std::string_view kHeader = "0123456789ABCDEF";
    return kHeader.substr(0, std::min<std::size_t>(rowWidth, kHeader.size()));
}

}  // namespace veldrix
