#pragma once
// The lines of a HEX or S-record text, numbered from 1. LF and CR LF both end
// a line; trailing blanks (the CR of CR LF among them) are not part of it, so
// a line of blanks comes out empty.

#include <cstddef>
#include <string_view>

namespace veldrix {

class RecordLines {
public:
    explicit RecordLines(std::string_view text) noexcept : rest_(text) {}

    // Sets `line` to the next line; false once the text is used up.
    [[nodiscard]] bool next(std::string_view& line) noexcept;
    // The number of the line `next` gave last; 0 before the first.
    [[nodiscard]] std::size_t number() const noexcept { return number_; }

private:
    std::string_view rest_;
    std::size_t number_ = 0;
    bool done_ = false;
};

}  // namespace veldrix
