#pragma once
// What every reading of a HEX or S-record text must satisfy, whatever the
// text: the first two input bytes choose the image length, the rest is the
// file.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "buffer/ImageFileError.h"
#include "buffer/ImageFormat.h"

namespace fuzzing {

inline void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

template <typename Read, typename Write>
void checkImageReader(const std::uint8_t* data, std::size_t size, veldrix::ImageFormat format,
                      Read read, Write write) {
    if (size < 2) {
        return;
    }
    const std::size_t length = std::size_t{data[0]} << 8 | data[1];
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    const veldrix::ImageReadResult result = read(text, length, veldrix::ImageExtent::Whole);
    // The file's own image is the chip's image up to the last byte given:
    // the same verdict, and erased bytes after it.
    const veldrix::ImageReadResult own = read(text, length, veldrix::ImageExtent::LastByte);
    require(own.error == result.error);
    if (!result.ok()) {
        require(result.image.empty());
        const std::size_t lines =
            static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
        require(result.error->line >= 1 && result.error->line <= lines);
        require(veldrix::imageFileErrorText(*result.error).starts_with("Line "));
        return;
    }
    require(result.image.size() == length);
    require(own.image.size() <= length &&
            std::equal(own.image.begin(), own.image.end(), result.image.begin()) &&
            std::all_of(result.image.begin() + static_cast<std::ptrdiff_t>(own.image.size()),
                        result.image.end(), [](std::uint8_t byte) { return byte == 0xFF; }));
    // Whatever the reader takes, detection takes for the same format.
    require(veldrix::detectImageFormat(text) == format);
    // And the writer's own text of that image reads back to it.
    const veldrix::ImageReadResult again =
        read(write(result.image), length, veldrix::ImageExtent::Whole);
    require(again.ok() && again.image == result.image);
}

}  // namespace fuzzing
