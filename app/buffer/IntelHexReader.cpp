#include "buffer/IntelHexReader.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "buffer/IntelHexRecords.h"
#include "buffer/RecordBytes.h"
#include "buffer/RecordImage.h"
#include "buffer/RecordTextReader.h"

namespace veldrix {

namespace {

using namespace intelhex;

// The fixed data length of each record type other than data.
constexpr std::size_t dataLengthOf(std::uint8_t type) noexcept {
    switch (type) {
        case kEndOfFile:
            return 0;
        case kExtendedSegmentAddress:
        case kExtendedLinearAddress:
            return 2;
        default:
            return 4;
    }
}

class IntelHexParser {
public:
    IntelHexParser(std::size_t imageLength, ImageExtent extent) : image_(imageLength, extent) {}

    // Takes one non-blank line; an error, or nothing to go on.
    [[nodiscard]] std::optional<ImageFileError> take(std::string_view line, std::size_t number) {
        const auto malformed = ImageFileError{ImageFileFault::Malformed, number};
        if (line.front() != ':') {
            return malformed;
        }
        const std::optional<std::size_t> count = decodeRecordBytes(line.substr(1), bytes_);
        if (!count || *count < kHeaderBytes + kChecksumBytes ||
            *count != kHeaderBytes + bytes_[0] + kChecksumBytes) {
            return malformed;
        }
        if (recordByteSum(bytes_, *count) != 0) {
            return ImageFileError{ImageFileFault::Checksum, number};
        }
        const std::uint8_t type = bytes_[3];
        const std::uint32_t offset = std::uint32_t{bytes_[1]} << 8 | bytes_[2];
        const std::span<const std::uint8_t> data(bytes_.data() + kHeaderBytes, bytes_[0]);
        if (type == kData) {
            return placeData(offset, data, number);
        }
        if (type > kStartLinearAddress || data.size() != dataLengthOf(type)) {
            return malformed;
        }
        if (type == kEndOfFile) {
            ended_ = true;
        } else if (type == kExtendedSegmentAddress || type == kExtendedLinearAddress) {
            const std::uint64_t value = std::uint64_t{data[0]} << 8 | data[1];
            segmented_ = type == kExtendedSegmentAddress;
            base_ = segmented_ ? value << 4 : value << 16;
        }
        return std::nullopt;
    }

    [[nodiscard]] bool ended() const noexcept { return ended_; }
    [[nodiscard]] std::vector<std::uint8_t> take() && { return std::move(image_).take(); }

private:
    [[nodiscard]] std::optional<ImageFileError> placeData(std::uint32_t offset,
                                                          std::span<const std::uint8_t> data,
                                                          std::size_t number) {
        if (!segmented_) {
            return image_.place(base_ + offset, data, number);
        }
        // A segment's offsets wrap: what passes FFFF goes on at the segment's start.
        const std::size_t first = std::min<std::uint64_t>(data.size(), kSegmentSize - offset);
        if (auto error = image_.place(base_ + offset, data.first(first), number)) {
            return error;
        }
        return image_.place(base_, data.subspan(first), number);
    }

    RecordImage image_;
    RecordByteArray bytes_{};
    std::uint64_t base_ = 0;
    bool segmented_ = false;
    bool ended_ = false;
};

}  // namespace

ImageReadResult readIntelHex(std::string_view text, std::size_t imageLength, ImageExtent extent) {
    return readRecordText<IntelHexParser>(text, imageLength, extent);
}

}  // namespace veldrix
