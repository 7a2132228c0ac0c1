#pragma once
// The image a HEX or S-record file is read into. Bytes no record gives keep
// the erased value 0xFF; a byte may be given again only with the same value.
// It grows as bytes are placed, so a file that gives few bytes of a large
// image costs little until the image is taken.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "buffer/ImageFileError.h"

namespace veldrix {

class RecordImage {
public:
    static constexpr std::uint8_t kErasedValue = 0xFF;

    // Bytes may be placed below `length`.
    RecordImage(std::size_t length, ImageExtent extent);

    // Puts `bytes` at `address`, or gives a BeyondImage or Overlap error
    // naming `line` (after which the image is of no use).
    [[nodiscard]] std::optional<ImageFileError> place(std::uint64_t address,
                                                      std::span<const std::uint8_t> bytes,
                                                      std::size_t line);

    // `length` bytes, or up to the last byte placed, as the extent says.
    [[nodiscard]] std::vector<std::uint8_t> take() &&;

private:
    [[nodiscard]] bool covered(std::size_t index) const noexcept {
        return (covered_[index / 64] >> (index % 64) & 1u) != 0;
    }

    std::size_t length_;
    ImageExtent extent_;
    std::vector<std::uint8_t> image_;     // up to the last byte placed
    std::vector<std::uint64_t> covered_;  // one bit per byte of image_
};

}  // namespace veldrix
