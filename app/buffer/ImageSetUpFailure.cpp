#include "buffer/ImageSetUpFailure.h"

#include <cstdio>

#include "buffer/BufferAreas.h"
#include "buffer/DataBuffer.h"

namespace veldrix {

namespace {

// The field or pair of fields that reaches past the largest image.
std::string tooLargeText(const ImageSetUpFailure& failure) {
    char text[100];
    const auto limit = static_cast<unsigned long long>(DataBuffer::kMaxLength);
    if (failure.size > DataBuffer::kMaxLength) {
        std::snprintf(text, sizeof text, "No image: size 0x%X exceeds 0x%llX bytes", failure.size,
                      limit);
    } else if (areaEnd(failure.extofs, failure.extlen) > DataBuffer::kMaxLength) {
        std::snprintf(text, sizeof text, "No image: extofs 0x%X + extlen 0x%X exceed 0x%llX bytes",
                      failure.extofs, failure.extlen, limit);
    } else {
        std::snprintf(text, sizeof text, "No image: eepofs 0x%X + eeplen 0x%X exceed 0x%llX bytes",
                      failure.eepofs, failure.eeplen, limit);
    }
    return text;
}

}  // namespace

std::string noImageText(const std::optional<ImageSetUpFailure>& failure) {
    if (!failure) {
        return "No image: no chip is applied";
    }
    switch (failure->cause) {
        case ImageSetUpCause::NoLength:
            return "No image: the chip's size is 0";
        case ImageSetUpCause::TooLarge:
            return tooLargeText(*failure);
        case ImageSetUpCause::NoMemory:
            break;
    }
    char text[100];
    std::snprintf(text, sizeof text, "No image: no memory for 0x%llX bytes",
                  static_cast<unsigned long long>(failure->wanted));
    return text;
}

}  // namespace veldrix
