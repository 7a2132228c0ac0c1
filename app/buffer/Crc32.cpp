#include "buffer/Crc32.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>

namespace veldrix {

std::uint32_t uncomplementedCrc32(std::span<const std::uint8_t> bytes) {
    uLong crc = crc32(0L, Z_NULL, 0);
    // zlib takes at most 4 GiB - 1 bytes per call.
    constexpr std::size_t kChunk = 1u << 30;
    for (std::size_t done = 0; done < bytes.size(); done += kChunk) {
        const std::size_t n = std::min(kChunk, bytes.size() - done);
        crc = crc32(crc, bytes.data() + done, static_cast<uInt>(n));
    }
    return ~static_cast<std::uint32_t>(crc);
}

std::string crc32Text(std::uint32_t crc) {
    char text[24];
    std::snprintf(text, sizeof text, "CRC32: %08X", static_cast<unsigned>(crc));
    return text;
}

}  // namespace veldrix
