#pragma once
// The record formats' readers and writers chosen by format.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "buffer/ImageFileError.h"
#include "buffer/ImageFormat.h"

namespace veldrix {

// Intel HEX or S-record text into an image of `imageLength` bytes, or up to
// its last byte given (see ImageExtent); `format` must be one of the two.
[[nodiscard]] ImageReadResult readImageText(ImageFormat format, std::string_view text,
                                            std::size_t imageLength,
                                            ImageExtent extent = ImageExtent::Whole);

// The image as Intel HEX or S-record text; `format` must be one of the two.
[[nodiscard]] std::string writeImageText(ImageFormat format, std::span<const std::uint8_t> image);

// The longest text a record file of an image of `imageLength` bytes needs:
// one data byte a record with room to spare for blank lines and CR LF line
// ends. A longer text holds something else as well.
[[nodiscard]] std::uint64_t longestRecordText(std::size_t imageLength) noexcept;

}  // namespace veldrix
