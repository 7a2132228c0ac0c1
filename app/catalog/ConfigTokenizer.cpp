#include "catalog/ConfigTokenizer.h"

#include <algorithm>
#include <cstring>

namespace veldrix {

namespace {

// Control characters, blanks and every byte of 0x80 or above (a byte-order
// mark, for one) come between tokens.
bool isSkippedBeforeToken(char c) noexcept {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte >= 0x80;
}

const char* findByte(const char* begin, const char* end, char wanted) noexcept {
    const void* found = std::memchr(begin, wanted, static_cast<std::size_t>(end - begin));
    return found != nullptr ? static_cast<const char*>(found) : end;
}

}  // namespace

ConfigTokenizer::ConfigTokenizer(std::string_view text) noexcept
    : pos_(text.data()), end_(text.data() + text.size()) {
    if (pos_ != end_) {
        end_ = findByte(pos_, end_, '\0');
    }
}

bool ConfigTokenizer::skipToTokenStart(Mode mode) noexcept {
    for (;;) {
        while (pos_ != end_ && isSkippedBeforeToken(*pos_)) {
            ++pos_;
        }
        if (pos_ == end_) {
            return false;
        }
        if (mode != Mode::Word || *pos_ != ';') {
            return true;
        }
        pos_ = findByte(pos_, end_, '\n');
    }
}

void ConfigTokenizer::storeToken(const char* begin, const char* end) noexcept {
    length_ = std::min(static_cast<std::size_t>(end - begin), kTokenCapacity - 1);
    if (length_ != 0) {
        std::memcpy(token_, begin, length_);
    }
    token_[length_] = '\0';
}

bool ConfigTokenizer::NextToken(Mode mode) noexcept {
    if (!skipToTokenStart(mode)) {
        storeToken(pos_, pos_);
        return false;
    }
    const char* const begin = pos_;
    if (mode == Mode::RestOfLine) {
        pos_ = findByte(begin, end_, '\n');
        // A line may end in CR LF or in LF alone, the last one in neither.
        // The token never starts on a CR, so one before pos_ lies past begin.
        const char* valueEnd = pos_;
        if (valueEnd[-1] == '\r') {
            --valueEnd;
        }
        storeToken(begin, valueEnd);
        return true;
    }
    if (*begin == '=') {
        ++pos_;
    } else {
        pos_ = findByte(begin, end_, '=');
    }
    storeToken(begin, pos_);
    return true;
}

}  // namespace veldrix
