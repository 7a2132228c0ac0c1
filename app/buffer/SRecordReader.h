#pragma once
// Reads a Motorola S-record text into an image: S0 header (checked and
// ignored), S1/S2/S3 data with 16-, 24- and 32-bit addresses, S5/S6 counts of
// the data records (which must match), S7/S8/S9 end. Lines after the end
// record are not read.

#include <cstddef>
#include <string_view>

#include "buffer/ImageFileError.h"

namespace veldrix {

[[nodiscard]] ImageReadResult readSRecord(std::string_view text, std::size_t imageLength,
                                          ImageExtent extent = ImageExtent::Whole);

}  // namespace veldrix
