#include "buffer/RecordLineBuilder.h"

#include <algorithm>

namespace veldrix {

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

}  // namespace

RecordLineBuilder::RecordLineBuilder(std::string_view prefix) noexcept
    : length_(std::min(prefix.size(), kMaxPrefix)) {
    std::copy_n(prefix.begin(), length_, text_);
}

void RecordLineBuilder::add(std::uint8_t value) noexcept {
    if (length_ + 2 > sizeof text_) {
        return;
    }
    text_[length_++] = kDigits[value >> 4];
    text_[length_++] = kDigits[value & 0x0F];
    sum_ = static_cast<std::uint8_t>(sum_ + value);
}

void RecordLineBuilder::add(std::span<const std::uint8_t> values) noexcept {
    for (const std::uint8_t value : values) {
        add(value);
    }
}

void RecordLineBuilder::appendLineTo(std::string& out) const {
    out.append(text_, length_);
    out += "\r\n";
}

}  // namespace veldrix
