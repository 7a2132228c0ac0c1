#pragma once
// Which of the image file formats a file is in: from its content when it is
// read, from its name when it is written.

#include <string_view>

namespace veldrix {

enum class ImageFormat { Raw, IntelHex, SRecord };

// Intel HEX when the first non-blank line starts with ':', S-record when it
// starts with 'S' and a digit, and in either case every line up to the end
// record has the shape of a record: the prefix and hex digit pairs. Anything
// else is raw, so a binary image that happens to start like a record stays
// raw. Checksums, lengths and addresses are left to the reader, so that a
// damaged record file is refused with its line named instead of being loaded
// as raw bytes.
[[nodiscard]] ImageFormat detectImageFormat(std::string_view content) noexcept;

// Whether a file that begins with `start` may be a record file, so that the
// rest must be read before its format can be told: false once its first
// non-blank line begins like no record; true while `start` holds no
// non-blank line, or too little of one to tell.
[[nodiscard]] bool mayStartRecordText(std::string_view start) noexcept;

// By the extension, in any case: .hex and .ihx are Intel HEX; .s19, .s28,
// .s37, .srec and .mot are S-record; anything else is raw.
[[nodiscard]] ImageFormat imageFormatForFileName(std::string_view fileName) noexcept;

}  // namespace veldrix
