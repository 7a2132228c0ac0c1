#include "buffer/RecordLines.h"

namespace veldrix {

namespace {

bool isTrailingBlank(char c) noexcept {
    return c == ' ' || c == '\t' || c == '\r';
}

}  // namespace

bool RecordLines::next(std::string_view& line) noexcept {
    if (done_) {
        return false;
    }
    const std::size_t end = rest_.find('\n');
    if (end == std::string_view::npos) {
        // A final line without a line end still counts; the empty text after
        // a last line end does not.
        done_ = true;
        if (rest_.empty()) {
            return false;
        }
        line = rest_;
        rest_ = {};
    } else {
        line = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        done_ = rest_.empty();
    }
    while (!line.empty() && isTrailingBlank(line.back())) {
        line.remove_suffix(1);
    }
    ++number_;
    return true;
}

}  // namespace veldrix
