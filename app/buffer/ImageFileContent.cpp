#include "buffer/ImageFileContent.h"

#include "buffer/ImageText.h"

namespace veldrix {

namespace {

// A text cut at `limit` bytes, back to its last whole line.
[[nodiscard]] std::string_view wholeLinesWithin(std::string_view text, std::uint64_t limit) {
    if (text.size() <= limit) {
        return text;
    }
    const std::string_view cut = text.substr(0, static_cast<std::size_t>(limit));
    const std::size_t lastEnd = cut.rfind('\n');
    return lastEnd == std::string_view::npos ? std::string_view{} : cut.substr(0, lastEnd + 1);
}

}  // namespace

ImageFileContent readImageFileContent(std::FILE* file, std::uint64_t rawLength,
                                      std::optional<ImageFormat> format) {
    ImageFileContent content;
    // What a raw image takes first: a start that begins like no record
    // settles the format without reading further.
    readFileBytes(file, content.read, rawLength);
    if (format ? *format == ImageFormat::Raw
               : content.read.failed || !mayStartRecordText(content.read.bytes)) {
        return content;
    }

    // One byte past the longest record text tells a file that is longer.
    const std::uint64_t limit = longestRecordText(rawLength);
    readFileBytes(file, content.read, limit + 1);
    if (content.read.failed) {
        content.kind = ContentKind::Unreadable;
        content.format = format.value_or(ImageFormat::Raw);
        return content;
    }
    const std::string_view text = wholeLinesWithin(content.read.bytes, limit);
    content.format = format.value_or(detectImageFormat(text));
    if (content.format == ImageFormat::Raw) {
        return content;
    }
    content.textLength = text.size();
    content.kind =
        text.size() == content.read.bytes.size() ? ContentKind::Records : ContentKind::TooLong;
    return content;
}

}  // namespace veldrix
