#pragma once
// Reads an Intel HEX text into an image: data records (00), end of file
// (01), extended segment (02) and extended linear (04) addresses; the start
// address records (03, 05) are checked and ignored. Lines after the end
// record are not read.

#include <cstddef>
#include <string_view>

#include "buffer/ImageFileError.h"

namespace veldrix {

[[nodiscard]] ImageReadResult readIntelHex(std::string_view text, std::size_t imageLength,
                                           ImageExtent extent = ImageExtent::Whole);

}  // namespace veldrix
