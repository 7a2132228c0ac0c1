#pragma once
// The reading loop both record formats share: blank lines are skipped, every
// other line goes to the format's parser until its end record, and a text
// that stops before the end record is refused, since it may be cut short.
//
// A Parser is built from the image length and extent and has
//   std::optional<ImageFileError> take(std::string_view line, std::size_t number),
//   bool ended() const, and std::vector<std::uint8_t> take() &&.

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>

#include "buffer/ImageFileError.h"
#include "buffer/RecordLines.h"

namespace veldrix {

template <typename Parser>
[[nodiscard]] ImageReadResult readRecordText(std::string_view text, std::size_t imageLength,
                                             ImageExtent extent) {
    Parser parser(imageLength, extent);
    RecordLines lines(text);
    std::string_view line;
    while (!parser.ended() && lines.next(line)) {
        if (line.empty()) {
            continue;
        }
        if (auto error = parser.take(line, lines.number())) {
            return {{}, error};
        }
    }
    if (!parser.ended()) {
        const std::size_t lastLine = std::max<std::size_t>(lines.number(), 1);
        return {{}, ImageFileError{ImageFileFault::MissingEnd, lastLine}};
    }
    return {std::move(parser).take(), std::nullopt};
}

}  // namespace veldrix
