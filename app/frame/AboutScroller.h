#pragma once
// The about box's scroller without its pixels: every tick moves the picture
// up one pixel, and when the current line has scrolled in whole the next
// line (after the last, the first again) starts at the bottom.

#include <cstddef>
#include <optional>

#include "frame/AboutCredits.h"

namespace veldrix {

class AboutScroller {
public:
    static constexpr int kFirstLineHeight = 16;

    // One pixel on. Returns the index of the line that starts with this tick,
    // if one does; its height is then set with setLineHeight() (an empty
    // line keeps the previous height).
    std::optional<std::size_t> tick();
    void setLineHeight(int pixels) noexcept { lineHeight_ = pixels > 0 ? pixels : 1; }

    [[nodiscard]] int lineHeight() const noexcept { return lineHeight_; }
    // The current line's pixel row that the latest tick brought in at the
    // bottom, from 0.
    [[nodiscard]] int row() const noexcept { return counter_ - 1; }
    // The line that starts next.
    [[nodiscard]] std::size_t nextIndex() const noexcept { return index_; }

private:
    int lineHeight_ = kFirstLineHeight;
    std::size_t index_ = 0;
    int counter_ = 1;
};

}  // namespace veldrix
