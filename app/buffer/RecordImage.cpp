#include "buffer/RecordImage.h"

namespace veldrix {

RecordImage::RecordImage(std::size_t length)
    : image_(length, kErasedValue), covered_((length + 63) / 64, 0) {}

std::optional<ImageFileError> RecordImage::place(std::uint64_t address,
                                                 std::span<const std::uint8_t> bytes,
                                                 std::size_t line) {
    if (bytes.empty()) {
        return std::nullopt;
    }
    if (address >= image_.size() || bytes.size() > image_.size() - address) {
        // The first byte that has no place in the image.
        const std::uint64_t outside = address >= image_.size() ? address : image_.size();
        return ImageFileError{ImageFileFault::BeyondImage, line, outside};
    }
    const auto start = static_cast<std::size_t>(address);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t index = start + i;
        if (covered(index) && image_[index] != bytes[i]) {
            return ImageFileError{ImageFileFault::Overlap, line, address + i};
        }
        image_[index] = bytes[i];
        covered_[index / 64] |= std::uint64_t{1} << (index % 64);
    }
    return std::nullopt;
}

}  // namespace veldrix
