#pragma once
// What a load takes from an image file before it puts any byte anywhere: the
// format, forced or shown by the content, and as much of the file as that
// format needs. Never seeks, so pipes work too.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>

#include "buffer/FileBytes.h"
#include "buffer/ImageFormat.h"

namespace veldrix {

enum class ContentKind {
    Raw,         // read holds the file's first bytes, up to the raw length (its
                 // end or a read error stopped it before)
    Records,     // read holds the whole record text in `format`
    TooLong,     // a record text that goes on past what any record file of the
                 // image needs; textLength covers its whole lines within that
    Unreadable,  // a text that may hold records could not be read whole: neither
                 // its format nor its records can be told (read says why)
};

struct ImageFileContent {
    ContentKind kind = ContentKind::Raw;
    ImageFormat format = ImageFormat::Raw;
    FileBytes read;
    std::size_t textLength = 0;  // of Records and TooLong

    [[nodiscard]] std::string_view text() const noexcept {
        return std::string_view(read.bytes).substr(0, textLength);
    }
};

// Reads `file` for an image of `rawLength` bytes: a raw image takes that
// many bytes at most; a record text may be as long as such an image's
// record file can be. With `format` given, the content decides nothing.
[[nodiscard]] ImageFileContent readImageFileContent(std::FILE* file, std::uint64_t rawLength,
                                                    std::optional<ImageFormat> format);

}  // namespace veldrix
