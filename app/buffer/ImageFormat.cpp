#include "buffer/ImageFormat.h"

#include <algorithm>
#include <cstddef>

#include "buffer/RecordBytes.h"
#include "buffer/RecordLines.h"

namespace veldrix {

namespace {

[[nodiscard]] bool isDigit(char c) noexcept {
    return c >= '0' && c <= '9';
}

[[nodiscard]] std::size_t prefixLength(ImageFormat format) noexcept {
    return format == ImageFormat::IntelHex ? 1 : 2;  // ":" or "S" and the type
}

[[nodiscard]] ImageFormat formatOfFirstLine(std::string_view line) noexcept {
    if (!line.empty() && line[0] == ':') {
        return ImageFormat::IntelHex;
    }
    if (line.size() >= 2 && line[0] == 'S' && isDigit(line[1])) {
        return ImageFormat::SRecord;
    }
    return ImageFormat::Raw;
}

[[nodiscard]] bool hasRecordShape(ImageFormat format, std::string_view line) noexcept {
    if (formatOfFirstLine(line) != format) {
        return false;
    }
    RecordByteArray bytes;
    return decodeRecordBytes(line.substr(prefixLength(format)), bytes).has_value();
}

[[nodiscard]] bool isEndRecord(ImageFormat format, std::string_view line) noexcept {
    if (format == ImageFormat::IntelHex) {
        // The type follows ":", the count and the address.
        return line.size() >= 9 && line.substr(7, 2) == "01";
    }
    return line[1] >= '7';  // S7, S8, S9
}

[[nodiscard]] bool endsWithIgnoringCase(std::string_view text, std::string_view suffix) noexcept {
    if (text.size() < suffix.size()) {
        return false;
    }
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::equal(suffix.begin(), suffix.end(), text.end() - suffix.size(),
                      [&](char a, char b) { return a == lower(b); });
}

}  // namespace

ImageFormat detectImageFormat(std::string_view content) noexcept {
    RecordLines lines(content);
    std::string_view line;
    bool found = false;
    while (!found && lines.next(line)) {
        found = !line.empty();
    }
    const ImageFormat format = found ? formatOfFirstLine(line) : ImageFormat::Raw;
    if (format == ImageFormat::Raw) {
        return format;
    }
    do {
        if (line.empty()) {
            continue;
        }
        if (!hasRecordShape(format, line)) {
            return ImageFormat::Raw;
        }
        if (isEndRecord(format, line)) {
            break;
        }
    } while (lines.next(line));
    return format;
}

bool mayStartRecordText(std::string_view start) noexcept {
    RecordLines lines(start);
    std::string_view line;
    while (lines.next(line)) {
        if (!line.empty()) {
            // "S" alone may be an S-record cut off after its first character.
            return formatOfFirstLine(line) != ImageFormat::Raw || line == "S";
        }
    }
    return true;
}

ImageFormat imageFormatForFileName(std::string_view fileName) noexcept {
    constexpr std::string_view kIntelHex[] = {".hex", ".ihx"};
    constexpr std::string_view kSRecord[] = {".s19", ".s28", ".s37", ".srec", ".mot"};
    const auto endsWithAny = [&](const auto& extensions) {
        return std::any_of(std::begin(extensions), std::end(extensions),
                           [&](std::string_view e) { return endsWithIgnoringCase(fileName, e); });
    };
    if (endsWithAny(kIntelHex)) {
        return ImageFormat::IntelHex;
    }
    if (endsWithAny(kSRecord)) {
        return ImageFormat::SRecord;
    }
    return ImageFormat::Raw;
}

}  // namespace veldrix
