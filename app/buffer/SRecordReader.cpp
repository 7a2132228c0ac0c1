#include "buffer/SRecordReader.h"

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "buffer/RecordBytes.h"
#include "buffer/RecordImage.h"
#include "buffer/RecordTextReader.h"

namespace veldrix {

namespace {

// What a record type's address field holds and how wide it is; S4 is reserved.
enum class FieldRole { Header, Data, Count, End, Reserved };

struct RecordKind {
    FieldRole role;
    std::size_t addressBytes;
};

constexpr RecordKind kindOf(char type) noexcept {
    switch (type) {
        case '0':
            return {FieldRole::Header, 2};
        case '1':
            return {FieldRole::Data, 2};
        case '2':
            return {FieldRole::Data, 3};
        case '3':
            return {FieldRole::Data, 4};
        case '5':
            return {FieldRole::Count, 2};
        case '6':
            return {FieldRole::Count, 3};
        case '7':
            return {FieldRole::End, 4};
        case '8':
            return {FieldRole::End, 3};
        case '9':
            return {FieldRole::End, 2};
        default:
            return {FieldRole::Reserved, 0};
    }
}

// The byte count that precedes the address; the checksum follows the data.
constexpr std::size_t kCountBytes = 1;
constexpr std::size_t kChecksumBytes = 1;
// Count, address, data and checksum add up to this when the checksum is right.
constexpr std::uint8_t kGoodSum = 0xFF;

class SRecordParser {
public:
    SRecordParser(std::size_t imageLength, ImageExtent extent) : image_(imageLength, extent) {}

    // Takes one non-blank line; an error, or nothing to go on.
    [[nodiscard]] std::optional<ImageFileError> take(std::string_view line, std::size_t number) {
        const auto malformed = ImageFileError{ImageFileFault::Malformed, number};
        if (line.size() < 2 || line[0] != 'S') {
            return malformed;
        }
        const RecordKind kind = kindOf(line[1]);
        const std::optional<std::size_t> count = decodeRecordBytes(line.substr(2), bytes_);
        const std::size_t fieldBytes = kCountBytes + kind.addressBytes + kChecksumBytes;
        if (kind.role == FieldRole::Reserved || !count || *count < fieldBytes ||
            *count != kCountBytes + bytes_[0]) {
            return malformed;
        }
        if (recordByteSum(bytes_, *count) != kGoodSum) {
            return ImageFileError{ImageFileFault::Checksum, number};
        }
        std::uint64_t address = 0;
        for (std::size_t i = 0; i < kind.addressBytes; ++i) {
            address = address << 8 | bytes_[kCountBytes + i];
        }
        const std::span<const std::uint8_t> data(bytes_.data() + kCountBytes + kind.addressBytes,
                                                 *count - fieldBytes);
        switch (kind.role) {
            case FieldRole::Data:
                ++dataRecords_;
                return image_.place(address, data, number);
            case FieldRole::Count:
                if (!data.empty()) {
                    return malformed;
                }
                if (address != dataRecords_) {
                    return ImageFileError{ImageFileFault::RecordCount, number};
                }
                return std::nullopt;
            case FieldRole::End:
                if (!data.empty()) {
                    return malformed;
                }
                ended_ = true;
                return std::nullopt;
            default:
                return std::nullopt;  // the header's text means nothing to the image
        }
    }

    [[nodiscard]] bool ended() const noexcept { return ended_; }
    [[nodiscard]] std::vector<std::uint8_t> take() && { return std::move(image_).take(); }

private:
    RecordImage image_;
    RecordByteArray bytes_{};
    std::uint64_t dataRecords_ = 0;
    bool ended_ = false;
};

}  // namespace

ImageReadResult readSRecord(std::string_view text, std::size_t imageLength, ImageExtent extent) {
    return readRecordText<SRecordParser>(text, imageLength, extent);
}

}  // namespace veldrix
