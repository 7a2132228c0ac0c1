#pragma once
// Pixel positions of bytes and digits for one layout and scroll position, and
// the reverse (which byte lies under a point), in window pixels.

#include <QPoint>
#include <QRect>
#include <cstdint>
#include <optional>

#include "hexedit/HexLayout.h"

namespace veldrix {

// A byte index and which of its two hex digits.
struct HexPosition {
    std::uint32_t index = 0;
    bool highDigit = true;
    friend bool operator==(const HexPosition&, const HexPosition&) = default;
};

class HexGeometry {
public:
    HexGeometry(const HexLayout& layout, std::uint32_t topRow, std::uint32_t hScroll) noexcept
        : layout_(layout), topRow_(topRow), hScroll_(hScroll) {}

    // Left edge of a column whose layout x is `columnX`, after scrolling.
    [[nodiscard]] int columnLeft(int columnX) const noexcept;
    // Left edge of hex digit `digit` (0 high, 1 low) of the byte in row column `column`.
    [[nodiscard]] int digitLeft(std::uint32_t column, int digit) const noexcept;
    // Top of view row `viewRow`: row 0 is the header at the client top, data
    // rows follow 2 pixels below it.
    [[nodiscard]] int rowTop(int viewRow) const noexcept;
    // View row (1 = first data row) of byte `index`, or nothing when the byte
    // is not in a row the view draws.
    [[nodiscard]] std::optional<int> viewRowOf(std::uint32_t index) const noexcept;

    // The block caret on a digit: one character wide, one pixel less than the
    // row (or the visible part of the last row) high; empty when hidden.
    [[nodiscard]] QRect caretRect(HexPosition position) const noexcept;

    // The byte and digit under `point`; nothing when there is no data.
    [[nodiscard]] HexPosition hitTest(QPoint point, bool multiLine,
                                      std::uint32_t length) const noexcept;

    // The top row that brings bytes first..last into view with the least
    // scrolling, or nothing when no vertical scrolling is needed.
    [[nodiscard]] std::optional<std::uint32_t> topRowShowing(std::uint32_t first,
                                                             std::uint32_t last) const noexcept;
    // Likewise for the horizontal scroll position.
    [[nodiscard]] std::optional<std::uint32_t> hScrollShowing(std::uint32_t first,
                                                              std::uint32_t last) const noexcept;

private:
    const HexLayout& layout_;
    std::uint32_t topRow_;
    std::uint32_t hScroll_;
};

}  // namespace veldrix
