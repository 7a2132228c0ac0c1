#pragma once
// One HEX or S-record line being written: its prefix, then each byte as two
// upper-case hex digits, keeping the sum that the checksums are made from.
// Lines end in CR LF, which readers on every platform accept.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "buffer/RecordBytes.h"

namespace veldrix {

class RecordLineBuilder {
public:
    // `prefix` is ":" or "S" and the type digit.
    explicit RecordLineBuilder(std::string_view prefix) noexcept;

    // Bytes past kMaxRecordBytes are dropped: no record holds more.
    void add(std::uint8_t value) noexcept;
    void add(std::span<const std::uint8_t> values) noexcept;
    // The low byte of the sum of every byte added so far.
    [[nodiscard]] std::uint8_t sum() const noexcept { return sum_; }

    void appendLineTo(std::string& out) const;

private:
    static constexpr std::size_t kMaxPrefix = 2;

    char text_[kMaxPrefix + 2 * kMaxRecordBytes];
    std::size_t length_ = 0;
    std::uint8_t sum_ = 0;
};

}  // namespace veldrix
