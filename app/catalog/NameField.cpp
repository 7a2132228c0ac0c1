#include "catalog/NameField.h"

#include <algorithm>
#include <cstring>

namespace veldrix {

namespace {

bool isPrintableAscii(char c) noexcept {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte < 0x80;
}

}  // namespace

void NameField::assign(std::string_view text) noexcept {
    const std::size_t length = std::min(text.size(), kMaxLength);
    if (length != 0) {
        std::memcpy(text_, text.data(), length);
    }
    std::memset(text_ + length, 0, kSize - length);
}

void NameField::assignPrintable(std::string_view text) noexcept {
    const std::size_t limit = std::min(text.size(), kMaxLength);
    std::size_t length = 0;
    while (length < limit && isPrintableAscii(text[length])) {
        ++length;
    }
    assign(text.substr(0, length));
}

void NameField::clear() noexcept {
    std::memset(text_, 0, kSize);
}

std::string_view NameField::view() const noexcept {
    return {text_, ::strnlen(text_, kSize)};
}

}  // namespace veldrix
