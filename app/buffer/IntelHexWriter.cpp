#include "buffer/IntelHexWriter.h"

#include <algorithm>
#include <cstddef>

#include "buffer/IntelHexRecords.h"
#include "buffer/RecordLineBuilder.h"

namespace veldrix {

namespace {

using namespace intelhex;

constexpr std::size_t kBytesPerRecord = 16;
// ":" + 2 * (header, 16 data bytes, checksum) + CR LF.
constexpr std::size_t kCharsPerRecord =
    1 + 2 * (kHeaderBytes + kBytesPerRecord + kChecksumBytes) + 2;

void appendRecord(std::string& out, std::uint16_t offset, RecordType type,
                  std::span<const std::uint8_t> data) {
    RecordLineBuilder record(":");
    record.add(static_cast<std::uint8_t>(data.size()));
    record.add(static_cast<std::uint8_t>(offset >> 8));
    record.add(static_cast<std::uint8_t>(offset));
    record.add(type);
    record.add(data);
    record.add(static_cast<std::uint8_t>(0x100 - record.sum()));
    record.appendLineTo(out);
}

}  // namespace

std::string writeIntelHex(std::span<const std::uint8_t> image) {
    std::string text;
    text.reserve((image.size() / kBytesPerRecord + 1) * kCharsPerRecord +
                 (image.size() / kSegmentSize + 1) * kCharsPerRecord);
    std::uint64_t currentSegment = 0;
    for (std::size_t address = 0; address < image.size(); address += kBytesPerRecord) {
        const std::uint64_t segment = address / kSegmentSize;
        if (segment != currentSegment) {
            const std::uint8_t value[] = {static_cast<std::uint8_t>(segment >> 8),
                                          static_cast<std::uint8_t>(segment)};
            appendRecord(text, 0, kExtendedLinearAddress, value);
            currentSegment = segment;
        }
        const std::size_t length = std::min(kBytesPerRecord, image.size() - address);
        appendRecord(text, static_cast<std::uint16_t>(address % kSegmentSize), kData,
                     image.subspan(address, length));
    }
    appendRecord(text, 0, kEndOfFile, {});
    return text;
}

}  // namespace veldrix
