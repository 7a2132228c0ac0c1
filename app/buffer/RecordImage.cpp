#include "buffer/RecordImage.h"

namespace veldrix {

RecordImage::RecordImage(std::size_t length, ImageExtent extent)
    : length_(length), extent_(extent) {}

std::optional<ImageFileError> RecordImage::place(std::uint64_t address,
                                                 std::span<const std::uint8_t> bytes,
                                                 std::size_t line) {
    if (bytes.empty()) {
        return std::nullopt;
    }
    if (address >= length_ || bytes.size() > length_ - address) {
        // The first byte that has no place in the image.
        const std::uint64_t outside = address >= length_ ? address : length_;
        return ImageFileError{ImageFileFault::BeyondImage, line, outside};
    }
    const auto start = static_cast<std::size_t>(address);
    const std::size_t end = start + bytes.size();
    if (end > image_.size()) {
        // Records mostly come in address order: growing by what each adds
        // stays linear, as the vector grows its capacity geometrically.
        image_.resize(end, kErasedValue);
        covered_.resize((end + 63) / 64, 0);
    }
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

std::vector<std::uint8_t> RecordImage::take() && {
    if (extent_ == ImageExtent::Whole) {
        image_.resize(length_, kErasedValue);
    }
    return std::move(image_);
}

}  // namespace veldrix
