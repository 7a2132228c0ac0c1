#include "frame/AboutScroller.h"

namespace veldrix {

std::optional<std::size_t> AboutScroller::tick() {
    if (counter_ % lineHeight_ != 0) {
        ++counter_;
        return std::nullopt;
    }
    counter_ = 1;
    const std::size_t started = index_;
    index_ = (index_ + 1) % kCreditLineCount;
    return started;
}

}  // namespace veldrix
