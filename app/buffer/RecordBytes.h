#pragma once
// The bytes a record line spells in hex digit pairs, shared by the HEX and
// S-record readers and by format detection.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace veldrix {

// A byte count of 255 plus the address, type and checksum bytes around it.
inline constexpr std::size_t kMaxRecordBytes = 260;

using RecordByteArray = std::array<std::uint8_t, kMaxRecordBytes>;

// Decodes `digits` (upper- or lower-case hex, in pairs) into `out`; the
// number of bytes, or nothing for an odd count, another character or more
// than kMaxRecordBytes bytes.
[[nodiscard]] std::optional<std::size_t> decodeRecordBytes(std::string_view digits,
                                                           RecordByteArray& out) noexcept;

// The low byte of the sum of `count` bytes, which both checksums are made of.
[[nodiscard]] std::uint8_t recordByteSum(const RecordByteArray& bytes, std::size_t count) noexcept;

}  // namespace veldrix
