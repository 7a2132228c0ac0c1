#include "buffer/ImageFileError.h"

#include <cinttypes>
#include <cstdio>

namespace veldrix {

std::string imageFileErrorText(const ImageFileError& error) {
    char text[160];
    const auto address = static_cast<std::uintmax_t>(error.address);
    switch (error.fault) {
        case ImageFileFault::Malformed:
            std::snprintf(text, sizeof text, "Line %zu: malformed record", error.line);
            break;
        case ImageFileFault::Checksum:
            std::snprintf(text, sizeof text, "Line %zu: checksum error", error.line);
            break;
        case ImageFileFault::BeyondImage:
            std::snprintf(text, sizeof text,
                          "Line %zu: data at %08" PRIXMAX " lies beyond the image", error.line,
                          address);
            break;
        case ImageFileFault::Overlap:
            std::snprintf(text, sizeof text,
                          "Line %zu: data at %08" PRIXMAX
                          " differs from an earlier record for the same address",
                          error.line, address);
            break;
        case ImageFileFault::RecordCount:
            std::snprintf(text, sizeof text,
                          "Line %zu: record count does not match the data records before it",
                          error.line);
            break;
        case ImageFileFault::MissingEnd:
            std::snprintf(text, sizeof text, "Line %zu: the file ends without an end record",
                          error.line);
            break;
        case ImageFileFault::TooLong:
            std::snprintf(text, sizeof text, "Line %zu: the file is too long for the image",
                          error.line);
            break;
    }
    return text;
}

}  // namespace veldrix
