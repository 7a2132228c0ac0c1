#pragma once
// Why the data buffer holds no image of the applied chip, as a value: the
// operations refuse while it has none and name the cause, taken from the
// call block's dimensions that SetBuffers was given.

#include <cstdint>
#include <optional>
#include <string>

namespace veldrix {

enum class ImageSetUpCause {
    NoLength,  // size and every area are 0
    TooLarge,  // the size or an area ends beyond the largest image
    NoMemory,  // the image could not be allocated
};

struct ImageSetUpFailure {
    ImageSetUpCause cause = ImageSetUpCause::NoLength;
    // The call block's fields when the image was asked for, in bytes.
    std::uint32_t size = 0;
    std::uint32_t extofs = 0;
    std::uint32_t extlen = 0;
    std::uint32_t eepofs = 0;
    std::uint32_t eeplen = 0;
    std::uint64_t wanted = 0;  // bytes the image would have needed
};

// "No image: ..." with the cause and the fields behind it; without a
// failure, no chip has been applied. At most 99 characters (a status text).
[[nodiscard]] std::string noImageText(const std::optional<ImageSetUpFailure>& failure);

}  // namespace veldrix
