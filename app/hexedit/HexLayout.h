#pragma once
// Where the hex editor's columns and rows lie for a given window size, font
// and configuration. All lengths in pixels unless stated.

#include <QRect>
#include <cstdint>

namespace veldrix {

// Margin inside the window of a multi-line editor, on every side.
inline constexpr int kMultiLineMargin = 5;
// Gap after the address column and after the hex column.
inline constexpr int kColumnGap = 5;
// Bytes per row are capped so a row's text fits the fixed row buffers; an
// editor without the multi-line style shows at most this many bytes.
inline constexpr std::uint32_t kMaxRowWidth = 256;

struct HexLayoutInput {
    QRect windowRect;   // the area the editor draws in (its viewport)
    int charWidth = 1;  // width of "0" in the font
    int rowHeight = 1;  // height of "0" in the font
    bool multiLine = true;
    bool autoRowWidth = false;
    bool showAddress = false;
    bool showAscii = false;
    std::uint32_t bytesPerRow = 16;
    std::uint32_t addressDigits = 8;
    std::uint32_t length = 0;  // bytes shown
};

struct HexLayout {
    int fullRows = 0;       // rows, header included, that fit completely
    int lastRowHeight = 0;  // visible height of the partial last row, else row height
    int rows = 0;           // full rows plus one when a partial row exists
    int rowHeight = 1;
    int charWidth = 1;
    std::uint32_t rowWidth = 1;  // bytes per row as used
    int hexX = 0;
    int hexWidth = 0;  // includes the gap after the column
    int asciiX = 0;
    int asciiWidth = 0;
    int addressX = 0;
    int addressWidth = 0;  // includes the gap after the column
    QRect clientRect;      // the window less the multi-line margin
    int totalWidth = 0;    // right edge of the last column shown
    std::uint32_t maxTopRow = 0;
    std::uint32_t maxHScroll = 0;
};

[[nodiscard]] HexLayout calculateHexLayout(const HexLayoutInput& input);

}  // namespace veldrix
