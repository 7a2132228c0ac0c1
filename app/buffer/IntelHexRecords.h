#pragma once
// Intel HEX record types and layout, for the reader and the writer.

#include <cstddef>
#include <cstdint>

namespace veldrix::intelhex {

enum RecordType : std::uint8_t {
    kData = 0x00,
    kEndOfFile = 0x01,
    kExtendedSegmentAddress = 0x02,  // base = value * 16; offsets wrap within 64 KB
    kStartSegmentAddress = 0x03,
    kExtendedLinearAddress = 0x04,  // base = value << 16
    kStartLinearAddress = 0x05,
};

// Byte count, two address bytes and the type come before the data; the
// checksum after it.
inline constexpr std::size_t kHeaderBytes = 4;
inline constexpr std::size_t kChecksumBytes = 1;
// Offsets are 16 bits: the span one base covers.
inline constexpr std::uint64_t kSegmentSize = 0x10000;

}  // namespace veldrix::intelhex
