#pragma once
// Why a HEX or S-record file could not be read, as a value the front ends act
// on; the text beside it is only for showing.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace veldrix {

enum class ImageFileFault {
    Malformed,    // not a record of the format: wrong characters, length or type
    Checksum,     // the record's checksum does not match its bytes
    BeyondImage,  // data placed at or past the end of the image
    Overlap,      // a byte given twice with different values
    RecordCount,  // an S5/S6 count that differs from the data records before it
    MissingEnd,   // the text ends before the end record: the file may be cut short
    TooLong,      // the text goes on past what any record file of the image needs
};

struct ImageFileError {
    ImageFileFault fault;
    std::size_t line;           // 1-based, blank lines counted
    std::uint64_t address = 0;  // first offending byte, for BeyondImage and Overlap

    friend bool operator==(const ImageFileError&, const ImageFileError&) = default;
};

// "Line 12: checksum error" and the like.
[[nodiscard]] std::string imageFileErrorText(const ImageFileError& error);

// How long the image read from a record text is.
enum class ImageExtent {
    Whole,     // the length asked for, as a chip's image is
    LastByte,  // from address 0 to the last byte a record gives (within the
               // length asked for): the file's own image, with no chip to size it
};

// A decoded file: a complete image of the length its extent gives, or the
// reason there is none. The image is the reader's own, so a failed read leaves the
// caller's buffer as it was.
struct ImageReadResult {
    std::vector<std::uint8_t> image;  // empty when error is set
    std::optional<ImageFileError> error;

    [[nodiscard]] bool ok() const noexcept { return !error.has_value(); }
};

}  // namespace veldrix
