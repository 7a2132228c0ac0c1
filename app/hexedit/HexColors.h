#pragma once
// The hex editor's colours. They are kept as 0x00BBGGRR values, the form the
// settings store holds, and turned into QColor only for drawing.

#include <QColor>
#include <cstdint>

namespace veldrix {

// A colour as 0x00BBGGRR: red in the low byte.
using Colorref = std::uint32_t;

[[nodiscard]] constexpr Colorref makeColorref(int red, int green, int blue) noexcept {
    return static_cast<Colorref>(red & 0xFF) | (static_cast<Colorref>(green & 0xFF) << 8) |
           (static_cast<Colorref>(blue & 0xFF) << 16);
}

[[nodiscard]] inline QColor toQColor(Colorref color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

[[nodiscard]] inline Colorref toColorref(const QColor& color) {
    return makeColorref(color.red(), color.green(), color.blue());
}

// The header of the address column is drawn in a darker shade of the address
// text: the value shifted right by one bit (as a whole 32-bit number), plus
// 0x202020.
[[nodiscard]] constexpr Colorref caretAddressColor(Colorref addressText) noexcept {
    return (addressText >> 1) + 0x202020;
}

struct HexEditColors {
    // The mark colours take the settings store's defaults until the frame
    // sets them, so marks are never drawn in an undefined colour.
    Colorref markText = 0x4080FF;
    Colorref markBackground = 0x101010;
    Colorref addressBackground = 0x5A;
    Colorref addressText = 0xFF;
    Colorref caretAddressText = caretAddressColor(0xFF);
    Colorref asciiBackground = 0x1400;
    Colorref asciiText = 0xFF00;
    Colorref highlightBackground = 0xD25A00;
    Colorref highlightText = 0xC800;
    Colorref highlightFrame = 0xFFFF00;
    Colorref hexText = 0xFF0000;
    Colorref hexBackground = 0xBED2B4;
    Colorref windowBackground = 0xD2D2D2;
    // The selection colours follow the system palette (set at construction).
    Colorref unfocusedSelectionText = 0;
    Colorref unfocusedSelectionBackground = 0;
    Colorref focusedSelectionText = 0;
    Colorref focusedSelectionBackground = 0;
};

}  // namespace veldrix
